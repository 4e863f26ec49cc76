// A headless window backend that remembers what each processMessages would have
// painted, so a test can see what a user saw while a job ran.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace sv::test {

struct Painted {
    std::string form;
    int left = 0, top = 0, width = 0, height = 0;
    std::map<std::string, std::string> captions;  // control name -> caption
    std::map<std::string, bool> visible;          // control name -> visible
};

class RecordingUi : public ui::UiBackend {
public:
    RecordingUi() : previous_(ui::installUiBackend(this)) {}
    ~RecordingUi() override { ui::installUiBackend(previous_); }

    void createHandle(ui::Form& form) override {
        form.setHasHandle(true);
        form.attachPeer(std::make_unique<FormPeer>(*this, form));
        created.push_back(form.name());
    }
    void runModal(ui::Form& form) override { form.close(); }
    void processMessages() override {
        for (ui::Form* f : live_)
            if (f->visible()) paints.push_back(snapshot(*f));
        std::deque<std::function<void()>> now;
        now.swap(tasks_);
        for (auto& t : now) ui::application().dispatch(t);
    }
    void run() override {
        while (!tasks_.empty()) processMessages();
    }
    void quit() override { ++quits; }
    uintptr_t startTimer(unsigned, std::function<void()>) override { return 0; }
    void stopTimer(uintptr_t) override {}
    void post(std::function<void()> task) override { tasks_.push_back(std::move(task)); }

    std::vector<std::string> created;    // forms that got a window
    std::vector<std::string> destroyed;  // forms whose window went away
    std::vector<Painted> paints;
    int quits = 0;
    size_t liveForms() const { return live_.size(); }

private:
    class FormPeer : public ui::Peer {
    public:
        FormPeer(RecordingUi& ui, ui::Form& form) : ui_(ui), form_(form) { ui_.live_.push_back(&form_); }
        ~FormPeer() override {
            ui_.live_.erase(std::remove(ui_.live_.begin(), ui_.live_.end(), &form_), ui_.live_.end());
            ui_.destroyed.push_back(form_.name());
        }
        void changed(ui::Prop) override {}

    private:
        RecordingUi& ui_;
        ui::Form& form_;
    };

    static void collect(ui::Control& c, Painted& p) {
        for (ui::Control* child : c.children()) {
            p.captions[child->name()] = child->caption();
            p.visible[child->name()] = child->visible();
            collect(*child, p);
        }
    }
    static Painted snapshot(ui::Form& f) {
        Painted p{f.name(), f.left(), f.top(), f.width(), f.height(), {}, {}};
        collect(f, p);
        return p;
    }

    ui::UiBackend* previous_;
    std::vector<ui::Form*> live_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace sv::test
