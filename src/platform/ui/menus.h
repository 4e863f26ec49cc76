// Menus: a form's menu bar (MainMenu), pop-up menus (PopupMenu) and their items.
//
// Menus are not controls: they have no window of their own in the model. A
// backend that shows them attaches a MenuPeer to each menu of a form that has a
// window; without one (headless) a menu's state is all there is.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/events.h"

namespace sv::ui {

class Form;
class Menu;

// A key with its modifiers, as a menu item reacts to it.
struct ShortCut {
    int key = 0;  // virtual-key code; 0 = none
    ShiftState shift;
    bool empty() const { return key == 0; }
    bool matches(int k, ShiftState s) const {
        return key != 0 && key == k && shift.ctrl == s.ctrl && shift.shift == s.shift && shift.alt == s.alt;
    }
};
// "Ctrl+A", "Del", "Alt+Enter", "Ctrl+Shift+Del", "F5" ... (letter case does not
// matter; "" is no short cut). Unknown text throws std::invalid_argument.
ShortCut parseShortCut(std::string_view text);
// The text a menu shows for a short cut ("Ctrl+Shift+Del").
std::string shortCutText(const ShortCut& s);

class MenuItem {
public:
    // A top-level item of `menu` (a menu bar title, or an entry of a pop-up menu).
    MenuItem(Menu& menu, std::string name, std::string caption = {});
    // An entry of `parent`'s sub-menu.
    MenuItem(MenuItem& parent, std::string name, std::string caption = {});
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    // "&" marks the access key; "-" makes the item a separator line.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool isSeparator() const { return caption_ == "-"; }
    const ShortCut& shortCut() const { return shortCut_; }
    void setShortCut(const std::string& text);
    std::string shortCutText() const { return ui::shortCutText(shortCut_); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool checked() const { return checked_; }
    void setChecked(bool v);

    const std::vector<MenuItem*>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    MenuItem* item(int i) const { return i >= 0 && i < count() ? items_[static_cast<size_t>(i)] : nullptr; }
    // The item this one is in; null for a top-level item.
    MenuItem* parent() const;
    Menu* menu() const;
    MenuItem* find(const std::string& name);

    // The item was chosen (an item with a sub-menu: the sub-menu is opening).
    std::function<void()> onClick;

    // A user chooses the item (from the menu, or with its short cut). Nothing
    // happens when the item or one it is in is disabled or hidden.
    void userClick();
    // Whether a user could choose it now: it and every item it is in are
    // enabled and visible.
    bool usable() const;

    // Backend side: the item's command number, unique in the process (1 to 65535).
    int commandId() const { return id_; }
    static MenuItem* fromCommandId(int id);

private:
    friend class Menu;
    explicit MenuItem(Menu* root);  // a menu's invisible root
    void changed();

    std::string name_, caption_;
    ShortCut shortCut_;
    bool enabled_ = true, visible_ = true, checked_ = false;
    MenuItem* parent_ = nullptr;
    Menu* rootOf_ = nullptr;  // set on a menu's root only
    std::vector<MenuItem*> items_;
    int id_ = 0;
};

// How a backend shows a menu.
class MenuPeer {
public:
    virtual ~MenuPeer() = default;
    // Something in the menu changed (an item's text, state, or the items themselves).
    virtual void changed() = 0;
    // Shows a pop-up menu at screen coordinates, or at `at`'s client coordinates
    // when `at` is given; returns once the menu is closed.
    virtual void popup(Control* at, int x, int y) = 0;
};

class Menu {
public:
    Menu(Form& owner, std::string name);
    virtual ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& name() const { return name_; }
    // The form the menu belongs to (a pop-up menu's messages go to its window).
    Form* owner() const { return owner_; }
    const std::vector<MenuItem*>& items() const { return root_.items(); }
    int count() const { return root_.count(); }
    MenuItem* item(int i) const { return root_.item(i); }
    MenuItem* find(const std::string& name) { return root_.find(name); }
    // The usable item whose short cut this is, else null.
    MenuItem* findShortCut(int key, ShiftState s);

    virtual bool isPopup() const = 0;

    // Backend side.
    MenuItem& root() { return root_; }
    MenuPeer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<MenuPeer> p) { peer_ = std::move(p); }
    void detachPeer() { peer_.reset(); }
    // The menus that belong to a form.
    static std::vector<Menu*> menusOf(const Form& form);
    // A backend that shows menus makes their peers with this (it may decline,
    // returning null, for a form that is not its own).
    using PeerFactory = std::unique_ptr<MenuPeer> (*)(Menu& menu);
    static void setPeerFactory(PeerFactory factory);
    // Gives the menu a peer if its form has a window and the backend has one for it.
    void ensurePeer();

protected:
    friend class MenuItem;
    void itemsChanged();

private:
    std::string name_;
    Form* owner_;
    MenuItem root_;
    std::unique_ptr<MenuPeer> peer_;
};

// The menu bar of its owner form (one per form).
class MainMenu : public Menu {
public:
    MainMenu(Form& owner, std::string name);
    bool isPopup() const override { return false; }
    static MainMenu* of(const Form& form);
};

// A menu that pops up at a point: over a control on a right click (attachTo),
// from a drop-down tool button, or from code.
class PopupMenu : public Menu {
public:
    PopupMenu(Form& owner, std::string name);
    ~PopupMenu() override;
    bool isPopup() const override { return true; }

    // Fired before the menu shows (also before one of its short cuts is looked
    // up), so that its handler can enable the items for the moment.
    std::function<void()> onPopup;

    // Shows the menu at screen coordinates and returns once it is closed (a
    // chosen item's onClick runs after that, from the message queue).
    void popup(int screenX, int screenY);
    // The same at a point of a control (its client coordinates).
    void popupAt(Control& control, int x, int y);

    // A right click on `control` (or one inside it that has no menu of its own)
    // pops this menu up.
    void attachTo(Control& control);
    void detachFrom(Control& control);
    bool autoPopup() const { return autoPopup_; }
    void setAutoPopup(bool v) { autoPopup_ = v; }
    // The menu a right click on `control` shows: its own, else its nearest
    // parent's.
    static PopupMenu* menuFor(Control& control);

    // A user right-clicks `control` at (x, y) of its client area: the menu for it
    // pops up there. Returns the menu shown, or null.
    static PopupMenu* userContextMenu(Control& control, int x, int y);

private:
    void show(Control* at, int x, int y);
    std::vector<Control*> attached_;
    bool autoPopup_ = true;
};

}  // namespace sv::ui
