#include "platform/ui/progress.h"

#include <algorithm>

namespace sv::ui {

void ProgressBar::setRange(int min, int max) {
    if (min > max) std::swap(min, max);
    const int pos = std::clamp(position_, min, max);
    if (min == min_ && max == max_ && pos == position_) return;
    min_ = min;
    max_ = max;
    position_ = pos;
    notify(Prop::Content);
}

void ProgressBar::setPosition(int v) {
    v = std::clamp(v, min_, max_);
    if (v == position_) return;
    position_ = v;
    notify(Prop::Content);
}

void ProgressBar::stepBy(int delta) {
    // In 64 bits, so that a large step near the ends cannot overflow.
    const long long next = static_cast<long long>(position_) + delta;
    setPosition(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

}  // namespace sv::ui
