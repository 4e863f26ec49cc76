#include "platform/ui/formstorage.h"

#include <exception>

#include "common/regaccess.h"
#include "platform/machine.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace sv::ui {
namespace {

std::optional<std::string> storedText(const RegValue& v) {
    if (v.isText()) return v.data;
    // A number written in the typed style still reads back, as the INI style does.
    if (v.type == RegType::Dword) return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(v.number())));
    return std::nullopt;
}

}  // namespace

FormStorage::FormStorage(Form& form, std::string key, std::string section, Placement placement)
    : form_(form), key_(std::move(key)), section_(std::move(section)), placement_(placement),
      self_(std::make_shared<FormStorage*>(this)) {
    std::weak_ptr<FormStorage*> self = self_;
    form_.beforeShow.push_back([self] {
        if (auto s = self.lock()) {
            if (!(*s)->restoredThisShowing_) (*s)->restore();
            (*s)->showing_ = true;
        }
    });
    form_.afterClose.push_back([self] {
        if (auto s = self.lock()) (*s)->save();
    });
    placementItems();
}

FormStorage::~FormStorage() {
    if (!showing_) return;
    try {
        save();
    } catch (...) {
        // The form is going away; a failed save must not stop that.
    }
}

std::string FormStorage::nameOf(const Control& c, const char* property) { return c.name() + "_" + property; }

void FormStorage::add(std::string componentProperty, std::function<std::string()> get,
                      std::function<void(const std::string&)> set) {
    items_.push_back({std::move(componentProperty),
                      [get = std::move(get)]() -> std::optional<std::string> { return get(); }, std::move(set)});
}

void FormStorage::addBool(std::string name, std::function<bool()> get, std::function<void(bool)> set) {
    add(std::move(name), [get = std::move(get)] { return std::string(get() ? "1" : "0"); },
        [set = std::move(set)](const std::string& text) {
            if (auto n = parseIniInteger(text)) set(*n != 0);
        });
}

void FormStorage::addInt(std::string name, std::function<int()> get, std::function<void(int)> set) {
    add(std::move(name), [get = std::move(get)] { return std::to_string(get()); },
        [set = std::move(set)](const std::string& text) {
            if (auto n = parseIniInteger(text)) set(*n);
        });
}

void FormStorage::addWidth(Control& c) {
    addInt(nameOf(c, "Width"), [&c] { return c.width(); }, [&c](int v) { c.setWidth(v); });
}

void FormStorage::placementItems() {
    if (placement_ == Placement::None) return;
    Form& f = form_;
    // A maximized or minimized window's bounds are not where it goes back to:
    // only its state is written then, and the normal bounds stay as last saved.
    auto bounds = [&f](int (Control::*read)() const, void (Control::*write)(int)) {
        return std::pair{[&f, read]() -> std::optional<std::string> {
                             if (f.windowState() != WindowState::Normal) return std::nullopt;
                             return std::to_string((f.*read)());
                         },
                         [&f, write](const std::string& text) {
                             if (auto n = parseIniInteger(text)) (f.*write)(*n);
                         }};
    };
    auto addBounds = [&](const char* property, int (Control::*read)() const, void (Control::*write)(int)) {
        auto [get, set] = bounds(read, write);
        items_.push_back({nameOf(f, property), get, set});
    };
    addBounds("Left", &Control::left, &Control::setLeft);
    addBounds("Top", &Control::top, &Control::setTop);
    if (placement_ == Placement::Position) return;
    addBounds("Width", &Control::width, &Control::setWidth);
    addBounds("Height", &Control::height, &Control::setHeight);
    if (placement_ == Placement::PositionAndSize) return;
    items_.push_back({nameOf(f, "WindowState"),
                      [&f]() -> std::optional<std::string> { return std::to_string(static_cast<int>(f.windowState())); },
                      [&f](const std::string& text) {
                          // A window that comes back minimized looks as if it never opened.
                          if (auto n = parseIniInteger(text); n && *n == static_cast<int>(WindowState::Maximized))
                              f.setWindowState(WindowState::Maximized);
                          else if (n && *n >= 0 && *n <= 2) f.setWindowState(WindowState::Normal);
                      }});
}

void FormStorage::restore() {
    restoredThisShowing_ = true;
    std::string path = normalizeKeyPath(key_);
    if (!section_.empty()) path += "\\" + section_;
    // Opened for reading only: restoring never creates a key.
    auto key = machine().registry().openKey(RegRoot::CurrentUser, path, false, false);
    if (!key) return;
    for (const Item& item : items_) {
        auto value = key->readValue(item.name);
        auto text = value ? storedText(*value) : std::nullopt;
        if (!text) continue;
        try {
            item.set(*text);
        } catch (const std::exception&) {
            // A stored text the control cannot take leaves it as designed; the
            // rest of the window is still restored.
        }
    }
}

void FormStorage::save() {
    IniRegistry ini(RegRoot::CurrentUser, key_);
    for (const Item& item : items_) {
        if (auto text = item.get()) ini.writeString(section_, item.name, *text);
    }
    showing_ = false;
    restoredThisShowing_ = false;
}

}  // namespace sv::ui
