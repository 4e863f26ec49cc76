// PLACEHOLDER: the listview family replaces these with real user actions.
#include "support/win32/win32_driver.h"

namespace sv::test {

void Win32Driver::checkRow(ui::ListView& lv, int row, bool checked) { ADD_FAILURE() << "checkRow: not available yet"; }
void Win32Driver::selectRow(ui::ListView& lv, int row, bool extend) { ADD_FAILURE() << "selectRow: not available yet"; }
void Win32Driver::doubleClickRow(ui::ListView& lv, int row) { ADD_FAILURE() << "doubleClickRow: not available yet"; }
void Win32Driver::clickColumn(ui::ListView& lv, int column) { ADD_FAILURE() << "clickColumn: not available yet"; }
void Win32Driver::editCaption(ui::ListView& lv, int row, const std::string& text) { ADD_FAILURE() << "editCaption: not available yet"; }

}  // namespace sv::test
