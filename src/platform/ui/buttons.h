// Push buttons, check boxes, radio buttons and group boxes.
#pragma once

#include <memory>

#include "platform/ui/bitmap.h"
#include "platform/ui/control.h"
#include "platform/ui/events.h"

namespace sv::ui {

// A push button. The caption may carry an "&" before its access key ("&Help").
// Clicking runs onClick and then, when the button has a modal result, hands it
// to the form, which closes a modal form with that result. onClick runs first
// so that a handler can still prepare what the caller of showModal reads.
class Button : public Control {
public:
    Button(Control* parent, std::string name);
    const char* kind() const override { return "button"; }

    ModalResult modalResult() const { return modalResult_; }
    void setModalResult(ModalResult r) { modalResult_ = r; }

    // Whether this is its form's default (Enter) or cancel (Escape) button; the
    // form holds the choice, these are shortcuts for it.
    bool isDefault();
    void setDefault(bool v);
    bool isCancel();
    void setCancel(bool v);

    // A small picture left of the caption (the help glyph). Its bottom-left
    // pixel's colour is drawn as transparent.
    const Bitmap& glyph() const;
    void setGlyph(const Bitmap& glyph);
    void setGlyph(std::shared_ptr<const Bitmap> glyph);

    void click() override;

private:
    ModalResult modalResult_ = ModalResult::None;
    std::shared_ptr<const Bitmap> glyph_;
};

// A check box. setChecked from code does not run onClick; a user's toggle does.
class CheckBox : public Control {
public:
    CheckBox(Control* parent, std::string name);
    const char* kind() const override { return "checkbox"; }

    bool checked() const { return checked_; }
    void setChecked(bool v);

    // The user toggled the box (a click, or Space while it has the focus).
    void userToggle();
    void click() override { userToggle(); }

private:
    bool checked_ = false;
};

// A radio button. The radio buttons with the same parent form one group: the
// one that becomes checked unchecks the others, whether code or the user chose
// it. onClick runs when the user's choice checks the button; choosing the one
// already checked changes nothing and runs nothing.
class RadioButton : public Control {
public:
    RadioButton(Control* parent, std::string name);
    const char* kind() const override { return "radiobutton"; }

    bool checked() const { return checked_; }
    void setChecked(bool v);

    void userChoose();
    void click() override { userChoose(); }

private:
    bool checked_ = false;
};

// A captioned frame around a group of controls (its children). Radio buttons
// inside it form their own group.
class GroupBox : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "groupbox"; }
};

// The control of `form` (searched depth first) that the access key `ch` of an
// Alt+key press belongs to: a showing, enabled button, check box or radio
// button whose caption marks `ch` with "&" (case-insensitive); null if none.
Control* findAccessKeyTarget(Control& root, char32_t ch);

// The access key a caption marks with "&" ("&&" is a literal "&"); 0 if none.
char32_t accessKeyOf(const std::string& caption);

}  // namespace sv::ui
