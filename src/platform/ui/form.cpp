#include "platform/ui/form.h"

#include "platform/machine.h"
#include "platform/ui/application.h"

namespace sv::ui {

Form::Form(std::string name) : Control(nullptr, std::move(name)) { setVisible(false); }

Form::~Form() {
    if (onDestroy) application().dispatch(onDestroy);
}

void Form::setBorderStyle(BorderStyle b) {
    borderStyle_ = b;
    notify(Prop::Style);
}

void Form::setBorderIcons(bool v) {
    borderIcons_ = v;
    notify(Prop::Style);
}

void Form::setStayOnTop(bool v) {
    stayOnTop_ = v;
    notify(Prop::Style);
}

void Form::setWindowState(WindowState s) {
    windowState_ = s;
    notify(Prop::Style);
}

void Form::setClientSize(int width, int height) { setBounds(left(), top(), width, height); }

void Form::setShape(std::vector<Rect> rects) {
    shape_ = std::move(rects);
    notify(Prop::Content);
}

void Form::show() {
    if (!shownOnce_ && position_ == FormPosition::ScreenCenter) {
        ISystem& sys = machine().system();
        setBounds((sys.screenWidth() - width()) / 2, (sys.screenHeight() - height()) / 2, width(), height());
    }
    shownOnce_ = true;
    for (auto& restore : beforeShow) application().dispatch(restore);
    if (!hasHandle_) uiBackend().createHandle(*this);
    if (onShow) application().dispatch(onShow);
    setVisible(true);
}

namespace {
std::vector<Form*>& modalStack() {
    static std::vector<Form*> stack;
    return stack;
}
}  // namespace

Form* Form::topModal() { return modalStack().empty() ? nullptr : modalStack().back(); }

ModalResult Form::showModal() {
    modal_ = true;
    modalResult_ = ModalResult::None;
    modalStack().push_back(this);
    struct Pop {
        ~Pop() { modalStack().pop_back(); }
    } pop;
    show();
    if (visible()) uiBackend().runModal(*this);
    modal_ = false;
    // A modal form closed by hiding it (not through close) still ends "cancelled".
    if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
    return modalResult_;
}

void Form::setModalResult(ModalResult r) {
    modalResult_ = r;
    if (modal_ && r != ModalResult::None) {
        if (!closeRequested()) modalResult_ = ModalResult::None;
    }
}

bool Form::closeRequested() {
    bool canClose = true;
    if (onCloseQuery) application().dispatch([&] { onCloseQuery(canClose); });
    if (!canClose) return false;
    CloseAction action = CloseAction::Hide;
    if (onClose) application().dispatch([&] { onClose(action); });
    if (action == CloseAction::None) return false;
    finishClose(action);
    return true;
}

void Form::finishClose(CloseAction action) {
    drag_.active = false;
    for (auto& save : afterClose) application().dispatch(save);
    setVisible(false);
    // A modal form is released by whoever showed it, once showModal returns; a
    // modeless one that asks to be freed goes once the current message is done.
    if (action == CloseAction::Free && !modal_) uiBackend().post([this] { delete this; });
}

void Form::close() {
    if (modal_ && modalResult_ == ModalResult::None) {
        modalResult_ = ModalResult::Cancel;
        if (!closeRequested()) modalResult_ = ModalResult::None;
        return;
    }
    closeRequested();
}

void Form::userMoved(int left, int top) {
    // Bounds change without a push back to the window, which is already there.
    setBounds(left, top, width(), height());
}

void Form::dragBy(Control& background) {
    auto previousDown = background.onMouseDown;
    auto previousMove = background.onMouseMove;
    auto previousUp = background.onMouseUp;
    background.onMouseDown = [this, previousDown](MouseButton b, ShiftState s, int x, int y) {
        if (b == MouseButton::Left) drag_ = {true, x, y};
        if (previousDown) previousDown(b, s, x, y);
    };
    background.onMouseMove = [this, &background, previousMove](ShiftState s, int x, int y) {
        if (drag_.active && (x != drag_.x || y != drag_.y)) {
            // x, y are relative to the background, which moves with the window.
            setBounds(left() + x - drag_.x, top() + y - drag_.y, width(), height());
        }
        if (previousMove) previousMove(s, x, y);
    };
    background.onMouseUp = [this, previousUp](MouseButton b, ShiftState s, int x, int y) {
        if (b == MouseButton::Left) drag_.active = false;
        if (previousUp) previousUp(b, s, x, y);
    };
}

}  // namespace sv::ui
