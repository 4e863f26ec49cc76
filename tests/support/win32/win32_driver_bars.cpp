// Pages, bars and menus as a user works them on the real windows: mouse clicks
// on tabs and tool buttons, a menu opened and an item chosen the way Windows
// reports it to the program.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/ui/bars.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"
#include "support/win32/win32_driver.h"

namespace sv::test {
namespace {

// A user can click a window only while it and the windows it is in are shown
// and enabled.
bool reachable(HWND h) {
    for (HWND w = h; w; w = GetParent(w))
        if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return false;
    return h != nullptr;
}

void clickAt(HWND h, int x, int y) {
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Where `id` is in `menu`: the position of the item itself or of the sub-menu
// that holds it; -1 when it is not there.
int positionOf(HMENU menu, UINT id, bool& direct) {
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            bool ignored;
            if (positionOf(sub, id, ignored) >= 0) {
                direct = false;
                return i;
            }
        } else if (GetMenuItemID(menu, i) == id) {
            direct = true;
            return i;
        }
    }
    return -1;
}

bool grayed(HMENU menu, int position) { return (GetMenuState(menu, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) != 0; }

// Opens the sub-menus down to the item as the pointer would (each sends
// WM_INITMENUPOPUP to the owner, which may fill it anew); returns whether the
// item is there and can be chosen.
bool openTo(HWND owner, HMENU top, UINT id) {
    HMENU current = top;
    for (int depth = 0; depth < 16; ++depth) {
        bool direct = false;
        const int at = positionOf(current, id, direct);
        if (at < 0 || grayed(current, at)) return false;
        if (direct) return true;
        HMENU sub = GetSubMenu(current, at);
        SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(at, FALSE));
        current = sub;
    }
    return false;
}

// A pop-up menu runs its own loop inside TrackPopupMenu; the choice is made from
// inside it, once the menu waits for the user (WM_ENTERIDLE to its owner).
struct PendingChoice {
    bool active = false;
    UINT id = 0;
    HMENU opened = nullptr;
    bool chosen = false;
} g_choice;

void installMenuHook() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    win32::registerFormMessageHook([](ui::Form&, HWND hwnd, UINT msg, WPARAM wp, LPARAM, LRESULT&) {
        if (msg == WM_INITMENUPOPUP && !g_choice.opened) g_choice.opened = reinterpret_cast<HMENU>(wp);
        if (msg == WM_ENTERIDLE && wp == MSGF_MENU) {
            if (g_choice.active && g_choice.opened) g_choice.chosen = openTo(hwnd, g_choice.opened, g_choice.id);
            g_choice.active = false;
            // The menu closes either way: no menu is left open for a user who is not there.
            EndMenu();
        }
        return false;
    });
}

HWND formHandle(ui::Menu& menu) { return menu.owner() ? Win32Driver::handle(*menu.owner()) : nullptr; }

int toolButtonIndex(ui::ToolButton& b) {
    const auto& all = b.toolBar()->buttons();
    return static_cast<int>(std::find(all.begin(), all.end(), &b) - all.begin());
}

}  // namespace

void Win32Driver::selectTab(ui::PageControl& pc, int index) {
    HWND h = handle(pc);
    ASSERT_NE(h, nullptr) << pc.name() << " has no window";
    RECT r{};
    if (!reachable(h) || !SendMessageW(h, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r))) return;
    clickAt(h, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    processMessages();
}

void Win32Driver::clickToolButton(ui::ToolBar& tb, int index) {
    HWND h = handle(tb);
    ASSERT_NE(h, nullptr) << tb.name() << " has no window";
    ASSERT_NE(tb.button(index), nullptr) << tb.name() << " has no button " << index;
    installMenuHook();
    RECT r{};
    if (!reachable(h) || !SendMessageW(h, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) || r.right <= r.left) return;
    // The main part of the button, clear of a drop-down arrow.
    const int arrow = tb.button(index)->style() == ui::ToolButtonStyle::DropDown ? 14 : 0;
    clickAt(h, (r.left + r.right - arrow) / 2, (r.top + r.bottom) / 2);
    processMessages();
}

void Win32Driver::chooseMenuItem(ui::MenuItem& item) {
    ui::Menu* menu = item.menu();
    ASSERT_NE(menu, nullptr) << item.name() << " is in no menu";
    HWND form = formHandle(*menu);
    ASSERT_NE(form, nullptr) << item.name() << ": its form has no window";
    HMENU bar = GetMenu(form);
    ASSERT_NE(bar, nullptr) << item.name() << ": its form has no menu bar";
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    const bool chosen = openTo(form, bar, static_cast<UINT>(item.commandId()));
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
    // The command comes once the menu has closed, as Windows sends it.
    if (chosen) PostMessageW(form, WM_COMMAND, MAKEWPARAM(item.commandId(), 0), 0);
    processMessages();
}

void Win32Driver::choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) {
    installMenuHook();
    g_choice = {true, static_cast<UINT>(item.commandId()), nullptr, false};
    if (auto* b = dynamic_cast<ui::ToolButton*>(&over); b && b->dropDownMenu() == &menu) {
        // The arrow at the right end of the button.
        HWND h = handle(*b->toolBar());
        RECT r{};
        if (h && reachable(h) && SendMessageW(h, TB_GETITEMRECT, toolButtonIndex(*b), reinterpret_cast<LPARAM>(&r)) &&
            r.right > r.left) {
            clickAt(h, r.right - 5, (r.top + r.bottom) / 2);
        }
    } else {
        HWND h = handle(over);
        ASSERT_NE(h, nullptr) << over.name() << " has no window";
        if (reachable(h)) {
            const int x = over.width() / 2, y = over.height() / 2;
            POINT p{x, y};
            ClientToScreen(h, &p);
            SetCursorPos(p.x, p.y);
            SendMessageW(h, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
            // Releasing the button asks for the context menu (DefWindowProc).
            SendMessageW(h, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
        }
    }
    if (g_choice.chosen) PostMessageW(formHandle(menu), WM_COMMAND, MAKEWPARAM(item.commandId(), 0), 0);
    g_choice = {};
    processMessages();
}

// --- what the windows show ------------------------------------------------------------

std::string win32ShownTabs(ui::PageControl& pc) {
    HWND h = Win32Driver::handle(pc);
    if (!h) return "(no window)";
    const int n = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0));
    std::string out;
    for (int i = 0; i < n; ++i) {
        wchar_t text[256] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 255;
        SendMessageW(h, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        out += (i ? " | " : "") + std::string(i == selected ? "*" : "") + win32::narrowZ(text);
    }
    return out;
}

bool win32ShownVisible(ui::Control& c) {
    HWND h = Win32Driver::handle(c);
    return h && IsWindowVisible(h);
}

std::string win32ShownToolBar(ui::ToolBar& tb) {
    HWND h = Win32Driver::handle(tb);
    if (!h) return "(no window)";
    const int n = static_cast<int>(SendMessageW(h, TB_BUTTONCOUNT, 0, 0));
    std::string out;
    for (int i = 0; i < n; ++i) {
        TBBUTTON b{};
        SendMessageW(h, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        if (b.fsState & TBSTATE_HIDDEN) continue;
        std::string text = "-";
        if (!(b.fsStyle & BTNS_SEP)) {
            wchar_t buffer[256] = {};
            SendMessageW(h, TB_GETBUTTONTEXTW, b.idCommand, reinterpret_cast<LPARAM>(buffer));
            text = win32::narrowZ(buffer);
            if (b.fsStyle & BTNS_DROPDOWN) text += " v";
            if (!(b.fsState & TBSTATE_ENABLED)) text = "(" + text + ")";
        }
        out += (out.empty() ? "" : " | ") + text;
    }
    return out;
}

namespace {
std::string shownMenu(HMENU menu, const char* separator) {
    std::string out;
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        wchar_t buffer[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = buffer;
        info.cch = 255;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        std::string text = (info.fType & MFT_SEPARATOR) ? "-" : win32::narrowZ(buffer);
        if (!(info.fType & MFT_SEPARATOR)) {
            if (info.fState & MFS_CHECKED) text = "*" + text;
            if (info.fState & MFS_GRAYED) text = "(" + text + ")";
            if (info.hSubMenu) text += "[" + shownMenu(info.hSubMenu, ", ") + "]";
        }
        out += (i ? separator : "") + text;
    }
    return out;
}
}  // namespace

std::string win32ShownMenuBar(ui::Form& form) {
    HWND h = Win32Driver::handle(form);
    HMENU bar = h ? GetMenu(h) : nullptr;
    return bar ? shownMenu(bar, " | ") : "";
}

std::string win32ShownStatus(ui::StatusBar& sb) {
    HWND h = Win32Driver::handle(sb);
    if (!h) return "(no window)";
    auto textOf = [&](int part) {
        const int length = LOWORD(SendMessageW(h, SB_GETTEXTLENGTHW, part, 0));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(h, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
        return win32::narrowZ(text.c_str());
    };
    if (SendMessageW(h, SB_ISSIMPLE, 0, 0)) {
        // Windows gives the simple text as SB_SIMPLEID's; Wine as part 0's.
        const std::string simple = textOf(SB_SIMPLEID);
        return simple.empty() ? textOf(0) : simple;
    }
    const int parts = static_cast<int>(SendMessageW(h, SB_GETPARTS, 0, 0));
    std::string out;
    for (int i = 0; i < parts; ++i) out += (i ? " | " : "") + textOf(i);
    return out;
}

}  // namespace sv::test
