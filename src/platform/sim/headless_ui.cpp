// The headless window backend: no windows at all. Posted tasks run on
// processMessages, which is how a test acts as a user in the middle of a long
// operation; modal forms meet the test's scripted user.
#include "platform/sim/headless_ui.h"

#include <algorithm>
#include <deque>
#include <map>
#include <functional>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace sv::ui {
namespace {

class HeadlessBackend : public UiBackend {
public:
    void createHandle(Form& form) override { form.setHasHandle(true); }

    void runModal(Form& form) override { headlessUi().runModal(form); }

    void processMessages() override {
        // Only what was queued before this call runs, so a task that posts
        // another does not spin here forever.
        std::deque<std::function<void()>> now;
        now.swap(tasks_);
        for (auto& task : now) application().dispatch(task);
    }

    void run() override {
        quit_ = false;
        while (!quit_ && !tasks_.empty()) processMessages();
    }

    void quit() override { quit_ = true; }
    void post(std::function<void()> task) override { tasks_.push_back(std::move(task)); }
    void clear() {
        tasks_.clear();
        timers_.clear();
        now_ = 0;
    }

    uintptr_t startTimer(unsigned intervalMs, std::function<void()> tick) override {
        const uintptr_t id = ++lastTimer_;
        timers_[id] = Timer{std::max(1u, intervalMs), now_ + std::max(1u, intervalMs), std::move(tick)};
        return id;
    }
    void stopTimer(uintptr_t id) override { timers_.erase(id); }

    void advanceTimers(unsigned ms) {
        const uint64_t until = now_ + ms;
        for (;;) {
            // The earliest due timer fires next; a handler may start or stop timers.
            auto next = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it)
                if (it->second.due <= until && (next == timers_.end() || it->second.due < next->second.due)) next = it;
            if (next == timers_.end()) break;
            now_ = next->second.due;
            next->second.due += next->second.interval;
            auto tick = next->second.tick;
            application().dispatch(tick);
        }
        now_ = until;
    }
    size_t activeTimers() const { return timers_.size(); }

private:
    struct Timer {
        unsigned interval;
        uint64_t due;
        std::function<void()> tick;
    };
    std::map<uintptr_t, Timer> timers_;
    uintptr_t lastTimer_ = 0;
    uint64_t now_ = 0;

    std::deque<std::function<void()>> tasks_;
    bool quit_ = false;
};

HeadlessBackend& backend() {
    static HeadlessBackend b;
    return b;
}

}  // namespace

UiBackend& headlessBackend() { return backend(); }

HeadlessUi& headlessUi() {
    static HeadlessUi ui;
    return ui;
}

void HeadlessUi::runModal(Form& form) {
    modalForms_.push_back(form.name());
    if (scripts_.empty()) {
        problems_.push_back("unexpected modal form " + form.name() + " (\"" + form.caption() + "\")");
    } else {
        Script script = std::move(scripts_.front());
        scripts_.erase(scripts_.begin());
        if (!script.run(form)) problems_.push_back("modal form " + form.name() + " shown where " + script.typeName + " was expected");
    }
    // Whatever posted work the user's actions left runs before the form goes.
    backend().processMessages();
    if (form.showing()) form.close();
    if (form.showing()) {
        problems_.push_back("modal form " + form.name() + " refused to close");
        form.setVisible(false);
    }
}

void HeadlessUi::advanceTimers(unsigned ms) { backend().advanceTimers(ms); }
size_t HeadlessUi::activeTimers() const { return backend().activeTimers(); }

std::vector<std::string> HeadlessUi::unusedExpectations() const {
    std::vector<std::string> out;
    for (const auto& s : scripts_) out.push_back("modal form of type " + s.typeName);
    return out;
}

void HeadlessUi::reset() {
    scripts_.clear();
    problems_.clear();
    modalForms_.clear();
    backend().clear();
}

}  // namespace sv::ui
