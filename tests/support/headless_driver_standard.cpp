// PLACEHOLDER: the standard family replaces these with real user actions.
#include "support/headless_driver.h"

namespace sv::test {

void HeadlessDriver::typeText(ui::Control& c, const std::string& text) { ADD_FAILURE() << "typeText: not available yet"; }
void HeadlessDriver::selectItem(ui::Control& c, int index) { ADD_FAILURE() << "selectItem: not available yet"; }
void HeadlessDriver::spin(ui::Control& c, bool up) { ADD_FAILURE() << "spin: not available yet"; }
void HeadlessDriver::setDate(ui::Control& picker, const SystemTime& value) { ADD_FAILURE() << "setDate: not available yet"; }

}  // namespace sv::test
