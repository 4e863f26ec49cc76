#include "platform/ui/edits.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "platform/ui/application.h"

namespace sv::ui {
namespace {

// Splits UTF-8 into its characters (each one code point, as typed).
std::vector<std::string> characters(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        n = std::min(n, s.size() - i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

char32_t codePoint(const std::string& ch) {
    const auto b = static_cast<unsigned char>(ch[0]);
    if (ch.size() == 1) return b;
    char32_t c = ch.size() == 2 ? (b & 0x1F) : ch.size() == 3 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k < ch.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
    return c;
}

// The length Windows counts for a text limit: UTF-16 units.
int utf16Length(const std::string& s) {
    int n = 0;
    for (const auto& ch : characters(s)) n += ch.size() == 4 ? 2 : 1;
    return n;
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool isLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0xC0; }

// Whole number with optional blanks around it (a masked day count reads " 30").
bool parseInt(const std::string& text, int& out) {
    size_t b = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
    if (b == std::string::npos) return false;
    const char* first = text.data() + b;
    const char* last = text.data() + e + 1;
    auto [end, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && end == last;
}

// Case-insensitive order, as Windows sorts list and combo boxes.
bool lessNoCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool equalNoCase(const std::string& a, const std::string& b) { return !lessNoCase(a, b) && !lessNoCase(b, a); }

// Typing `text` over a selected content: the first accepted character replaces
// the content, the rest append; refused characters are left out.
template <class Accepts, class Change>
void typeOver(const std::string& current, const std::string& text, Accepts accepts, Change change) {
    if (text.empty()) {
        if (!current.empty() && accepts(std::string())) change(std::string());
        return;
    }
    std::string now = current;
    bool selected = true;
    for (const auto& ch : characters(text)) {
        std::string next = selected ? ch : now + ch;
        if (!accepts(next)) continue;
        now = std::move(next);
        selected = false;
        change(now);
    }
}

}  // namespace

// --- Edit ------------------------------------------------------------------------------

Edit::Edit(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

void Edit::selectAll() {
    allSelected_ = true;
    if (auto* shown = dynamic_cast<EditSelectionPeer*>(peer())) shown->selectAllText();
}

void Edit::storeText(const std::string& text) {
    allSelected_ = false;
    text_ = text;
    textChanged();
    if (onChange) application().dispatch(onChange);
}

void Edit::setText(const std::string& text) {
    if (text == text_) return;
    allSelected_ = false;
    text_ = text;
    notify(Prop::Content);
    textChanged();
    if (onChange) application().dispatch(onChange);
}

void Edit::setMaxLength(int n) {
    maxLength_ = std::max(0, n);
    notify(Prop::Style);
}

void Edit::setReadOnly(bool v) {
    readOnly_ = v;
    notify(Prop::Style);
}

void Edit::setMultiLine(bool v) {
    multiLine_ = v;
    notify(Prop::Style);
}

void Edit::setScrollBars(ScrollBars s) {
    scrollBars_ = s;
    notify(Prop::Style);
}

void Edit::setWordWrap(bool v) {
    wordWrap_ = v;
    notify(Prop::Style);
}

bool Edit::accepts(const std::string& text) const { return maxLength_ == 0 || utf16Length(text) <= maxLength_; }

void Edit::userType(const std::string& text) {
    if (!enabled() || readOnly_) return;
    typeOver(text_, text, [this](const std::string& t) { return accepts(t); },
             [this](const std::string& t) { userChange(t); });
    // What the user typed is on screen, so the window needs no push; a headless
    // edit has no window at all.
}

void Edit::userChange(const std::string& text) {
    if (text == text_) return;
    storeText(text);
}

// --- MaskedEdit ----------------------------------------------------------------------

void MaskedEdit::setMask(const std::string& mask) {
    mask_ = mask;
    positions_.clear();
    // Only the part before the first unescaped ';' describes the characters.
    const auto chars = characters(mask);
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = codePoint(chars[i]);
        if (c == ';') break;
        if (c == '!' || c == '>' || c == '<') continue;
        if (c == '\\' && i + 1 < chars.size()) {
            positions_.push_back({0, codePoint(chars[++i])});
            continue;
        }
        switch (c) {
        case '0': case '9': case '#': case 'L': case 'l': case 'A': case 'a': case 'C': case 'c':
            positions_.push_back({static_cast<char>(c), 0});
            break;
        default:
            positions_.push_back({0, c});
        }
    }
    setMaxLength(static_cast<int>(positions_.size()));
}

bool MaskedEdit::accepts(const std::string& text) const {
    if (positions_.empty()) return Edit::accepts(text);
    const auto chars = characters(text);
    if (chars.size() > positions_.size()) return false;
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = codePoint(chars[i]);
        const Position& p = positions_[i];
        const bool blank = c == ' ';
        bool ok = false;
        switch (p.kind) {
        case 0: ok = c == p.literal; break;
        case '0': ok = isDigit(c); break;
        case '9': ok = isDigit(c) || blank; break;
        case '#': ok = isDigit(c) || blank || c == '+' || c == '-'; break;
        case 'L': ok = isLetter(c); break;
        case 'l': ok = isLetter(c) || blank; break;
        case 'A': ok = isLetter(c) || isDigit(c); break;
        case 'a': ok = isLetter(c) || isDigit(c) || blank; break;
        case 'C': ok = !blank; break;
        case 'c': ok = true; break;
        default: break;
        }
        if (!ok) return false;
    }
    return true;
}

// --- SpinEdit ------------------------------------------------------------------------

SpinEdit::SpinEdit(Control* parent, std::string name) : Edit(parent, std::move(name)) { setText("0"); }

int SpinEdit::clamp(int v) const { return max_ > min_ ? std::clamp(v, min_, max_) : v; }

void SpinEdit::setValue(int v) {
    v = clamp(v);
    value_ = v;
    setText(std::to_string(v));
}

void SpinEdit::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (clamp(value_) != value_) setValue(value_);
}

bool SpinEdit::accepts(const std::string& text) const {
    if (!Edit::accepts(text)) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (c == '-' && i == 0 && min_ < 0) continue;
        return false;
    }
    return true;
}

void SpinEdit::textChanged() {
    int v = 0;
    if (parseInt(text(), v)) value_ = clamp(v);
}

void SpinEdit::userSpin(bool up) {
    if (!enabled() || readOnly()) return;
    setValue(value_ + (up ? increment_ : -increment_));
}

// --- UpDown --------------------------------------------------------------------------

UpDown::UpDown(Control* parent, std::string name) : Control(parent, std::move(name)) {}

void UpDown::setPosition(int p) {
    p = std::clamp(p, std::min(min_, max_), std::max(min_, max_));
    if (p != position_) {
        position_ = p;
        notify(Prop::Content);
    }
    if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    notify(Prop::Content);
    setPosition(position_);
}

void UpDown::associate(Edit* edit) {
    associate_ = edit;
    notify(Prop::Content);
    if (edit) edit->setText(std::to_string(position_));
}

void UpDown::userSpin(bool up) {
    if (!enabled()) return;
    // A number typed into the edit is where the step starts.
    int start = position_;
    if (associate_ && parseInt(associate_->text(), start))
        start = std::clamp(start, std::min(min_, max_), std::max(min_, max_));
    bool allow = true;
    if (onChanging) application().dispatch([&] { onChanging(allow); });
    if (!allow) return;
    // With min above max the arrows work the other way round, as on Windows.
    const int step = (min_ <= max_) == up ? increment_ : -increment_;
    const int next = std::clamp(start + step, std::min(min_, max_), std::max(min_, max_));
    if (next == start && start == position_) return;  // at the end already
    setPosition(next);
    if (next == start) return;
    const UDButton b = up ? UDButton::Up : UDButton::Down;
    if (onClick) application().dispatch([&] { onClick(b); });
}

// --- ItemList ------------------------------------------------------------------------

int ItemList::indexOf(const std::string& text) const {
    auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

size_t ItemList::insertionPoint(const std::string& text, bool sorted) const {
    if (!sorted) return items_.size();
    return static_cast<size_t>(std::upper_bound(items_.begin(), items_.end(), text, lessNoCase) - items_.begin());
}

namespace {

// The order that sorts `items`, stable for equal ones.
std::vector<size_t> sortedOrder(const std::vector<std::string>& items) {
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lessNoCase(items[a], items[b]); });
    return order;
}

}  // namespace

// --- ComboBox ------------------------------------------------------------------------

ComboBox::ComboBox(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

void ComboBox::setStyle(ComboStyle s) {
    style_ = s;
    if (s == ComboStyle::DropDownList) text_ = itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
    notify(Prop::Style);
}

void ComboBox::setSorted(bool v) {
    sorted_ = v;
    if (v) {
        const auto order = sortedOrder(items_);
        std::vector<std::string> items;
        int index = -1;
        for (size_t k = 0; k < order.size(); ++k) {
            items.push_back(items_[order[k]]);
            if (static_cast<int>(order[k]) == itemIndex_) index = static_cast<int>(k);
        }
        items_ = std::move(items);
        itemIndex_ = index;
    }
    notify(Prop::Content);
}

int ComboBox::addItem(const std::string& text) {
    const size_t at = insertionPoint(text, sorted_);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), text);
    if (itemIndex_ >= static_cast<int>(at)) ++itemIndex_;
    notify(Prop::Content);
    return static_cast<int>(at);
}

void ComboBox::deleteItem(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) {
        itemIndex_ = -1;
        if (style_ == ComboStyle::DropDownList) text_.clear();
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    notify(Prop::Content);
}

void ComboBox::clearItems() {
    items_.clear();
    itemIndex_ = -1;
    if (style_ == ComboStyle::DropDownList) text_.clear();
    notify(Prop::Content);
}

void ComboBox::setItems(const std::vector<std::string>& items) {
    items_.clear();
    itemIndex_ = -1;
    if (style_ == ComboStyle::DropDownList) text_.clear();
    for (const auto& item : items) items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(insertionPoint(item, sorted_)), item);
    notify(Prop::Content);
}

void ComboBox::setItemIndex(int i) {
    if (i < -1 || i >= count()) i = -1;
    itemIndex_ = i;
    if (i >= 0) text_ = items_[i];
    else if (style_ == ComboStyle::DropDownList) text_.clear();
    notify(Prop::Content);
}

void ComboBox::setText(const std::string& text) {
    if (style_ == ComboStyle::DropDownList) {
        int found = -1;
        for (int i = 0; i < count() && found < 0; ++i)
            if (equalNoCase(items_[i], text)) found = i;
        setItemIndex(found);
        return;
    }
    text_ = text;
    itemIndex_ = indexOf(text);
    notify(Prop::Content);
}

void ComboBox::userSelect(int index) {
    if (!enabled() || index < 0 || index >= count()) return;
    itemIndex_ = index;
    text_ = items_[index];
    if (Control::onClick) application().dispatch(Control::onClick);
    if (onSelect) application().dispatch(onSelect);
    else if (onChange) application().dispatch(onChange);
}

void ComboBox::userType(const std::string& text) {
    if (!enabled() || style_ != ComboStyle::DropDown) return;
    typeOver(text_, text, [](const std::string&) { return true; }, [this](const std::string& t) { userChange(t); });
}

void ComboBox::userChange(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    // Typed text chooses no item, even one it spells (the list is closed).
    itemIndex_ = -1;
    if (onChange) application().dispatch(onChange);
}

// --- ListBox -------------------------------------------------------------------------

ListBox::ListBox(Control* parent, std::string name) : Control(parent, std::move(name)) { setTabStop(true); }

void ListBox::fitSelection() { selected_.resize(items_.size(), false); }

void ListBox::setSorted(bool v) {
    sorted_ = v;
    if (v) {
        const auto order = sortedOrder(items_);
        std::vector<std::string> items;
        std::vector<bool> sel;
        int index = -1;
        for (size_t k = 0; k < order.size(); ++k) {
            items.push_back(items_[order[k]]);
            sel.push_back(selected_[order[k]]);
            if (static_cast<int>(order[k]) == itemIndex_) index = static_cast<int>(k);
        }
        items_ = std::move(items);
        selected_ = std::move(sel);
        itemIndex_ = index;
    }
    notify(Prop::Content);
}

void ListBox::setMultiSelect(bool v) {
    multiSelect_ = v;
    if (!v) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (itemIndex_ >= 0) selected_[itemIndex_] = true;
    }
    notify(Prop::Style);
}

int ListBox::addItem(const std::string& text) {
    const size_t at = insertionPoint(text, sorted_);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), text);
    selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(at), false);
    if (itemIndex_ >= static_cast<int>(at)) ++itemIndex_;
    notify(Prop::Content);
    return static_cast<int>(at);
}

void ListBox::deleteItem(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    notify(Prop::Content);
}

void ListBox::clearItems() { setItems({}); }

void ListBox::setItems(const std::vector<std::string>& items) {
    items_.clear();
    for (const auto& item : items) items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(insertionPoint(item, sorted_)), item);
    selected_.assign(items_.size(), false);
    itemIndex_ = -1;
    notify(Prop::Content);
}

void ListBox::setItemIndex(int i) {
    if (i < -1 || i >= count()) i = -1;
    fitSelection();
    if (!multiSelect_) std::fill(selected_.begin(), selected_.end(), false);
    itemIndex_ = i;
    if (i >= 0) selected_[i] = true;
    notify(Prop::Content);
}

bool ListBox::selected(int i) const { return i >= 0 && i < static_cast<int>(selected_.size()) && selected_[i]; }

void ListBox::setSelected(int i, bool on) {
    if (i < 0 || i >= count()) return;
    if (!multiSelect_) {
        if (on) setItemIndex(i);
        else if (itemIndex_ == i) setItemIndex(-1);
        return;
    }
    selected_[i] = on;
    notify(Prop::Content);
}

int ListBox::selCount() const { return static_cast<int>(std::count(selected_.begin(), selected_.end(), true)); }

void ListBox::userSelect(int index, bool extend) {
    if (!enabled() || index < 0 || index >= count()) return;
    std::vector<bool> sel = selected_;
    if (multiSelect_ && extend) {
        sel[index] = !sel[index];
    } else {
        sel.assign(items_.size(), false);
        sel[index] = true;
    }
    userSelectionChanged(index, sel);
}

void ListBox::userSelectionChanged(int focusIndex, const std::vector<bool>& selected) {
    selected_ = selected;
    fitSelection();
    itemIndex_ = focusIndex >= -1 && focusIndex < count() ? focusIndex : -1;
    if (Control::onClick) application().dispatch(Control::onClick);
}

}  // namespace sv::ui
