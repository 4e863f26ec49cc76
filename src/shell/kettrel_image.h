// A picture that reports the pointer coming onto it and leaving it, of which
// the navigator's hot-tracking buttons are made.
#pragma once

#include <functional>

#include "platform/ui/picture.h"

namespace sv {

class TKettrelImage : public ui::Picture {
public:
    using ui::Picture::Picture;

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseExit;

protected:
    virtual void DoMouseEnter() {
        if (OnMouseEnter) OnMouseEnter();
    }
    virtual void DoMouseExit() {
        if (OnMouseExit) OnMouseExit();
    }

private:
    void mouseEntered() override { DoMouseEnter(); }
    void mouseExited() override { DoMouseExit(); }
};

}  // namespace sv
