// PLACEHOLDER: the bars family replaces these with real user actions.
#include "support/win32/win32_driver.h"

namespace sv::test {

void Win32Driver::selectTab(ui::PageControl& pc, int index) { ADD_FAILURE() << "selectTab: not available yet"; }
void Win32Driver::clickToolButton(ui::ToolBar& tb, int index) { ADD_FAILURE() << "clickToolButton: not available yet"; }
void Win32Driver::chooseMenuItem(ui::MenuItem& item) { ADD_FAILURE() << "chooseMenuItem: not available yet"; }
void Win32Driver::choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) { ADD_FAILURE() << "choosePopupItem: not available yet"; }

}  // namespace sv::test
