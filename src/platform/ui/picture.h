// Pictures and panels: controls the program draws itself.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"

namespace sv::ui {

// A picture at its own size in the top-left corner of the control (or scaled to
// the control when `stretch`).
class Picture : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "picture"; }

    const Bitmap& picture() const;
    void setPicture(const Bitmap& picture);
    // Shares a picture without copying its pixels.
    void setPicture(std::shared_ptr<const Bitmap> picture);
    bool stretch() const { return stretch_; }
    void setStretch(bool v) {
        stretch_ = v;
        notify(Prop::Content);
    }

    // The pointer came onto or left the control (the backend reports both).
    void userMouseEnter();
    void userMouseExit();
    bool mouseInside() const { return mouseInside_; }

protected:
    // Hooks for controls built on a picture; nothing happens here by default.
    virtual void mouseEntered() {}
    virtual void mouseExited() {}

private:
    std::shared_ptr<const Bitmap> picture_;
    bool stretch_ = false;
    bool mouseInside_ = false;
};

enum class Bevel { None, Raised, Lowered };

class Panel : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "panel"; }
    Bevel bevel() const { return bevel_; }
    void setBevel(Bevel b) {
        bevel_ = b;
        notify(Prop::Style);
    }

private:
    Bevel bevel_ = Bevel::Raised;
};

}  // namespace sv::ui
