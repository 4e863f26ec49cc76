// A progress bar: a position between a minimum and a maximum.
#pragma once

#include "platform/ui/control.h"

namespace sv::ui {

class ProgressBar : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "progressbar"; }

    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    int step() const { return step_; }
    // A range whose ends are swapped is taken the right way round; the position
    // is kept inside the range.
    void setRange(int min, int max);
    void setMin(int v) { setRange(v, max_); }
    void setMax(int v) { setRange(min_, v); }
    // Clamped to the range, as the window would show it.
    void setPosition(int v);
    void setStep(int v) { step_ = v; }
    // Moves the position on by `step` (or by `delta`), stopping at the maximum.
    void stepIt() { stepBy(step_); }
    void stepBy(int delta);

private:
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
};

}  // namespace sv::ui
