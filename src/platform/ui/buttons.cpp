#include "platform/ui/buttons.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace sv::ui {

// --- Button ------------------------------------------------------------------------

Button::Button(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

bool Button::isDefault() {
    Form* f = form();
    return f && f->defaultButton() == this;
}

void Button::setDefault(bool v) {
    Form* f = form();
    if (!f || v == isDefault()) return;
    f->setDefaultButton(v ? this : nullptr);
    // The default button has a heavier frame.
    notify(Prop::Style);
}

bool Button::isCancel() {
    Form* f = form();
    return f && f->cancelButton() == this;
}

void Button::setCancel(bool v) {
    Form* f = form();
    if (!f || v == isCancel()) return;
    f->setCancelButton(v ? this : nullptr);
}

const Bitmap& Button::glyph() const {
    static const Bitmap none;
    return glyph_ ? *glyph_ : none;
}

void Button::setGlyph(const Bitmap& glyph) { setGlyph(std::make_shared<const Bitmap>(glyph)); }

void Button::setGlyph(std::shared_ptr<const Bitmap> glyph) {
    glyph_ = std::move(glyph);
    notify(Prop::Content);
}

void Button::click() {
    if (!enabled()) return;
    if (onClick) application().dispatch(onClick);
    if (modalResult_ != ModalResult::None) {
        if (Form* f = form()) f->setModalResult(modalResult_);
    }
}

// --- CheckBox ----------------------------------------------------------------------

CheckBox::CheckBox(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

void CheckBox::setChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    notify(Prop::Content);
}

void CheckBox::userToggle() {
    if (!enabled()) return;
    setChecked(!checked_);
    if (onClick) application().dispatch(onClick);
}

// --- RadioButton -------------------------------------------------------------------

RadioButton::RadioButton(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

void RadioButton::setChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    notify(Prop::Content);
    if (!v || !parent()) return;
    for (Control* sibling : parent()->children()) {
        if (sibling == this) continue;
        if (auto* radio = dynamic_cast<RadioButton*>(sibling)) radio->setChecked(false);
    }
}

void RadioButton::userChoose() {
    if (!enabled() || checked_) return;
    setChecked(true);
    if (onClick) application().dispatch(onClick);
}

// --- access keys -------------------------------------------------------------------

namespace {

// Decodes the code point at `i` and moves past it; invalid bytes stand for themselves.
char32_t decodeAt(const std::string& s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra && i + extra >= s.size()) extra = 0;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    ++i;
    for (int k = 0; k < extra && i < s.size(); ++k, ++i) c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return c;
}

char32_t fold(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

}  // namespace

char32_t accessKeyOf(const std::string& caption) {
    for (size_t i = 0; i < caption.size();) {
        if (caption[i] != '&') {
            decodeAt(caption, i);
            continue;
        }
        ++i;
        if (i >= caption.size()) return 0;
        if (caption[i] == '&') {  // "&&" is a literal ampersand
            ++i;
            continue;
        }
        return decodeAt(caption, i);
    }
    return 0;
}

Control* findAccessKeyTarget(Control& root, char32_t ch) {
    for (Control* child : root.children()) {
        if (!child->visible() || !child->enabled()) continue;
        const bool pressable = dynamic_cast<Button*>(child) || dynamic_cast<CheckBox*>(child) ||
                               dynamic_cast<RadioButton*>(child);
        if (pressable) {
            const char32_t key = accessKeyOf(child->caption());
            if (key && fold(key) == fold(ch)) return child;
        }
        if (Control* inner = findAccessKeyTarget(*child, ch)) return inner;
    }
    return nullptr;
}

}  // namespace sv::ui
