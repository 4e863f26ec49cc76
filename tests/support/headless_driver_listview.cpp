// List-view actions on the headless backend: the list view's user* entry
// points, in the order the Win32 window reports the same action.
#include <algorithm>

#include "platform/ui/listview.h"
#include "support/headless_driver.h"

namespace sv::test {

#ifdef _WIN32
// tests/support/win32/win32_driver_listview.cpp
std::string win32ShownListRow(ui::ListView& lv, int row);
int win32ShownListRowCount(ui::ListView& lv);
std::string win32ShownListColumns(ui::ListView& lv);
#endif

namespace {

bool reachable(ui::ListView& lv) { return lv.enabled() && lv.showingOnScreen(); }

// The middle of a row's caption, as the headless geometry places it.
int rowY(ui::ListView& lv, int row) {
    return (lv.showColumnHeaders() && lv.viewStyle() == ui::ViewStyle::Report ? 16 : 0) + row * 14 + 7;
}

char alignmentLetter(ui::Alignment a) {
    return a == ui::Alignment::Right ? 'R' : a == ui::Alignment::Center ? 'C' : 'L';
}

}  // namespace

void HeadlessDriver::checkRow(ui::ListView& lv, int row, bool checked) {
    if (!reachable(lv) || !lv.checkBoxes()) return;
    lv.userCheckRow(row, checked);
}

void HeadlessDriver::selectRow(ui::ListView& lv, int row, bool extend) {
    if (!reachable(lv)) return;
    ui::ShiftState s;
    s.ctrl = extend;
    const int x = 30, y = rowY(lv, row);
    // The window selects on the button's press and reports the click on release.
    lv.userSelect(row, s);
    lv.userMouseDown(ui::MouseButton::Left, s, x, y);
    lv.click();
    lv.userMouseUp(ui::MouseButton::Left, s, x, y);
}

void HeadlessDriver::doubleClickRow(ui::ListView& lv, int row) {
    if (!reachable(lv)) return;
    selectRow(lv, row, false);
    lv.userDblClick();
}

void HeadlessDriver::clickColumn(ui::ListView& lv, int column) {
    if (!reachable(lv) || !lv.showColumnHeaders() || lv.viewStyle() != ui::ViewStyle::Report) return;
    lv.userClickColumn(column);
}

void HeadlessDriver::editCaption(ui::ListView& lv, int row, const std::string& text) {
    if (!reachable(lv)) return;
    // The user picks the row first, then starts the edit on it.
    if (lv.selCount() != 1 || !lv.row(row).selected) selectRow(lv, row, false);
    if (lv.userBeginEdit(row)) lv.userEndEdit(text);
}

// --- what the list shows ---------------------------------------------------------------

std::string shownListRow(UiDriver& ui, ui::ListView& lv, int row) {
#ifdef _WIN32
    if (ui.name() == "win32") return win32ShownListRow(lv, row);
#endif
    const ui::ListRow& r = lv.row(row);
    std::string out = r.selected ? "*" : "";
    if (lv.checkBoxes()) out += r.checked ? "[x] " : "[ ] ";
    const int columns = std::max(1, lv.viewStyle() == ui::ViewStyle::Report ? lv.columnCount() : 1);
    for (int c = 0; c < columns; ++c) out += (c ? " | " : "") + r.text(c);
    return out;
}

int shownListRowCount(UiDriver& ui, ui::ListView& lv) {
#ifdef _WIN32
    if (ui.name() == "win32") return win32ShownListRowCount(lv);
#endif
    return lv.rowCount();
}

std::string shownListColumns(UiDriver& ui, ui::ListView& lv) {
#ifdef _WIN32
    if (ui.name() == "win32") return win32ShownListColumns(lv);
#endif
    std::string out;
    for (int c = 0; c < lv.columnCount(); ++c) {
        const ui::ListColumn& col = lv.column(c);
        out += (c ? " | " : "") + col.caption + ":" + std::to_string(col.width) + ":" + alignmentLetter(col.alignment);
    }
    return out;
}

}  // namespace sv::test
