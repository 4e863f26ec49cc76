// The standard controls as a user works them: typing, choosing items, arrows.
#include "platform/ui/edits.h"
#include "support/headless_driver.h"

namespace sv::test {

void HeadlessDriver::typeText(ui::Control& c, const std::string& text) {
    if (!c.showingOnScreen()) return;
    if (auto* edit = dynamic_cast<ui::Edit*>(&c)) {
        edit->userType(text);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) {
        if (combo->style() != ui::ComboStyle::DropDown) ADD_FAILURE() << c.name() << ": a drop-down list takes no typing";
        combo->userType(text);
    } else {
        ADD_FAILURE() << "typeText: " << c.name() << " (" << c.kind() << ") takes no text";
    }
}

void HeadlessDriver::selectItem(ui::Control& c, int index) {
    if (!c.showingOnScreen()) return;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) {
        combo->userSelect(index);
    } else if (auto* list = dynamic_cast<ui::ListBox*>(&c)) {
        list->userSelect(index);
    } else {
        ADD_FAILURE() << "selectItem: " << c.name() << " (" << c.kind() << ") has no items";
    }
}

void HeadlessDriver::spin(ui::Control& c, bool up) {
    if (!c.showingOnScreen()) return;
    if (auto* ud = dynamic_cast<ui::UpDown*>(&c)) {
        ud->userSpin(up);
    } else if (auto* spinEdit = dynamic_cast<ui::SpinEdit*>(&c)) {
        spinEdit->userSpin(up);
    } else {
        ADD_FAILURE() << "spin: " << c.name() << " (" << c.kind() << ") has no arrows";
    }
}

}  // namespace sv::test
