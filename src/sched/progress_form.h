// The small borderless window in the bottom right corner that shows an
// unattended run at work.
#pragma once

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace sv {

class TfrmProgress : public ui::Form {
public:
    TfrmProgress();
    // Places the window against the right edge of the screen, just above the bottom.
    void placeBottomRight();

    ui::Label lblCaption{this, "lblCaption"};
    ui::Label lblSchedType{this, "lblSchedType"};
    ui::Label lblCancel{this, "lblCancel"};

    static constexpr int kWidth = 258;
    static constexpr int kHeight = 55;
};

}  // namespace sv
