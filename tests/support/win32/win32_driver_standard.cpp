// PLACEHOLDER: the standard family replaces these with real user actions.
#include "support/win32/win32_driver.h"

namespace sv::test {

void Win32Driver::typeText(ui::Control& c, const std::string& text) { ADD_FAILURE() << "typeText: not available yet"; }
void Win32Driver::selectItem(ui::Control& c, int index) { ADD_FAILURE() << "selectItem: not available yet"; }
void Win32Driver::spin(ui::Control& c, bool up) { ADD_FAILURE() << "spin: not available yet"; }
void Win32Driver::setDate(ui::Control& picker, const SystemTime& value) { ADD_FAILURE() << "setDate: not available yet"; }

}  // namespace sv::test
