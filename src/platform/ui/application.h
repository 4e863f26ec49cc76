// The application object and the backend that gives controls their windows.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace sv::ui {

class Control;
class Form;

// What a window system provides. The headless backend (tests) keeps no windows
// at all; the Win32 backend makes real ones.
class UiBackend {
public:
    virtual ~UiBackend() = default;
    // Makes the form's window and its children's, attaching a peer to each.
    virtual void createHandle(Form& form) = 0;
    // Runs a modal form until it is no longer showing.
    virtual void runModal(Form& form) = 0;
    // Runs what is pending (input, paint, posted tasks) and returns.
    virtual void processMessages() = 0;
    // Runs the message loop until quit() is called.
    virtual void run() = 0;
    virtual void quit() = 0;
    // Queues work to run on the next processMessages.
    virtual void post(std::function<void()> task) = 0;
    // Moves the keyboard focus to a control whose form has a window.
    virtual void focus(Control& control) { (void)control; }
    // A repeating timer on the user-interface thread; `tick` runs through the
    // application's dispatch. Returns an id for stopTimer.
    virtual uintptr_t startTimer(unsigned intervalMs, std::function<void()> tick) = 0;
    virtual void stopTimer(uintptr_t id) = 0;
    // The application's pointer shape changed (see Application::setScreenCursor).
    virtual void screenCursorChanged() {}
};

UiBackend& uiBackend();
// Installs a backend (not owned), returning the previous one. Without one the
// headless backend is in use.
UiBackend* installUiBackend(UiBackend* backend);

enum class CursorShape { Default, HourGlass };

class Application {
public:
    const std::string& title() const { return title_; }
    void setTitle(const std::string& t) { title_ = t; }
    const std::string& helpFile() const { return helpFile_; }
    void setHelpFile(const std::string& f) { helpFile_ = f; }
    bool showMainForm() const { return showMainForm_; }
    void setShowMainForm(bool v) { showMainForm_ = v; }

    void processMessages();
    // Runs the message loop until terminate().
    void run();
    void terminate();
    bool terminated() const { return terminated_; }
    // Starts over (a new run in the same process, as tests do).
    void reset();

    // Shows an error that escaped an event handler as the application's error box.
    void handleException(std::exception_ptr error);
    // Runs an event handler: an error escaping it is shown, the window stays open.
    void dispatch(const std::function<void()>& handler);

    // Opens the help file at a topic (F1 and every "&Help" button).
    void showHelpTopic(const std::string& topic);

    // The pointer over every window of the program: the hourglass while a long
    // step runs without a progress window of its own.
    CursorShape screenCursor() const { return screenCursor_; }
    void setScreenCursor(CursorShape shape);

private:
    std::string title_, helpFile_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    CursorShape screenCursor_ = CursorShape::Default;
};

Application& application();

// Shows the hourglass while it lives, and the shape that was there before afterwards.
class HourGlass {
public:
    HourGlass() : previous_(application().screenCursor()) { application().setScreenCursor(CursorShape::HourGlass); }
    ~HourGlass() { application().setScreenCursor(previous_); }
    HourGlass(const HourGlass&) = delete;
    HourGlass& operator=(const HourGlass&) = delete;

private:
    CursorShape previous_;
};

}  // namespace sv::ui
