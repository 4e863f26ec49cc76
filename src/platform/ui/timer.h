// A timer: calls onTimer every `interval` milliseconds while enabled, on the
// user-interface thread. It has no window; it belongs to whoever holds it.
#pragma once

#include <cstdint>
#include <functional>

namespace sv::ui {

class UiBackend;

class Timer {
public:
    Timer() = default;
    explicit Timer(unsigned intervalMs) : interval_(intervalMs) {}
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    unsigned interval() const { return interval_; }
    // A new interval starts counting afresh. Zero stops the timer without
    // clearing `enabled`.
    void setInterval(unsigned ms);
    // Off until enabled. Disabling inside onTimer makes a one-shot timer.
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Whether the timer is counting (enabled with a non-zero interval).
    bool running() const { return id_ != 0; }

    std::function<void()> onTimer;

private:
    void restart();
    void stop();
    void tick();

    unsigned interval_ = 1000;
    bool enabled_ = false;
    uintptr_t id_ = 0;
    // The backend the timer was started on: it is stopped on the same one even
    // when another has been installed since.
    UiBackend* backend_ = nullptr;
};

}  // namespace sv::ui
