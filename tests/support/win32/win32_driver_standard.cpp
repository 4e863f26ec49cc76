// The standard controls as a user works them, through the messages the real
// input produces.
#include <windows.h>
#include <commctrl.h>

#include "platform/ui/edits.h"
#include "platform/win32/text.h"
#include "support/win32/win32_driver.h"

namespace sv::test {
namespace {

// Selects the whole content of `edit`, then types each character into it
// (a backspace for an empty text), as the keyboard's WM_CHAR messages would.
void typeInto(HWND edit, const std::string& text) {
    SetFocus(edit);
    const std::wstring chars = win32::widen(text);
    if (chars.empty()) SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    for (wchar_t ch : chars) SendMessageW(edit, WM_CHAR, ch, 1);
}

// What the control tells its parent after the user's choice.
void notifyParent(HWND h, WORD code) {
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), code), reinterpret_cast<LPARAM>(h));
}

}  // namespace

void Win32Driver::typeText(ui::Control& c, const std::string& text) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    if (!IsWindowEnabled(h) || !IsWindowVisible(h)) return;
    if (dynamic_cast<ui::Edit*>(&c)) {
        SendMessageW(h, EM_SETSEL, 0, -1);
        typeInto(h, text);
    } else if (auto* combo = dynamic_cast<ui::ComboBox*>(&c)) {
        if (combo->style() != ui::ComboStyle::DropDown) ADD_FAILURE() << c.name() << ": a drop-down list takes no typing";
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(h, &info) && info.hwndItem) << c.name() << " has no edit part";
        SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        typeInto(info.hwndItem, text);
    } else {
        ADD_FAILURE() << "typeText: " << c.name() << " (" << c.kind() << ") takes no text";
    }
    processMessages();
}

void Win32Driver::selectItem(ui::Control& c, int index) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    if (!IsWindowEnabled(h) || !IsWindowVisible(h)) return;
    if (dynamic_cast<ui::ComboBox*>(&c)) {
        SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        notifyParent(h, CBN_SELCHANGE);
    } else if (auto* list = dynamic_cast<ui::ListBox*>(&c)) {
        SetFocus(h);
        if (list->multiSelect()) {
            SendMessageW(h, LB_SETSEL, FALSE, -1);
            SendMessageW(h, LB_SETSEL, TRUE, index);
            SendMessageW(h, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
        } else {
            SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
        notifyParent(h, LBN_SELCHANGE);
    } else {
        ADD_FAILURE() << "selectItem: " << c.name() << " (" << c.kind() << ") has no items";
    }
    processMessages();
}

void Win32Driver::spin(ui::Control& c, bool up) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    if (!IsWindowEnabled(h) || !IsWindowVisible(h)) return;
    // A spin edit's arrows are a window inside its edit.
    HWND arrows = dynamic_cast<ui::SpinEdit*>(&c) ? FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr) : h;
    ASSERT_NE(arrows, nullptr) << c.name() << " has no arrows";
    RECT r;
    GetClientRect(arrows, &r);
    // A press on the upper or lower half of the arrows.
    const int x = r.right / 2, y = up ? r.bottom / 4 : r.bottom * 3 / 4;
    POINT p{x, y};
    ClientToScreen(arrows, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(arrows, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    processMessages();
}

}  // namespace sv::test
