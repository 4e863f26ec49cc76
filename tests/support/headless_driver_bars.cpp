// PLACEHOLDER: the bars family replaces these with real user actions.
#include "support/headless_driver.h"

namespace sv::test {

void HeadlessDriver::selectTab(ui::PageControl& pc, int index) { ADD_FAILURE() << "selectTab: not available yet"; }
void HeadlessDriver::clickToolButton(ui::ToolBar& tb, int index) { ADD_FAILURE() << "clickToolButton: not available yet"; }
void HeadlessDriver::chooseMenuItem(ui::MenuItem& item) { ADD_FAILURE() << "chooseMenuItem: not available yet"; }
void HeadlessDriver::choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) { ADD_FAILURE() << "choosePopupItem: not available yet"; }

}  // namespace sv::test
