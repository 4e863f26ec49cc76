// Forms: top-level windows that own their controls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/events.h"

namespace sv::ui {

enum class BorderStyle { Sizeable, Single, Dialog, ToolWindow, None };
enum class CloseAction { None, Hide, Free };
enum class FormPosition { Designed, ScreenCenter };
enum class WindowState { Normal, Minimized, Maximized };

class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;
    const char* kind() const override { return "form"; }

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b);
    // Whether the caption bar shows the system menu and close box.
    bool borderIcons() const { return borderIcons_; }
    void setBorderIcons(bool v);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool v);
    FormPosition position() const { return position_; }
    void setPosition(FormPosition p) { position_ = p; }
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState s);
    // A form's width and height are those of its client area; the backend adds
    // the frame that its border style needs.
    void setClientSize(int width, int height);
    int clientWidth() const { return width(); }
    int clientHeight() const { return height(); }
    // Keys reach the form's onKeyDown before the focused control's (F1 for help).
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v) { keyPreview_ = v; }
    Control* defaultButton() const { return defaultButton_; }
    void setDefaultButton(Control* c) { defaultButton_ = c; }
    Control* cancelButton() const { return cancelButton_; }
    void setCancelButton(Control* c) { cancelButton_ = c; }

    // The window's outline: the given rectangles of the client area (empty = the
    // whole window). Made from a picture by shapeFromPicture.
    const std::vector<Rect>& shape() const { return shape_; }
    void setShape(std::vector<Rect> rects);

    // Makes the window (restoring state first) and shows it without blocking.
    void show();
    // Shows the form and waits until it is closed; returns how it was closed.
    ModalResult showModal();
    bool modal() const { return modal_; }
    // The innermost form showing modally now, or null.
    static Form* topModal();
    ModalResult modalResult() const { return modalResult_; }
    // Setting a result other than None closes a modal form (after close-query).
    void setModalResult(ModalResult r);
    // Asks the form to close: close-query, then close; a modeless form is hidden,
    // or released when its close handler asks for Free.
    void close();
    bool showing() const { return visible(); }
    bool hasHandle() const { return hasHandle_; }

    // Moves the form with the pointer while the left button is held down on
    // `background`, keeping the offset at which the button went down.
    void dragBy(Control& background);

    Control* activeControl() const { return activeControl_; }

    std::function<void()> onCreate;  // called by forms that want it, at the end of their constructor
    std::function<void()> onShow;
    std::function<void(bool& canClose)> onCloseQuery;
    std::function<void(CloseAction& action)> onClose;
    std::function<void()> onDestroy;

    // Restoring and saving state (form storage) around showing and closing.
    std::vector<std::function<void()>> beforeShow;
    std::vector<std::function<void()>> afterClose;

    // Backend side.
    void setHasHandle(bool v) { hasHandle_ = v; }
    void setActiveControl(Control* c) { activeControl_ = c; }
    // The user (or the window system) moved the window.
    void userMoved(int left, int top);

private:
    friend class Control;
    bool closeRequested();
    void finishClose(CloseAction action);

    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    FormPosition position_ = FormPosition::Designed;
    WindowState windowState_ = WindowState::Normal;
    bool borderIcons_ = true;
    bool stayOnTop_ = false;
    bool keyPreview_ = false;
    bool hasHandle_ = false;
    bool modal_ = false;
    bool shownOnce_ = false;
    ModalResult modalResult_ = ModalResult::None;
    Control* defaultButton_ = nullptr;
    Control* cancelButton_ = nullptr;
    Control* activeControl_ = nullptr;
    std::vector<Rect> shape_;
    struct Drag {
        bool active = false;
        int x = 0, y = 0;
    } drag_;
};

}  // namespace sv::ui
