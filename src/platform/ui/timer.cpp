#include "platform/ui/timer.h"

#include "platform/ui/application.h"

namespace sv::ui {

Timer::~Timer() { stop(); }

void Timer::setInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    restart();
}

void Timer::restart() {
    stop();
    if (!enabled_ || interval_ == 0) return;
    backend_ = &uiBackend();
    // The backend runs the tick through the application's dispatch.
    id_ = backend_->startTimer(interval_, [this] { tick(); });
}

void Timer::stop() {
    if (id_ != 0) backend_->stopTimer(id_);
    id_ = 0;
}

void Timer::tick() {
    // onTimer may disable the timer, replace the handler or free the timer:
    // it runs from a copy, and nothing of the object is used afterwards.
    if (!onTimer) return;
    const auto handler = onTimer;
    handler();
}

}  // namespace sv::ui
