// Text and choice controls: edits, masked edits, up-downs, spin edits, combo
// boxes and list boxes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace sv::ui {

// What a window that shows an edit does besides showing its text.
class EditSelectionPeer {
public:
    virtual ~EditSelectionPeer() = default;
    virtual void selectAllText() = 0;
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

// A text box. Its text is text(), not caption(). onChange runs whenever the
// text changes, whether the user typed or code called setText (the tools rely
// on that, as the windows they come from did).
//
// multiLine, scrollBars and wordWrap shape the window and must be set before
// the form's window is made; readOnly and maxLength may change at any time.
class Edit : public Control {
public:
    Edit(Control* parent, std::string name);
    const char* kind() const override { return "edit"; }

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // The longest text the user may type, in UTF-16 units as Windows counts; 0 = no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool v);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v);
    ScrollBars scrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBars s);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);

    std::function<void()> onChange;

    // Selects the whole text, so that what the user types next replaces it (a
    // window that refuses a field's value points the user at it this way). Any
    // change of the text ends the selection.
    void selectAll();
    bool allSelected() const { return allSelected_; }

    // Whether the user may leave `text` in the box (the length limit here; masks
    // and number boxes add their own rules). The backends refuse a keystroke
    // that would make the text unacceptable.
    virtual bool accepts(const std::string& text) const;

    // The user typed `text` over the whole content: the content is selected, then
    // each character is typed in turn, and a character the box refuses is left
    // out, as the real box does. onChange runs after each accepted character.
    void userType(const std::string& text);
    // Backend side: the window now holds `text` because of the user.
    void userChange(const std::string& text);

protected:
    // Runs after the text changed, before onChange.
    virtual void textChanged() {}

private:
    void storeText(const std::string& text);

    std::string text_;
    int maxLength_ = 0;
    bool readOnly_ = false, multiLine_ = false, wordWrap_ = true;
    ScrollBars scrollBars_ = ScrollBars::None;
    bool allSelected_ = false;
};

// An edit whose text must fit a mask. The mask is written as
// "<characters>[;<save literals>[;<blank>]]"; each mask character stands for
// one position: 0 a digit, 9 a digit or blank, # a digit, sign or blank,
// L a letter, l a letter or blank, A a letter or digit, a the same or blank,
// C any character, c any character or blank; \x is the literal x; ! > < are
// flags (blanks lead, upper case, lower case) that take no position; anything
// else is a literal that must appear as it is. While typing, a text may be
// shorter than the mask. An empty mask accepts anything (a plain edit).
class MaskedEdit : public Edit {
public:
    using Edit::Edit;
    const char* kind() const override { return "maskedit"; }

    const std::string& mask() const { return mask_; }
    void setMask(const std::string& mask);
    // How many characters the mask holds (0 without a mask).
    int maskLength() const { return static_cast<int>(positions_.size()); }

    bool accepts(const std::string& text) const override;

private:
    struct Position {
        char kind;  // a mask character, or 0 for a literal
        char32_t literal;
    };
    std::string mask_;
    std::vector<Position> positions_;
};

// An edit for a whole number with up and down arrows. value() is the typed
// number kept within min and max (when max > min); only digits (and a minus
// sign when min is negative) can be typed.
class SpinEdit : public Edit {
public:
    SpinEdit(Control* parent, std::string name);
    const char* kind() const override { return "spinedit"; }

    int value() const { return value_; }
    void setValue(int v);
    int minValue() const { return min_; }
    int maxValue() const { return max_; }
    void setRange(int min, int max);
    int increment() const { return increment_; }
    void setIncrement(int v) { increment_ = v; }

    bool accepts(const std::string& text) const override;
    // The user pressed an arrow (or the Up/Down key).
    void userSpin(bool up);

protected:
    void textChanged() override;

private:
    int clamp(int v) const;
    int value_ = 0, min_ = 0, max_ = 0, increment_ = 1;
};

enum class UDButton { Up, Down };

// A pair of arrows that steps a position between min and max. With an
// associated edit, the edit's text follows the position, and a number the user
// typed there is where the next step starts. Place the up-down beside its edit:
// neither control moves the other.
class UpDown : public Control {
public:
    UpDown(Control* parent, std::string name);
    const char* kind() const override { return "updown"; }

    int position() const { return position_; }
    // Keeps within min and max; writes the position into the associated edit.
    void setPosition(int p);
    int minValue() const { return min_; }
    int maxValue() const { return max_; }
    void setRange(int min, int max);
    int increment() const { return increment_; }
    void setIncrement(int v) { increment_ = v; }
    // The edit must live as long as the association (or until associate(nullptr)).
    Edit* associate() const { return associate_; }
    void associate(Edit* edit);
    void associate(Edit& edit) { associate(&edit); }

    // Before a step: set allow to false to refuse it.
    std::function<void(bool& allow)> onChanging;
    // After a step moved the position, with the arrow that moved it. (This
    // replaces Control::onClick for up-downs.)
    std::function<void(UDButton)> onClick;

    void userSpin(bool up);

private:
    int position_ = 0, min_ = 0, max_ = 100, increment_ = 1;
    Edit* associate_ = nullptr;
};

// Items kept in order, optionally sorted case-insensitively (as Windows sorts
// list and combo boxes), with an index of the chosen one (-1 for none).
class ItemList {
public:
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<size_t>(i)); }
    int indexOf(const std::string& text) const;  // exact match, -1 if none

protected:
    // Where a new item goes: the end, or its sorted place (after equal ones).
    size_t insertionPoint(const std::string& text, bool sorted) const;
    std::vector<std::string> items_;
};

enum class ComboStyle { DropDown, DropDownList };

// A combo box. In DropDown style the user may type any text; in DropDownList
// style the text is always the chosen item's.
//
// Events: a choice from the list runs onClick, then onSelect (or, when there is
// no onSelect, onChange); typing runs onChange. Code that sets itemIndex or
// text runs nothing.
class ComboBox : public Control, public ItemList {
public:
    ComboBox(Control* parent, std::string name);
    const char* kind() const override { return "combobox"; }

    ComboStyle style() const { return style_; }
    // Shapes the window: set before the form's window is made.
    void setStyle(ComboStyle s);
    bool sorted() const { return sorted_; }
    // Sorting sorts the items already there; the chosen item stays chosen.
    void setSorted(bool v);

    int addItem(const std::string& text);  // returns where it went
    void deleteItem(int index);
    void clearItems();
    void setItems(const std::vector<std::string>& items);

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    const std::string& text() const { return text_; }
    // DropDown: any text (the item it equals becomes chosen, else none);
    // DropDownList: chooses the item equal to it (ignoring case), else none.
    void setText(const std::string& text);

    std::function<void()> onChange;
    std::function<void()> onSelect;

    void userSelect(int index);
    // Typing into a DropDown combo: the content is selected and replaced
    // character by character, as Edit::userType does.
    void userType(const std::string& text);
    // Backend side: the edit part now holds `text` because of the user.
    void userChange(const std::string& text);

private:
    ComboStyle style_ = ComboStyle::DropDown;
    bool sorted_ = false;
    int itemIndex_ = -1;
    std::string text_;
};

// A list box. With multiSelect any set of items may be selected (a click
// selects one, Ctrl+click adds or removes one); itemIndex is then the item with
// the focus. A user's click runs onClick; code that changes the selection runs
// nothing. onDblClick is Control's.
class ListBox : public Control, public ItemList {
public:
    ListBox(Control* parent, std::string name);
    const char* kind() const override { return "listbox"; }

    bool sorted() const { return sorted_; }
    void setSorted(bool v);
    bool multiSelect() const { return multiSelect_; }
    // Shapes the window: set before the form's window is made.
    void setMultiSelect(bool v);

    int addItem(const std::string& text);
    void deleteItem(int index);
    void clearItems();
    void setItems(const std::vector<std::string>& items);

    int itemIndex() const { return itemIndex_; }
    // Single selection: selects the item (-1 for none). Multiple: moves the focus
    // to it and selects it, keeping the rest of the selection.
    void setItemIndex(int i);
    bool selected(int i) const;
    void setSelected(int i, bool on);
    int selCount() const;

    // A click on an item; with `extend` (Ctrl) in a multi-select list it toggles
    // that item and keeps the others.
    void userSelect(int index, bool extend = false);
    // Backend side: the window's selection after the user changed it.
    void userSelectionChanged(int focusIndex, const std::vector<bool>& selected);

private:
    void fitSelection();
    bool sorted_ = false, multiSelect_ = false;
    int itemIndex_ = -1;
    std::vector<bool> selected_;
};

}  // namespace sv::ui
