// Form storage: keeps chosen properties of a form's controls, and optionally the
// form's placement, in the registry between runs.
//
// Values are INI-style texts (REG_SZ) under HKEY_CURRENT_USER\<key>\<section>,
// one per property, named component_Property: "cbConfirm_Checked" = "1",
// "meDays_Text" = "14", "UpDown2_Position" = "3", "Panel24_Width" = "120".
// The placement is stored as the form's own properties:
//     <form>_Left, <form>_Top         position (Placement::Position and up)
//     <form>_Width, <form>_Height     size of the client area (PositionAndSize and up)
//     <form>_WindowState              "0" normal, "1" minimized, "2" maximized (Full)
//
// Restoring happens before the form's onShow (through Form::beforeShow), or
// earlier when the window calls restore() itself, once per showing. Saving
// happens after the form closes (Form::afterClose), or when the storage is
// destroyed while its form is still showing. A missing value, or one that does
// not parse, leaves its control as designed.
//
// The getters and setters reach the controls: declare the storage after the
// controls it lists (so that it goes first when the form is destroyed).
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sv::ui {

class Control;
class Form;

enum class Placement { None, Position, PositionAndSize, Full };

template <class T>
concept HasChecked = requires(T& c, bool b) {
    { c.checked() } -> std::convertible_to<bool>;
    c.setChecked(b);
};
template <class T>
concept HasText = requires(T& c, const std::string& s) {
    { c.text() } -> std::convertible_to<std::string>;
    c.setText(s);
};
template <class T>
concept HasPosition = requires(T& c, int i) {
    { c.position() } -> std::convertible_to<int>;
    c.setPosition(i);
};
template <class T>
concept HasValue = requires(T& c, int i) {
    { c.value() } -> std::convertible_to<int>;
    c.setValue(i);
};

class FormStorage {
public:
    // `key` is a path below HKEY_CURRENT_USER; `section` a sub-key of it ("" = the key).
    FormStorage(Form& form, std::string key, std::string section, Placement placement = Placement::None);
    ~FormStorage();
    FormStorage(const FormStorage&) = delete;
    FormStorage& operator=(const FormStorage&) = delete;

    // The core: any property as text. `set` gets the stored text only when there
    // is one; it may ignore a text it cannot use (an exception it throws is
    // taken the same way).
    void add(std::string componentProperty, std::function<std::string()> get,
             std::function<void(const std::string&)> set);

    // The usual ones, named after the control: "<name>_Checked" and so on.
    template <HasChecked T>
    void addChecked(T& c) {
        addBool(nameOf(c, "Checked"), [&c] { return static_cast<bool>(c.checked()); }, [&c](bool v) { c.setChecked(v); });
    }
    template <HasText T>
    void addText(T& c) {
        add(nameOf(c, "Text"), [&c] { return std::string(c.text()); }, [&c](const std::string& v) { c.setText(v); });
    }
    template <HasPosition T>
    void addPosition(T& c) {
        addInt(nameOf(c, "Position"), [&c] { return static_cast<int>(c.position()); }, [&c](int v) { c.setPosition(v); });
    }
    template <HasValue T>
    void addValue(T& c) {
        addInt(nameOf(c, "Value"), [&c] { return static_cast<int>(c.value()); }, [&c](int v) { c.setValue(v); });
    }
    void addWidth(Control& c);

    // Puts the stored values into the controls (and the placement into the form).
    void restore();
    // Writes every listed property (and the placement) to the registry.
    void save();

    const std::string& key() const { return key_; }
    const std::string& section() const { return section_; }

private:
    struct Item {
        std::string name;
        std::function<std::optional<std::string>()> get;  // nullopt: leave the stored value
        std::function<void(const std::string&)> set;
    };
    static std::string nameOf(const Control& c, const char* property);
    void addBool(std::string name, std::function<bool()> get, std::function<void(bool)> set);
    void addInt(std::string name, std::function<int()> get, std::function<void(int)> set);
    void placementItems();

    Form& form_;
    std::string key_, section_;
    Placement placement_;
    std::vector<Item> items_;
    bool restoredThisShowing_ = false;
    bool showing_ = false;  // shown and not closed since
    // The form's hooks hold a weak reference, so a storage that goes before its
    // form leaves hooks that do nothing.
    std::shared_ptr<FormStorage*> self_;
};

}  // namespace sv::ui
