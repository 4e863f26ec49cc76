// The headless window backend's test side: scripted users for modal forms.
#pragma once

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/ui/form.h"

namespace sv::ui {

class HeadlessUi {
public:
    // The next modal form shown must be of type T; `script` acts as the user on
    // it, and the form is closed (Cancel) afterwards if the script left it open.
    template <class T>
    void expectModal(std::function<void(T&)> script) {
        scripts_.push_back({typeid(T).name(), [script](Form& f) {
                                T* form = dynamic_cast<T*>(&f);
                                if (form && script) script(*form);
                                return form != nullptr;
                            }});
    }
    // Runs by the headless backend for each modal form.
    void runModal(Form& form);

    const std::vector<std::string>& problems() const { return problems_; }
    std::vector<std::string> unusedExpectations() const;
    // Forgets scripts, problems and posted tasks (each test starts clean).
    void reset();
    // Lets `ms` milliseconds of timer time pass: due timers fire, in order.
    void advanceTimers(unsigned ms);
    size_t activeTimers() const;
    // How many forms were shown modally so far, by form name.
    const std::vector<std::string>& modalForms() const { return modalForms_; }

private:
    struct Script {
        std::string typeName;
        std::function<bool(Form&)> run;
    };
    std::vector<Script> scripts_;
    std::vector<std::string> problems_;
    std::vector<std::string> modalForms_;
};

HeadlessUi& headlessUi();

}  // namespace sv::ui
