// Acts as the user on real windows (Win32, through real messages) or on the
// headless backend (through the controls' user* entry points), so that the
// same window-behaviour case runs on both and the headless backend cannot
// drift from Win32.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/machine.h"
#include "platform/sim/sim_machine.h"
#include "platform/types.h"
#include "platform/ui/application.h"
#include "platform/ui/events.h"

namespace sv::ui {
class Control;
class Form;
class ListView;
class PageControl;
class ToolBar;
class MenuItem;
class PopupMenu;
}  // namespace sv::ui

namespace sv::test {

class UiDriver {
public:
    virtual ~UiDriver() = default;
    virtual std::string name() const = 0;
    virtual void processMessages() = 0;

    // --- every control ---
    // A left click in the middle of the control (a button press, a check box
    // toggle, a radio choice, a label or picture click).
    virtual void click(ui::Control& c) = 0;
    virtual void doubleClick(ui::Control& c) = 0;
    virtual void mouseMove(ui::Control& c, int x, int y) = 0;
    virtual void mouseDown(ui::Control& c, int x, int y, ui::MouseButton b = ui::MouseButton::Left) = 0;
    virtual void mouseUp(ui::Control& c, int x, int y, ui::MouseButton b = ui::MouseButton::Left) = 0;
    // A key pressed while the control has the focus.
    virtual void pressKey(ui::Control& c, int virtualKey) = 0;
    // The next form shown modally meets `script` as its user (inside its modal
    // loop); the form is closed afterwards if the script left it open.
    virtual void expectModal(std::function<void(ui::Form&)> script) = 0;
    template <class T>
    void expectModalOf(std::function<void(T&)> script) {
        expectModal([script](ui::Form& f) {
            T* form = dynamic_cast<T*>(&f);
            ASSERT_NE(form, nullptr) << "another modal form came: " << f.name();
            script(*form);
        });
    }

    // --- text and choice controls ---
    // Replaces the control's text as a user typing it would (edits, spin edits,
    // masked edits, combo boxes).
    virtual void typeText(ui::Control& c, const std::string& text) = 0;
    // Picks an item of a combo box or list box.
    virtual void selectItem(ui::Control& c, int index) = 0;
    // The up or down arrow of an up-down or spin edit.
    virtual void spin(ui::Control& c, bool up) = 0;
    virtual void setDate(ui::Control& picker, const SystemTime& value) = 0;

    // --- list views ---
    virtual void checkRow(ui::ListView& lv, int row, bool checked) = 0;
    // Selects a row; with `extend` (Ctrl) adds it to the selection.
    virtual void selectRow(ui::ListView& lv, int row, bool extend = false) = 0;
    virtual void doubleClickRow(ui::ListView& lv, int row) = 0;
    virtual void clickColumn(ui::ListView& lv, int column) = 0;
    virtual void editCaption(ui::ListView& lv, int row, const std::string& text) = 0;

    // --- pages, bars and menus ---
    virtual void selectTab(ui::PageControl& pc, int index) = 0;
    virtual void clickToolButton(ui::ToolBar& tb, int index) = 0;
    virtual void chooseMenuItem(ui::MenuItem& item) = 0;
    // Opens a pop-up menu over a control as a right click would, then chooses an item.
    virtual void choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) = 0;
};

struct DriverBackend {
    std::string name;
    std::function<std::unique_ptr<UiDriver>()> make;
};

std::unique_ptr<UiDriver> makeHeadlessDriver();  // tests/support/headless_driver*.cpp
#ifdef _WIN32
std::unique_ptr<UiDriver> makeWin32Driver();  // tests/support/win32/win32_driver*.cpp
#define SV_UI_BACKENDS                                                              \
    ::testing::Values(::sv::test::DriverBackend{"headless", ::sv::test::makeHeadlessDriver}, \
                      ::sv::test::DriverBackend{"win32", ::sv::test::makeWin32Driver})
#else
#define SV_UI_BACKENDS ::testing::Values(::sv::test::DriverBackend{"headless", ::sv::test::makeHeadlessDriver})
#endif

// A window-behaviour case on a fresh simulated machine, run once per backend.
class UiConformance : public ::testing::TestWithParam<DriverBackend> {
protected:
    void SetUp() override;
    void TearDown() override;
    UiDriver& ui() { return *driver_; }

    sim::SimMachine m;
    MachineGuard guard{m};

private:
    std::unique_ptr<UiDriver> driver_;
};

// What a list view's window shows, so that a case can check the screen and not
// only the control (headless: the control's own state). A row reads
// "*[x] caption | sub-item | ...": "*" when selected, "[x]" or "[ ]" for its
// check box when the list shows check boxes. Defined with the list-view actions.
std::string shownListRow(UiDriver& ui, ui::ListView& lv, int row);
int shownListRowCount(UiDriver& ui, ui::ListView& lv);
// "caption:width:L|R|C" for each column, joined by " | ".
std::string shownListColumns(UiDriver& ui, ui::ListView& lv);

#define SV_UI_SUITE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite, SV_UI_BACKENDS, [](const auto& info) { return info.param.name; })

}  // namespace sv::test
