// Page controls, tool bars, status bars and menus on the common controls.
//
// Menus have no window of their own: a menu's peer builds its HMENU from the
// model (a menu bar once and again after each change, a pop-up menu each time it
// shows) and command numbers lead back to the items. The form message hook
// attaches menu bars, turns menu WM_COMMANDs, WM_INITMENUPOPUP and WM_CONTEXTMENU
// into the items' and controls' user actions, and keeps status bars along the
// bottom of their forms.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "platform/ui/application.h"
#include "platform/ui/bars.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

ui::Rect toRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// --- page controls ------------------------------------------------------------------

// The tab control holds the pages as child windows; only the active page's is shown.
class PageControlPeer : public Win32Peer {
public:
    PageControlPeer(ui::PageControl& pc, HWND hwnd) : Win32Peer(pc, hwnd), pc_(pc) {
        rebuildTabs();
        layout();
    }

    HWND childParent() override { return hwnd(); }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Content:  // tabs added, removed, shown, hidden or renamed
            rebuildTabs();
            layout();
            break;
        case ui::Prop::Style:  // the active page
            selectActive();
            break;
        case ui::Prop::Bounds:
        case ui::Prop::Font:
            Win32Peer::changed(what);
            layout();
            break;
        default:
            Win32Peer::changed(what);
        }
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) override {
        // Where a change is headed is known only here, before the tab control
        // asks whether it may change.
        if (msg == WM_LBUTTONDOWN) {
            TCHITTESTINFO hit{{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}, 0};
            target_ = static_cast<int>(SendMessageW(hwnd(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        } else if (msg == WM_KEYDOWN && (wp == VK_LEFT || wp == VK_RIGHT)) {
            target_ = static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)) + (wp == VK_LEFT ? -1 : 1);
        }
        return false;
    }

    LRESULT onNotify(NMHDR* header, bool& handled) override {
        handled = false;
        if (header->code == TCN_SELCHANGING) {
            handled = true;
            ui::TabSheet* target = tabAt(target_);
            if (target_ >= 0 && !target) return TRUE;
            return pc_.userCanChange(target) ? FALSE : TRUE;
        }
        if (header->code == TCN_SELCHANGE) {
            handled = true;
            target_ = -1;
            ui::TabSheet* page = tabAt(static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0)));
            // A change the keyboard made towards a page that refuses it goes back.
            if (page && page->enabled()) pc_.userChanged(page);
            selectActive();
            return 0;
        }
        return 0;
    }

private:
    ui::TabSheet* tabAt(int index) const {
        return index >= 0 && index < static_cast<int>(tabs_.size()) ? tabs_[static_cast<size_t>(index)] : nullptr;
    }

    void rebuildTabs() {
        SendMessageW(hwnd(), TCM_DELETEALLITEMS, 0, 0);
        tabs_ = pc_.tabs();
        for (size_t i = 0; i < tabs_.size(); ++i) {
            std::wstring text = widen(tabs_[i]->caption());
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        selectActive();
    }

    void selectActive() {
        const int index = pc_.activePage() ? pc_.activePage()->tabIndex() : -1;
        if (SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0) != index) SendMessageW(hwnd(), TCM_SETCURSEL, index, 0);
    }

    // The pages fill the tab control's display area, which depends on the font
    // and on how many rows the tabs take.
    void layout() {
        RECT r;
        GetClientRect(hwnd(), &r);
        SendMessageW(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        pc_.setDisplayRect(toRect(r));
    }

    ui::PageControl& pc_;
    std::vector<ui::TabSheet*> tabs_;
    int target_ = -1;
};

class TabSheetPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;
    HWND childParent() override { return hwnd(); }
    void changed(ui::Prop what) override {
        Win32Peer::changed(what);
        // Its caption is its tab's text.
        auto& page = static_cast<ui::TabSheet&>(control());
        if (what == ui::Prop::Caption && page.pageControl() && page.pageControl()->peer())
            page.pageControl()->peer()->changed(ui::Prop::Content);
    }
};

// --- tool bars ----------------------------------------------------------------------

class ToolBarPeer;

// A tool button has no window: its changes go to its tool bar's peer.
class ToolButtonPeer : public ui::Peer {
public:
    explicit ToolButtonPeer(ui::ToolButton& button) : button_(button) {}
    void changed(ui::Prop what) override;

private:
    ui::ToolButton& button_;
};

constexpr wchar_t kToolNotifyClass[] = L"SorvaneToolBarNotify";

// A tool bar tells its parent of clicks by WM_COMMAND with the button's number,
// which the routing of child messages does not carry; so each tool bar reports
// to a message-only window of its own instead.
LRESULT CALLBACK toolNotifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

class ToolBarPeer : public Win32Peer {
public:
    ToolBarPeer(ui::ToolBar& tb, HWND hwnd) : Win32Peer(tb, hwnd), tb_(tb) {
        registerNotifyClass();
        notify_ = CreateWindowExW(0, kToolNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(notify_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        SendMessageW(hwnd, TB_SETPARENT, reinterpret_cast<WPARAM>(notify_), 0);
        rebuild();
    }
    ~ToolBarPeer() override {
        SetWindowLongPtrW(notify_, GWLP_USERDATA, 0);
        DestroyWindow(notify_);
    }

    static DWORD styleOf(const ui::ToolBar& tb) {
        return TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER |
               (tb.list() ? TBSTYLE_LIST : 0);
    }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Content:
            rebuild();
            break;
        case ui::Prop::Style: {
            const DWORD keep = GetWindowLongW(hwnd(), GWL_STYLE) & ~static_cast<DWORD>(TBSTYLE_LIST);
            SetWindowLongW(hwnd(), GWL_STYLE, keep | (tb_.list() ? TBSTYLE_LIST : 0));
            rebuild();
            break;
        }
        case ui::Prop::Font:
            Win32Peer::changed(what);
            rebuild();
            break;
        default:
            Win32Peer::changed(what);
        }
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        // A flat tool bar leaves its background to be painted; it shows its
        // parent's face colour, as the rest of the form does.
        if (msg != WM_ERASEBKGND) return false;
        RECT r;
        GetClientRect(hwnd(), &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, backgroundBrush());
        result = 1;
        return true;
    }

    void command(int id) {
        if (ui::ToolButton* b = tb_.button(id - 1)) b->click();
    }

    LRESULT notified(NMHDR* header) {
        switch (header->code) {
        case TBN_DROPDOWN: {
            auto* n = reinterpret_cast<NMTOOLBARW*>(header);
            if (ui::ToolButton* b = tb_.button(n->iItem - 1)) b->userDropDown();
            return TBDDRET_DEFAULT;
        }
        case TBN_GETINFOTIPW: {
            auto* n = reinterpret_cast<NMTBGETINFOTIPW*>(header);
            if (ui::ToolButton* b = tb_.button(n->iItem - 1); b && n->pszText && n->cchTextMax > 0) {
                const std::wstring hint = widen(b->hint());
                lstrcpynW(n->pszText, hint.c_str(), n->cchTextMax);
            }
            return 0;
        }
        case TTN_GETDISPINFOW: {
            auto* n = reinterpret_cast<NMTTDISPINFOW*>(header);
            if (ui::ToolButton* b = tb_.button(static_cast<int>(header->idFrom) - 1)) {
                tip_ = widen(b->hint());
                n->lpszText = tip_.data();
            }
            return 0;
        }
        default:
            return 0;
        }
    }

    void rebuild() {
        while (SendMessageW(hwnd(), TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(hwnd(), TB_DELETEBUTTON, 0, 0);
        HIMAGELIST images = imageListHandle(tb_.images());
        SendMessageW(hwnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
        std::vector<std::wstring> texts;
        texts.reserve(tb_.buttons().size());
        std::vector<TBBUTTON> buttons;
        for (size_t i = 0; i < tb_.buttons().size(); ++i) {
            ui::ToolButton& b = *tb_.buttons()[i];
            if (!b.peer()) b.attachPeer(std::make_unique<ToolButtonPeer>(b));
            TBBUTTON t{};
            t.idCommand = static_cast<int>(i) + 1;
            t.fsState = static_cast<BYTE>((b.enabled() ? TBSTATE_ENABLED : 0) | (b.visible() ? 0 : TBSTATE_HIDDEN));
            switch (b.style()) {
            case ui::ToolButtonStyle::Separator:
                t.fsStyle = BTNS_SEP;
                t.iBitmap = 6;  // the gap's width
                break;
            case ui::ToolButtonStyle::DropDown: t.fsStyle = BTNS_DROPDOWN | BTNS_AUTOSIZE; break;
            case ui::ToolButtonStyle::Button: t.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE; break;
            }
            if (b.style() != ui::ToolButtonStyle::Separator) {
                const bool picture = images && b.imageIndex() >= 0 && b.imageIndex() < ImageList_GetImageCount(images);
                t.iBitmap = picture ? b.imageIndex() : I_IMAGENONE;
                if (tb_.showCaptions()) {
                    texts.push_back(widen(b.caption()));
                    t.iString = reinterpret_cast<INT_PTR>(texts.back().c_str());
                } else {
                    t.iString = -1;
                }
            }
            buttons.push_back(t);
        }
        if (!buttons.empty()) SendMessageW(hwnd(), TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
        SendMessageW(hwnd(), TB_AUTOSIZE, 0, 0);
        // The buttons' places, so that a drop-down menu opens below its button.
        for (size_t i = 0; i < tb_.buttons().size(); ++i) {
            RECT r{};
            SendMessageW(hwnd(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
            tb_.buttons()[i]->setBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

private:
    static void registerNotifyClass() {
        static bool done = false;
        if (done) return;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = toolNotifyProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kToolNotifyClass;
        RegisterClassExW(&wc);
        done = true;
    }

    ui::ToolBar& tb_;
    HWND notify_ = nullptr;
    std::wstring tip_;
};

void ToolButtonPeer::changed(ui::Prop what) {
    // Its bounds are the tool bar's to lay out.
    if (what == ui::Prop::Bounds) return;
    if (ui::ToolBar* tb = button_.toolBar())
        if (auto* peer = dynamic_cast<ToolBarPeer*>(tb->peer())) peer->rebuild();
}

LRESULT CALLBACK toolNotifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        auto* peer = reinterpret_cast<ToolBarPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (peer && msg == WM_COMMAND) {
            peer->command(LOWORD(wp));
            return 0;
        }
        if (peer && msg == WM_NOTIFY) return peer->notified(reinterpret_cast<NMHDR*>(lp));
        return DefWindowProcW(hwnd, msg, wp, lp);
    } catch (...) {
        ui::application().handleException(std::current_exception());
        return 0;
    }
}

// --- status bars --------------------------------------------------------------------

class StatusBarPeer : public Win32Peer {
public:
    StatusBarPeer(ui::StatusBar& sb, HWND hwnd) : Win32Peer(sb, hwnd), sb_(sb) { sync(); }

    HWND childParent() override { return hwnd(); }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Content: sync(); break;
        case ui::Prop::Bounds:
        case ui::Prop::Font:
            Win32Peer::changed(what);
            sync();
            break;
        default: Win32Peer::changed(what);
        }
    }

private:
    void sync() {
        SendMessageW(hwnd(), SB_SIMPLE, sb_.simplePanel(), 0);
        if (sb_.simplePanel()) {
            SendMessageW(hwnd(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(widen(sb_.simpleText()).c_str()));
            return;
        }
        // Each part is given by its right edge; the last one runs to the end.
        std::vector<int> edges;
        int edge = 0;
        for (int i = 0; i < sb_.panelCount(); ++i) {
            edge += sb_.panelWidth(i);
            edges.push_back(i + 1 == sb_.panelCount() ? -1 : edge);
        }
        if (edges.empty()) edges.push_back(-1);
        SendMessageW(hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
        for (int i = 0; i < sb_.panelCount(); ++i)
            SendMessageW(hwnd(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(widen(sb_.panelText(i)).c_str()));
        for (int i = 0; i < sb_.panelCount(); ++i) {
            RECT r{};
            if (SendMessageW(hwnd(), SB_GETRECT, i, reinterpret_cast<LPARAM>(&r))) sb_.setMeasuredPanelRect(i, toRect(r));
        }
    }

    ui::StatusBar& sb_;
};

// --- menus --------------------------------------------------------------------------

std::wstring itemText(const ui::MenuItem& item) {
    std::string text = item.caption();
    if (!item.shortCut().empty()) text += "\t" + item.shortCutText();
    return widen(text);
}

bool g_inMenuLoop = false;

class MenuPeerBase : public ui::MenuPeer {
public:
    MenuPeerBase(ui::Menu& menu, HWND owner) : menu_(menu), owner_(owner) {}

    // The model item whose sub-menu `h` shows, or null.
    ui::MenuItem* itemOf(HMENU h) const {
        auto it = submenus_.find(h);
        return it == submenus_.end() ? nullptr : it->second;
    }
    HWND owner() const { return owner_; }

    // Puts the visible items of `parent` into `h`, replacing what it held.
    void fill(HMENU h, ui::MenuItem& parent) {
        while (GetMenuItemCount(h) > 0) DeleteMenu(h, 0, MF_BYPOSITION);  // sub-menus go with their items
        submenus_[h] = &parent;
        for (ui::MenuItem* item : parent.items()) {
            if (!item->visible()) continue;
            if (item->isSeparator()) {
                AppendMenuW(h, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            UINT flags = MF_STRING | (item->enabled() ? MF_ENABLED : MF_GRAYED) | (item->checked() ? MF_CHECKED : 0);
            const std::wstring text = itemText(*item);
            if (item->count() > 0) {
                HMENU sub = CreatePopupMenu();
                fill(sub, *item);
                AppendMenuW(h, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
            } else {
                AppendMenuW(h, flags, static_cast<UINT_PTR>(item->commandId()), text.c_str());
            }
        }
    }

protected:
    ui::Menu& menu_;
    HWND owner_;
    std::unordered_map<HMENU, ui::MenuItem*> submenus_;
};

class MainMenuPeer : public MenuPeerBase {
public:
    MainMenuPeer(ui::Menu& menu, HWND form) : MenuPeerBase(menu, form), bar_(CreateMenu()) {
        fill(bar_, menu.root());
        SetMenu(form, bar_);
        // The form's size is that of its client area, which the bar must not eat into.
        if (ui::Form* f = menu.owner()) {
            RECT r{0, 0, f->width(), f->height()};
            AdjustWindowRectEx(&r, GetWindowLongW(form, GWL_STYLE), TRUE, GetWindowLongW(form, GWL_EXSTYLE));
            SetWindowPos(form, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    ~MainMenuPeer() override {
        if (IsWindow(owner_) && GetMenu(owner_) == bar_) SetMenu(owner_, nullptr);
        DestroyMenu(bar_);
    }

    void changed() override {
        // An open menu is not rebuilt under the user's pointer: its sub-menus are
        // filled as they open, and the bar once the menu closes.
        if (g_inMenuLoop) {
            dirty_ = true;
            return;
        }
        rebuild();
    }
    void popup(ui::Control*, int, int) override {}

    void menuClosed() {
        if (dirty_) rebuild();
    }

private:
    void rebuild() {
        dirty_ = false;
        submenus_.clear();
        fill(bar_, menu_.root());
        DrawMenuBar(owner_);
    }

    HMENU bar_;
    bool dirty_ = false;
};

class PopupMenuPeer : public MenuPeerBase {
public:
    using MenuPeerBase::MenuPeerBase;

    void changed() override {}  // built afresh each time it shows

    void popup(ui::Control* at, int x, int y) override {
        POINT p{x, y};
        if (at) {
            // Client coordinates of `at`, which may have no window of its own (a tool button).
            ui::Control* c = at;
            while (c && !dynamic_cast<Win32Peer*>(c->peer())) {
                p.x += c->left();
                p.y += c->top();
                c = c->parent();
            }
            if (!c) return;
            ClientToScreen(static_cast<Win32Peer*>(c->peer())->hwnd(), &p);
        }
        HMENU h = CreatePopupMenu();
        submenus_.clear();
        fill(h, menu_.root());
        // The choice comes back to the owner form as WM_COMMAND, as from a menu bar.
        TrackPopupMenuEx(h, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, p.x, p.y, owner_, nullptr);
        DestroyMenu(h);
        submenus_.clear();
    }
};

std::unique_ptr<ui::MenuPeer> makeMenuPeer(ui::Menu& menu) {
    ui::Form* form = menu.owner();
    auto* formPeer = form ? dynamic_cast<Win32Peer*>(form->peer()) : nullptr;
    if (!formPeer) return nullptr;  // a form of another backend
    if (menu.isPopup()) return std::make_unique<PopupMenuPeer>(menu, formPeer->hwnd());
    return std::make_unique<MainMenuPeer>(menu, formPeer->hwnd());
}

// The control a window belongs to (a window inside a control, such as a list
// view's header, counts as the control's).
ui::Control* controlOf(HWND h) {
    for (; h; h = GetParent(h))
        if (Win32Peer* p = Win32Peer::fromHandle(h)) return &p->control();
    return nullptr;
}

void alignStatusBars(ui::Form& form, int width, int height) {
    for (ui::Control* c : form.children())
        if (auto* sb = dynamic_cast<ui::StatusBar*>(c))
            sb->setBounds(0, std::max(0, height - sb->height()), width, sb->height());
}

bool formHook(ui::Form& form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case kFormCreated: {
        for (ui::Menu* m : ui::Menu::menusOf(form)) m->ensurePeer();
        RECT r;
        GetClientRect(hwnd, &r);
        alignStatusBars(form, r.right, r.bottom);
        return false;
    }
    case WM_SIZE:
        if (wp != SIZE_MINIMIZED) alignStatusBars(form, LOWORD(lp), HIWORD(lp));
        return false;
    case WM_COMMAND: {
        if (lp != 0) return false;  // a control's
        ui::MenuItem* item = ui::MenuItem::fromCommandId(LOWORD(wp));
        if (!item || !item->menu() || item->menu()->owner() != &form) return false;
        item->userClick();
        result = 0;
        return true;
    }
    case WM_ENTERMENULOOP:
        g_inMenuLoop = true;
        return false;
    case WM_EXITMENULOOP:
        g_inMenuLoop = false;
        for (ui::Menu* m : ui::Menu::menusOf(form))
            if (auto* p = dynamic_cast<MainMenuPeer*>(m->peer())) p->menuClosed();
        return false;
    case WM_INITMENUPOPUP: {
        // A sub-menu opens: its item's onClick brings the entries up to date first.
        auto h = reinterpret_cast<HMENU>(wp);
        for (ui::Menu* m : ui::Menu::menusOf(form)) {
            auto* p = dynamic_cast<MenuPeerBase*>(m->peer());
            ui::MenuItem* item = p ? p->itemOf(h) : nullptr;
            if (!item) continue;
            if (item != &m->root()) item->userClick();
            p->fill(h, *item);
            break;
        }
        return false;
    }
    case WM_CONTEXTMENU: {
        // Each window passes the request on to its parent as its own, so the
        // window clicked is found again from the point (or the focus, for the
        // keyboard's menu key).
        HWND target = reinterpret_cast<HWND>(wp);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        const bool fromKeyboard = p.x == -1 && p.y == -1;
        if (fromKeyboard) {
            HWND focus = GetFocus();
            if (focus && (focus == target || IsChild(target, focus))) target = focus;
        } else {
            for (HWND h = target;;) {
                POINT c = p;
                ScreenToClient(h, &c);
                HWND child = ChildWindowFromPointEx(h, c, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
                if (!child || child == h) break;
                target = h = child;
            }
        }
        ui::Control* c = controlOf(target);
        if (!c) return false;
        HWND at = static_cast<Win32Peer*>(c->peer())->hwnd();
        if (fromKeyboard) {
            p = {c->width() / 2, c->height() / 2};
        } else {
            ScreenToClient(at, &p);
        }
        if (!ui::PopupMenu::userContextMenu(*c, p.x, p.y)) return false;
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace

void installBarPeers() {
    registerPeerFactory("pagecontrol", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, c, parent);
        return h ? std::make_unique<PageControlPeer>(static_cast<ui::PageControl&>(c), h) : nullptr;
    });
    registerPeerFactory("tabsheet", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(drawnControlClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, c, parent);
        return h ? std::make_unique<TabSheetPeer>(c, h) : nullptr;
    });
    registerPeerFactory("toolbar", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        auto& tb = static_cast<ui::ToolBar&>(c);
        HWND h = createChildWindow(TOOLBARCLASSNAMEW, ToolBarPeer::styleOf(tb), 0, c, parent);
        return h ? std::make_unique<ToolBarPeer>(tb, h) : nullptr;
    });
    registerPeerFactory("statusbar", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        DWORD style = WS_CLIPCHILDREN | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
        // The grip shows where the window can be sized from.
        ui::Form* f = c.form();
        if (f && c.parent() == f && f->borderStyle() == ui::BorderStyle::Sizeable) style |= SBARS_SIZEGRIP;
        HWND h = createChildWindow(STATUSCLASSNAMEW, style, 0, c, parent);
        return h ? std::make_unique<StatusBarPeer>(static_cast<ui::StatusBar&>(c), h) : nullptr;
    });
    ui::Menu::setPeerFactory(makeMenuPeer);
    registerFormMessageHook(formHook);
}

}  // namespace sv::win32
