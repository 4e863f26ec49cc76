#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace sv::ui {

Control::Control(Control* parent, std::string name) : name_(std::move(name)), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
    // The window goes first, so no message can reach a half-destroyed object.
    peer_.reset();
    if (Form* f = parent_ ? form() : nullptr; f && f->activeControl() == this) f->setActiveControl(nullptr);
    for (Control* child : children_) child->parent_ = nullptr;
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

Form* Control::form() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

Control* Control::findChild(const std::string& name) {
    for (Control* child : children_) {
        if (child->name() == name) return child;
        if (Control* found = child->findChild(name)) return found;
    }
    return nullptr;
}

void Control::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    notify(Prop::Caption);
}

void Control::setBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Prop::Bounds);
    if (resized && onResize) application().dispatch(onResize);
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    notify(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    notify(Prop::Enabled);
}

void Control::setFont(const Font& f) {
    font_ = f;
    notify(Prop::Font);
}

void Control::setColor(Color c) {
    color_ = c;
    notify(Prop::Color);
}

void Control::click() {
    if (!enabled_ || !onClick) return;
    application().dispatch(onClick);
}

void Control::userDblClick() {
    if (enabled_ && onDblClick) application().dispatch(onDblClick);
}

void Control::userMouseDown(MouseButton b, ShiftState s, int x, int y) {
    if (enabled_ && onMouseDown) application().dispatch([&] { onMouseDown(b, s, x, y); });
}

void Control::userMouseUp(MouseButton b, ShiftState s, int x, int y) {
    if (enabled_ && onMouseUp) application().dispatch([&] { onMouseUp(b, s, x, y); });
}

void Control::userMouseMove(ShiftState s, int x, int y) {
    if (enabled_ && onMouseMove) application().dispatch([&] { onMouseMove(s, x, y); });
}

namespace {
ShortCutHandler g_shortCuts = nullptr;
}

void installShortCutHandler(ShortCutHandler handler) { g_shortCuts = handler; }

bool Control::userKeyDown(int key, ShiftState s) {
    if (g_shortCuts && g_shortCuts(*this, key, s)) return false;
    Form* f = form();
    if (f && f != this && f->keyPreview() && f->onKeyDown) {
        application().dispatch([&] { f->onKeyDown(key, s); });
        if (key == 0) return false;
    }
    if (onKeyDown) {
        application().dispatch([&] { onKeyDown(key, s); });
        if (key == 0) return false;
    }
    // Enter and Escape press the form's default and cancel buttons.
    if (f && key == key::Return && f->defaultButton() && f->defaultButton()->showingOnScreen()) {
        f->defaultButton()->click();
        return false;
    }
    if (f && key == key::Escape && f->cancelButton() && f->cancelButton()->showingOnScreen()) {
        f->cancelButton()->click();
        return false;
    }
    return true;
}

void Control::setFocus() {
    Form* f = form();
    if (!f) return;
    f->setActiveControl(this);
    if (f->hasHandle()) uiBackend().focus(*this);
}

bool Control::focused() {
    Form* f = form();
    return f && f->activeControl() == this;
}

bool Control::showingOnScreen() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

}  // namespace sv::ui
