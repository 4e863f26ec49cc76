// List-view actions on real windows: the mouse and keyboard messages a user's
// action produces, sent where the user's pointer or keys would send them.
#include <windows.h>
#include <commctrl.h>

#include "platform/ui/listview.h"
#include "platform/win32/text.h"
#include "support/win32/win32_driver.h"

namespace sv::test {
namespace {

HWND listHandle(ui::ListView& lv) {
    HWND h = Win32Driver::handle(lv);
    EXPECT_NE(h, nullptr) << lv.name() << " has no window";
    return h;
}

RECT rowRect(HWND h, int row, int part) {
    RECT r{};
    r.left = part;
    SendMessageW(h, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
}

// Holds Ctrl down for the thread while a click is handled, as the keyboard would.
class CtrlHeld {
public:
    explicit CtrlHeld(bool on) : on_(on) {
        if (!on_) return;
        GetKeyboardState(saved_);
        BYTE keys[256];
        memcpy(keys, saved_, sizeof keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        SetKeyboardState(keys);
    }
    ~CtrlHeld() {
        if (on_) SetKeyboardState(saved_);
    }

private:
    bool on_;
    BYTE saved_[256]{};
};

void leftClick(HWND h, int x, int y, WPARAM keys) {
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    const LPARAM at = MAKELPARAM(x, y);
    SendMessageW(h, WM_MOUSEMOVE, keys, at);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageW(h, WM_LBUTTONUP, keys, at);
}

// The point on a row where its check box is, found as the window's own hit test finds it.
bool checkBoxPoint(HWND h, int row, POINT& at) {
    const RECT bounds = rowRect(h, row, LVIR_BOUNDS);
    const int y = (bounds.top + bounds.bottom) / 2;
    for (int x = bounds.left; x < bounds.left + 48; ++x) {
        LVHITTESTINFO hit{};
        hit.pt = {x, y};
        if (SendMessageW(h, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
            at = {x + 2, y};
            return true;
        }
    }
    return false;
}

}  // namespace

void Win32Driver::checkRow(ui::ListView& lv, int row, bool checked) {
    HWND h = listHandle(lv);
    if (!h) return;
    SendMessageW(h, LVM_ENSUREVISIBLE, row, FALSE);
    // A user clicks the box only when it does not show what they want.
    const UINT shown = static_cast<UINT>(SendMessageW(h, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    if ((shown >> 12 == 2) == checked) return;
    POINT at{};
    ASSERT_TRUE(checkBoxPoint(h, row, at)) << "row " << row << " of " << lv.name() << " shows no check box";
    leftClick(h, at.x, at.y, 0);
    processMessages();
}

void Win32Driver::selectRow(ui::ListView& lv, int row, bool extend) {
    HWND h = listHandle(lv);
    if (!h) return;
    SendMessageW(h, LVM_ENSUREVISIBLE, row, FALSE);
    const RECT label = rowRect(h, row, LVIR_LABEL);
    {
        CtrlHeld ctrl(extend);
        leftClick(h, (label.left + label.right) / 2, (label.top + label.bottom) / 2, extend ? MK_CONTROL : 0);
    }
    processMessages();
}

void Win32Driver::doubleClickRow(ui::ListView& lv, int row) {
    HWND h = listHandle(lv);
    if (!h) return;
    selectRow(lv, row, false);
    const RECT label = rowRect(h, row, LVIR_LABEL);
    const LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    processMessages();
}

void Win32Driver::clickColumn(ui::ListView& lv, int column) {
    HWND h = listHandle(lv);
    if (!h) return;
    HWND header = reinterpret_cast<HWND>(SendMessageW(h, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr) << lv.name() << " has no column headers";
    RECT r{};
    ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r))) << "no column " << column;
    leftClick(header, (r.left + r.right) / 2, (r.top + r.bottom) / 2, 0);
    processMessages();
}

void Win32Driver::editCaption(ui::ListView& lv, int row, const std::string& text) {
    HWND h = listHandle(lv);
    if (!h) return;
    // The user picks the row first (a click on a row already picked would
    // start an edit of its own), then starts the edit on it.
    if (lv.selCount() != 1 || !lv.row(row).selected) selectRow(lv, row, false);
    SetFocus(h);
    // What a slow second click on a selected row (or F2) opens.
    HWND edit = reinterpret_cast<HWND>(SendMessageW(h, LVM_EDITLABELW, row, 0));
    processMessages();
    if (!edit) return;  // refused: a read-only list, or the program said no
    SetWindowTextW(edit, win32::widen(text).c_str());
    // Enter through the message queue, where the form's key handling would see it.
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    processMessages();
}

// --- what the window shows --------------------------------------------------------------

std::string win32ShownListRow(ui::ListView& lv, int row) {
    HWND h = Win32Driver::handle(lv);
    if (!h) return "(no window)";
    const UINT state = static_cast<UINT>(SendMessageW(h, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_STATEIMAGEMASK));
    std::string out = (state & LVIS_SELECTED) ? "*" : "";
    const UINT box = (state & LVIS_STATEIMAGEMASK) >> 12;
    if (box == 2) out += "[x] ";
    else if (box == 1) out += "[ ] ";
    const int columns = (GetWindowLongW(h, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT
                            ? std::max(1, static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(h, LVM_GETHEADER, 0, 0)),
                                                                        HDM_GETITEMCOUNT, 0, 0)))
                            : 1;
    for (int c = 0; c < columns; ++c) {
        wchar_t buffer[1024] = L"";
        LVITEMW item{};
        item.iSubItem = c;
        item.pszText = buffer;
        item.cchTextMax = 1024;
        SendMessageW(h, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        out += (c ? " | " : "") + win32::narrowZ(buffer);
    }
    return out;
}

int win32ShownListRowCount(ui::ListView& lv) {
    HWND h = Win32Driver::handle(lv);
    return h ? static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

std::string win32ShownListColumns(ui::ListView& lv) {
    HWND h = Win32Driver::handle(lv);
    if (!h) return "(no window)";
    std::string out;
    for (int c = 0;; ++c) {
        wchar_t buffer[256] = L"";
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.pszText = buffer;
        col.cchTextMax = 256;
        if (!SendMessageW(h, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(&col))) break;
        const int format = col.fmt & LVCFMT_JUSTIFYMASK;
        const char align = format == LVCFMT_RIGHT ? 'R' : format == LVCFMT_CENTER ? 'C' : 'L';
        out += (c ? " | " : "") + win32::narrowZ(buffer) + ":" + std::to_string(col.cx) + ":" + align;
    }
    return out;
}

}  // namespace sv::test
