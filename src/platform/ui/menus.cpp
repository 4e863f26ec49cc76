#include "platform/ui/menus.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <unordered_map>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace sv::ui {
namespace {

// Command numbers travel in the low word of WM_COMMAND, so they stay below
// 65536 and are reused once their item is gone.
class CommandIds {
public:
    int take(MenuItem* item) {
        int id;
        if (!free_.empty()) {
            id = free_.back();
            free_.pop_back();
        } else {
            if (next_ > 0xFFFF) throw std::length_error("Too many menu items.");
            id = next_++;
        }
        items_[id] = item;
        return id;
    }
    void give(int id) {
        items_.erase(id);
        free_.push_back(id);
    }
    MenuItem* find(int id) const {
        auto it = items_.find(id);
        return it == items_.end() ? nullptr : it->second;
    }

private:
    int next_ = 0x2000;  // clear of the numbers dialogs give their buttons
    std::vector<int> free_;
    std::unordered_map<int, MenuItem*> items_;
};

CommandIds& commandIds() {
    static CommandIds ids;
    return ids;
}

std::vector<Menu*>& allMenus() {
    static std::vector<Menu*> menus;
    return menus;
}

Menu::PeerFactory g_peerFactory = nullptr;

struct KeyName {
    const char* name;
    int key;
};
// The first name of a key is the one menus show.
constexpr KeyName kKeyNames[] = {
    {"Del", key::Delete},   {"Delete", key::Delete}, {"Ins", key::Insert},      {"Insert", key::Insert},
    {"Enter", key::Return}, {"Return", key::Return}, {"Esc", key::Escape},      {"Escape", key::Escape},
    {"Tab", key::Tab},      {"Space", key::Space},   {"BkSp", key::Back},       {"Backspace", key::Back},
    {"Home", key::Home},    {"End", key::End},       {"PgUp", key::PageUp},     {"PageUp", key::PageUp},
    {"PgDn", key::PageDown}, {"PageDown", key::PageDown}, {"Up", key::Up},      {"Down", key::Down},
    {"Left", key::Left},    {"Right", key::Right},
};

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

int keyFromName(std::string_view name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
        int n = 0;
        for (char c : name.substr(1)) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
            n = n * 10 + (c - '0');
        }
        return n >= 1 && n <= 12 ? key::F1 + n - 1 : 0;
    }
    for (const auto& k : kKeyNames)
        if (sameText(name, k.name)) return k.key;
    return 0;
}

// Menu short cuts come before anything else a key does: the pop-up menus of the
// control with the focus and of the controls it is in, then the form's menu bar.
bool takeShortCut(Control& target, int key, ShiftState s) {
    PopupMenu* seen = nullptr;
    for (Control* c = &target; c; c = c->parent()) {
        PopupMenu* menu = PopupMenu::menuFor(*c);
        if (!menu || menu == seen) continue;
        seen = menu;
        bool has = false;
        std::function<void(MenuItem&)> scan = [&](MenuItem& i) {
            for (MenuItem* sub : i.items()) {
                if (sub->shortCut().matches(key, s)) has = true;
                scan(*sub);
            }
        };
        scan(menu->root());
        if (!has) continue;
        // Its items are enabled for the moment when it opens; its keys follow
        // the same rules.
        if (menu->onPopup) application().dispatch(menu->onPopup);
        if (MenuItem* item = menu->findShortCut(key, s)) {
            item->userClick();
            return true;
        }
    }
    Form* f = target.form();
    if (MainMenu* bar = f ? MainMenu::of(*f) : nullptr) {
        if (MenuItem* item = bar->findShortCut(key, s)) {
            item->userClick();
            return true;
        }
    }
    return false;
}

}  // namespace

// --- short cuts ------------------------------------------------------------------

ShortCut parseShortCut(std::string_view text) {
    ShortCut out;
    if (text.empty()) return out;
    std::string_view rest = text;
    for (;;) {
        const auto plus = rest.find('+', 1);  // "Ctrl++" would name the plus key
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = rest.substr(0, plus);
        if (sameText(modifier, "Ctrl")) out.shift.ctrl = true;
        else if (sameText(modifier, "Shift")) out.shift.shift = true;
        else if (sameText(modifier, "Alt")) out.shift.alt = true;
        else throw std::invalid_argument("Unknown short cut: " + std::string(text));
        rest = rest.substr(plus + 1);
    }
    out.key = keyFromName(rest);
    if (!out.key) throw std::invalid_argument("Unknown short cut: " + std::string(text));
    return out;
}

std::string shortCutText(const ShortCut& s) {
    if (s.empty()) return {};
    std::string text;
    if (s.shift.ctrl) text += "Ctrl+";
    if (s.shift.shift) text += "Shift+";
    if (s.shift.alt) text += "Alt+";
    if ((s.key >= 'A' && s.key <= 'Z') || (s.key >= '0' && s.key <= '9')) return text + static_cast<char>(s.key);
    if (s.key >= key::F1 && s.key < key::F1 + 12) return text + "F" + std::to_string(s.key - key::F1 + 1);
    for (const auto& k : kKeyNames)
        if (k.key == s.key) return text + k.name;
    return text + "?";
}

// --- MenuItem ---------------------------------------------------------------------

MenuItem::MenuItem(Menu* root) : rootOf_(root) {}

MenuItem::MenuItem(Menu& menu, std::string name, std::string caption) : MenuItem(menu.root(), std::move(name), std::move(caption)) {}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)), parent_(&parent) {
    id_ = commandIds().take(this);
    parent.items_.push_back(this);
    parent.changed();
}

MenuItem::~MenuItem() {
    if (id_) commandIds().give(id_);
    for (MenuItem* sub : items_) sub->parent_ = nullptr;
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->changed();
    }
}

MenuItem* MenuItem::fromCommandId(int id) { return commandIds().find(id); }

MenuItem* MenuItem::parent() const { return parent_ && !parent_->rootOf_ ? parent_ : nullptr; }

Menu* MenuItem::menu() const {
    const MenuItem* i = this;
    while (i->parent_) i = i->parent_;
    return i->rootOf_;
}

MenuItem* MenuItem::find(const std::string& name) {
    for (MenuItem* sub : items_) {
        if (sub->name() == name) return sub;
        if (MenuItem* found = sub->find(name)) return found;
    }
    return nullptr;
}

void MenuItem::changed() {
    if (Menu* m = menu()) m->itemsChanged();
}

void MenuItem::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    changed();
}

void MenuItem::setShortCut(const std::string& text) {
    shortCut_ = parseShortCut(text);
    changed();
}

void MenuItem::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    changed();
}

void MenuItem::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    changed();
}

void MenuItem::setChecked(bool v) {
    if (checked_ == v) return;
    checked_ = v;
    changed();
}

bool MenuItem::usable() const {
    if (!menu()) return false;
    for (const MenuItem* i = this; i && !i->rootOf_; i = i->parent_)
        if (!i->enabled_ || !i->visible_ || i->isSeparator()) return false;
    return true;
}

void MenuItem::userClick() {
    if (!usable()) return;
    if (onClick) application().dispatch(onClick);
}

// --- Menu -------------------------------------------------------------------------

Menu::Menu(Form& owner, std::string name) : name_(std::move(name)), owner_(&owner), root_(this) {
    allMenus().push_back(this);
    static const bool installed = (installShortCutHandler(takeShortCut), true);
    (void)installed;
    ensurePeer();
}

Menu::~Menu() {
    peer_.reset();
    // The items may outlive the menu (declared after it); they forget it.
    for (MenuItem* item : root_.items_) item->parent_ = nullptr;
    root_.items_.clear();
    allMenus().erase(std::remove(allMenus().begin(), allMenus().end(), this), allMenus().end());
}

void Menu::itemsChanged() {
    if (peer_) peer_->changed();
}

MenuItem* Menu::findShortCut(int key, ShiftState s) {
    MenuItem* found = nullptr;
    std::function<void(MenuItem&)> scan = [&](MenuItem& i) {
        for (MenuItem* sub : i.items()) {
            if (found) return;
            if (sub->shortCut().matches(key, s) && sub->usable()) found = sub;
            else scan(*sub);
        }
    };
    scan(root_);
    return found;
}

std::vector<Menu*> Menu::menusOf(const Form& form) {
    std::vector<Menu*> out;
    for (Menu* m : allMenus())
        if (m->owner_ == &form) out.push_back(m);
    return out;
}

void Menu::setPeerFactory(PeerFactory factory) { g_peerFactory = factory; }

void Menu::ensurePeer() {
    if (peer_ || !g_peerFactory || !owner_ || !owner_->hasHandle()) return;
    peer_ = g_peerFactory(*this);
}

// --- MainMenu ---------------------------------------------------------------------

MainMenu::MainMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}

MainMenu* MainMenu::of(const Form& form) {
    for (Menu* m : allMenus())
        if (m->owner() == &form && !m->isPopup()) return static_cast<MainMenu*>(m);
    return nullptr;
}

// --- PopupMenu --------------------------------------------------------------------

PopupMenu::PopupMenu(Form& owner, std::string name) : Menu(owner, std::move(name)) {}

PopupMenu::~PopupMenu() = default;

void PopupMenu::show(Control* at, int x, int y) {
    if (onPopup) application().dispatch(onPopup);
    ensurePeer();
    if (MenuPeer* p = peer()) p->popup(at, x, y);
}

void PopupMenu::popup(int screenX, int screenY) { show(nullptr, screenX, screenY); }

void PopupMenu::popupAt(Control& control, int x, int y) { show(&control, x, y); }

void PopupMenu::attachTo(Control& control) {
    for (Menu* m : allMenus())
        if (auto* p = dynamic_cast<PopupMenu*>(m); p && p != this) p->detachFrom(control);
    if (std::find(attached_.begin(), attached_.end(), &control) == attached_.end()) attached_.push_back(&control);
}

void PopupMenu::detachFrom(Control& control) {
    attached_.erase(std::remove(attached_.begin(), attached_.end(), &control), attached_.end());
}

PopupMenu* PopupMenu::menuFor(Control& control) {
    for (Control* c = &control; c; c = c->parent()) {
        for (Menu* m : allMenus()) {
            auto* p = dynamic_cast<PopupMenu*>(m);
            if (p && std::find(p->attached_.begin(), p->attached_.end(), c) != p->attached_.end()) return p;
        }
    }
    return nullptr;
}

PopupMenu* PopupMenu::userContextMenu(Control& control, int x, int y) {
    PopupMenu* menu = menuFor(control);
    if (!menu || !menu->autoPopup() || !control.enabled() || !control.showingOnScreen()) return nullptr;
    menu->popupAt(control, x, y);
    return menu;
}

}  // namespace sv::ui
