// The Win32 window backend. One window procedure for our forms and one for our
// drawn controls, one handle-to-peer map, and catch(...) at every boundary:
// nothing ever unwinds through a Win32 callback.
#include "platform/win32/ui_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <deque>
#include <map>
#include <unordered_map>

#include "platform/types.h"
#include "platform/ui/form.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"SorvaneForm";
constexpr wchar_t kDrawnClass[] = L"SorvaneDrawn";
constexpr UINT kWakeMessage = WM_APP + 0x51;
constexpr UINT_PTR kSubclassId = 0x5356;

std::unordered_map<HWND, Win32Peer*>& handleMap() {
    static std::unordered_map<HWND, Win32Peer*> map;
    return map;
}

std::vector<FormMessageHook>& formHooks() {
    static std::vector<FormMessageHook> hooks;
    return hooks;
}

std::map<std::string, PeerFactory>& factories() {
    static std::map<std::string, PeerFactory> f;
    return f;
}

HFONT makeFont(const ui::Font& f) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(f.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, f.italic, f.underline, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       widen(f.name).c_str());
}

void report(std::exception_ptr e) { ui::application().handleException(e); }

ui::MouseButton buttonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return ui::MouseButton::Right;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return ui::MouseButton::Middle;
    default: return ui::MouseButton::Left;
    }
}

// Messages a window gets about its children: handed to the child's own peer.
bool routeChildMessage(Win32Peer& self, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_COMMAND: {
        if (lp == 0) return false;  // menus and accelerators are the form's
        if (Win32Peer* child = Win32Peer::fromHandle(reinterpret_cast<HWND>(lp))) {
            child->onCommand(HIWORD(wp));
            result = 0;
            return true;
        }
        return false;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (Win32Peer* child = Win32Peer::fromHandle(header->hwndFrom)) {
            bool handled = false;
            LRESULT r = child->onNotify(header, handled);
            if (handled) {
                result = r;
                return true;
            }
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        Win32Peer* child = Win32Peer::fromHandle(reinterpret_cast<HWND>(lp));
        if (!child) return false;
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, child->textColor());
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(child->backgroundBrush());
        return true;
    }
    default:
        return false;
    }
    (void)self;
}

// Mouse input to a control's own window, reported to the control.
void reportMouse(Win32Peer& peer, UINT msg, LPARAM lp) {
    const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
    ui::Control& c = peer.control();
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
        c.userMouseDown(buttonOf(msg), currentShiftState(), x, y);
        break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        c.userMouseUp(buttonOf(msg), currentShiftState(), x, y);
        break;
    case WM_MOUSEMOVE:
        c.userMouseMove(currentShiftState(), x, y);
        break;
    case WM_LBUTTONDBLCLK:
        c.userDblClick();
        break;
    default:
        break;
    }
}

LRESULT CALLBACK childSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    try {
        Win32Peer* peer = Win32Peer::fromHandle(hwnd);
        if (!peer) return DefSubclassProc(hwnd, msg, wp, lp);
        LRESULT result = 0;
        if (peer->onMessage(msg, wp, lp, result)) return result;
        if (routeChildMessage(*peer, msg, wp, lp, result)) return result;
        if (msg == WM_SETFOCUS) {
            if (ui::Form* f = peer->control().form()) f->setActiveControl(&peer->control());
        }
        const LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
        // The peer may be gone now (a click that closed the form).
        if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL) {
            if (Win32Peer* still = Win32Peer::fromHandle(hwnd)) reportMouse(*still, msg, lp);
        }
        return r;
    } catch (...) {
        report(std::current_exception());
        return 0;
    }
}

void paintBackground(Win32Peer& peer) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(peer.hwnd(), &ps);
    RECT client;
    GetClientRect(peer.hwnd(), &client);
    // Drawn off screen first, so that repainting does not flicker.
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(mem, bmp);
    FillRect(mem, &client, peer.backgroundBrush());
    peer.paint(mem, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    EndPaint(peer.hwnd(), &ps);
}

class FormPeer : public Win32Peer {
public:
    FormPeer(ui::Form& form, HWND hwnd) : Win32Peer(form, hwnd), form_(form) { applyShape(); }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Visible:
            if (form_.visible()) {
                ShowWindow(hwnd(), form_.windowState() == ui::WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
                UpdateWindow(hwnd());
            } else {
                ShowWindow(hwnd(), SW_HIDE);
            }
            break;
        case ui::Prop::Content:
            applyShape();
            break;
        case ui::Prop::Style:
            SetWindowPos(hwnd(), form_.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            InvalidateRect(hwnd(), nullptr, TRUE);
            break;
        default:
            Win32Peer::changed(what);
        }
    }

    HWND childParent() override { return hwnd(); }

    void applyShape() {
        const auto& rects = form_.shape();
        if (rects.empty()) {
            SetWindowRgn(hwnd(), nullptr, TRUE);
            return;
        }
        std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(rects.size());
        data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
        RECT bounds{0, 0, form_.width(), form_.height()};
        data->rdh.rcBound = bounds;
        auto* out = reinterpret_cast<RECT*>(data->Buffer);
        for (size_t i = 0; i < rects.size(); ++i) out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
        SetWindowRgn(hwnd(), region, TRUE);  // the window owns the region now
    }

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) {
        LRESULT result = 0;
        for (auto& hook : formHooks())
            if (hook(form_, hwnd(), msg, wp, lp, result)) return result;
        if (routeChildMessage(*this, msg, wp, lp, result)) return result;
        switch (msg) {
        case WM_CLOSE:
            form_.close();
            return 0;
        case WM_PAINT:
            paintBackground(*this);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOVE:
            if (!IsIconic(hwnd())) {
                RECT r;
                GetWindowRect(hwnd(), &r);
                POINT origin{0, 0};
                ClientToScreen(hwnd(), &origin);
                // The form keeps its window's outer position.
                if (r.left != form_.left() || r.top != form_.top()) form_.userMoved(r.left, r.top);
            }
            return 0;
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) {
                const int w = LOWORD(lp), h = HIWORD(lp);
                if (w != form_.width() || h != form_.height()) {
                    RECT r;
                    GetWindowRect(hwnd(), &r);
                    form_.setBounds(r.left, r.top, w, h);
                }
            }
            return 0;
        case WM_SETCURSOR: {
            if (ui::application().screenCursor() == ui::CursorShape::HourGlass) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            Win32Peer* child = fromHandle(reinterpret_cast<HWND>(wp));
            if (child && child->control().cursor() == ui::Cursor::Hand && child->control().enabled()) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MOUSEMOVE:
        case WM_LBUTTONDBLCLK:
            reportMouse(*this, msg, lp);
            return 0;
        default:
            break;
        }
        return DefWindowProcW(hwnd(), msg, wp, lp);
    }

private:
    ui::Form& form_;
};

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        auto* peer = dynamic_cast<FormPeer*>(Win32Peer::fromHandle(hwnd));
        if (!peer) return DefWindowProcW(hwnd, msg, wp, lp);
        return peer->handle(msg, wp, lp);
    } catch (...) {
        report(std::current_exception());
        return 0;
    }
}

// Our drawn controls: painting through the peer, mouse input to the control
// (through the subclass that every peer's window gets).
LRESULT CALLBACK drawnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        Win32Peer* peer = Win32Peer::fromHandle(hwnd);
        if (peer) {
            if (msg == WM_PAINT) {
                paintBackground(*peer);
                return 0;
            }
            if (msg == WM_ERASEBKGND) return 1;
        }
        return DefWindowProcW(hwnd, msg, wp, lp);
    } catch (...) {
        report(std::current_exception());
        return 0;
    }
}

void registerClasses() {
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = formProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = drawnProc;
    wc.hIcon = nullptr;
    wc.lpszClassName = kDrawnClass;
    RegisterClassExW(&wc);
    installBasicPeers();
    installStandardPeers();
    installListViewPeers();
    installBarPeers();
    installMiscPeers();
    done = true;
}

void createChildren(ui::Control& parent, HWND parentHwnd) {
    for (ui::Control* child : parent.children()) {
        if (child->peer()) continue;
        auto it = factories().find(child->kind());
        if (it == factories().end()) {
            // Controls without a window of their own (timers, image lists, menus
            // owned by a form) are looked after by the peers that use them.
            createChildren(*child, parentHwnd);
            continue;
        }
        std::unique_ptr<Win32Peer> peer = it->second(*child, parentHwnd);
        if (!peer) throw PlatformError("Could not create the control " + child->name() + ".");
        Win32Peer* raw = peer.get();
        child->attachPeer(std::move(peer));
        HWND inner = raw->childParent();
        createChildren(*child, inner ? inner : parentHwnd);
        raw->afterChildren();
    }
}

// Keys go to the form first when it previews them; Tab moves between controls.
bool preTranslate(MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        for (HWND h = msg.hwnd; h; h = GetParent(h)) {
            if (Win32Peer* peer = Win32Peer::fromHandle(h)) {
                if (peer->keepsKey(msg)) break;
                if (!peer->control().userKeyDown(static_cast<int>(msg.wParam), currentShiftState())) return true;
                break;
            }
        }
    }
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && Win32Peer::fromHandle(root) && msg.message == WM_KEYDOWN && msg.wParam == VK_TAB)
        return IsDialogMessageW(root, &msg) != 0;
    return false;
}

class Win32Backend : public ui::UiBackend {
public:
    void createHandle(ui::Form& form) override {
        registerClasses();
        DWORD style = WS_CLIPCHILDREN;
        DWORD exStyle = WS_EX_CONTROLPARENT;
        const DWORD icons = form.borderIcons() ? WS_SYSMENU : 0;
        switch (form.borderStyle()) {
        case ui::BorderStyle::Sizeable: style |= WS_OVERLAPPEDWINDOW; if (!form.borderIcons()) style &= ~WS_SYSMENU; break;
        case ui::BorderStyle::Single: style |= WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX | icons; break;
        case ui::BorderStyle::Dialog: style |= WS_POPUP | WS_CAPTION | icons; exStyle |= WS_EX_DLGMODALFRAME; break;
        case ui::BorderStyle::ToolWindow: style |= WS_POPUP | WS_CAPTION | icons; exStyle |= WS_EX_TOOLWINDOW; break;
        case ui::BorderStyle::None: style |= WS_POPUP; break;
        }
        if (form.stayOnTop()) exStyle |= WS_EX_TOPMOST;
        RECT r{0, 0, form.width(), form.height()};
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
        HWND owner = nullptr;
        if (HWND active = GetActiveWindow(); active && Win32Peer::fromHandle(active)) owner = active;
        HWND hwnd = CreateWindowExW(exStyle, kFormClass, widen(form.caption()).c_str(), style, form.left(), form.top(),
                                    r.right - r.left, r.bottom - r.top, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!hwnd) throw PlatformError("Could not create the window " + form.name() + ".");
        form.attachPeer(std::make_unique<FormPeer>(form, hwnd));
        createChildren(form, hwnd);
        form.setHasHandle(true);
        // Families that attach something to the form itself (a main menu) hear of it.
        LRESULT ignored = 0;
        for (auto& hook : formHooks()) hook(form, hwnd, kFormCreated, 0, 0, ignored);
    }

    void runModal(ui::Form& form) override {
        HWND self = static_cast<Win32Peer*>(form.peer())->hwnd();
        // Every other window of ours waits while the modal form is up.
        std::vector<HWND> disabled;
        for (auto& [hwnd, peer] : handleMap()) {
            if (hwnd != self && GetParent(hwnd) == nullptr && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd)) {
                disabled.push_back(hwnd);
            }
        }
        for (HWND h : disabled) EnableWindow(h, FALSE);
        SetForegroundWindow(self);
        MSG msg;
        bool quit = false;
        while (form.showing()) {
            runTasks();
            if (!form.showing()) break;
            const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got <= 0) {
                quit = true;
                break;
            }
            dispatch(msg);
        }
        for (HWND h : disabled)
            if (IsWindow(h)) EnableWindow(h, TRUE);
        if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
    }

    void processMessages() override {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the loop that owns it
                break;
            }
            dispatch(msg);
        }
        runTasks();
    }

    void run() override {
        MSG msg;
        runTasks();
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            dispatch(msg);
            runTasks();
        }
    }

    void quit() override { PostQuitMessage(0); }

    void post(std::function<void()> task) override {
        tasks_.push_back(std::move(task));
        PostThreadMessageW(GetCurrentThreadId(), kWakeMessage, 0, 0);
    }

    void focus(ui::Control& control) override {
        if (auto* peer = static_cast<Win32Peer*>(control.peer())) SetFocus(peer->hwnd());
    }

    void screenCursorChanged() override {
        const bool busy = ui::application().screenCursor() == ui::CursorShape::HourGlass;
        SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
    }

    uintptr_t startTimer(unsigned intervalMs, std::function<void()> tick) override {
        const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, timerProc);
        if (id) timers()[id] = std::move(tick);
        return id;
    }
    void stopTimer(uintptr_t id) override {
        KillTimer(nullptr, id);
        timers().erase(id);
    }

private:
    static std::map<UINT_PTR, std::function<void()>>& timers() {
        static std::map<UINT_PTR, std::function<void()>> t;
        return t;
    }
    static void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD) {
        try {
            auto it = timers().find(id);
            if (it == timers().end()) return;
            auto tick = it->second;  // the handler may stop its own timer
            ui::application().dispatch(tick);
        } catch (...) {
            report(std::current_exception());
        }
    }

    void dispatch(MSG& msg) {
        if (msg.hwnd == nullptr && msg.message == kWakeMessage) return;  // tasks run after each message
        if (preTranslate(msg)) return;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    void runTasks() {
        std::deque<std::function<void()>> now;
        now.swap(tasks_);
        for (auto& task : now) ui::application().dispatch(task);
    }

    std::deque<std::function<void()>> tasks_;
};

}  // namespace

// --- Win32Peer ---------------------------------------------------------------

Win32Peer::Win32Peer(ui::Control& control, HWND hwnd) : control_(control), hwnd_(hwnd) {
    handleMap()[hwnd_] = this;
    if (control.parent()) SetWindowSubclass(hwnd_, childSubclassProc, kSubclassId, 0);
    applyFont();
}

Win32Peer::~Win32Peer() {
    // The object pointer goes before the window, so that no message sent while
    // the window is destroyed reaches an object that is going away.
    handleMap().erase(hwnd_);
    if (control_.parent()) RemoveWindowSubclass(hwnd_, childSubclassProc, kSubclassId);
    DestroyWindow(hwnd_);
    if (font_) DeleteObject(font_);
    if (brush_) DeleteObject(brush_);
}

Win32Peer* Win32Peer::fromHandle(HWND hwnd) {
    auto it = handleMap().find(hwnd);
    return it == handleMap().end() ? nullptr : it->second;
}

void Win32Peer::changed(ui::Prop what) {
    switch (what) {
    case ui::Prop::Caption:
        SetWindowTextW(hwnd_, widen(control_.caption()).c_str());
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
    case ui::Prop::Bounds: applyBounds(); break;
    case ui::Prop::Visible: ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE); break;
    case ui::Prop::Enabled: EnableWindow(hwnd_, control_.enabled()); break;
    case ui::Prop::Font: applyFont(); InvalidateRect(hwnd_, nullptr, TRUE); break;
    case ui::Prop::Color:
    case ui::Prop::Style:
    case ui::Prop::Content: InvalidateRect(hwnd_, nullptr, TRUE); break;
    }
}

void Win32Peer::applyFont() {
    HFONT f = makeFont(control_.font());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
    if (font_) DeleteObject(font_);
    font_ = f;
}

void Win32Peer::applyBounds() {
    if (!control_.parent()) {
        RECT r{0, 0, control_.width(), control_.height()};
        // A menu bar takes its height from the window, not from the client area.
        AdjustWindowRectEx(&r, GetWindowLongW(hwnd_, GWL_STYLE), GetMenu(hwnd_) != nullptr,
                           GetWindowLongW(hwnd_, GWL_EXSTYLE));
        SetWindowPos(hwnd_, nullptr, control_.left(), control_.top(), r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(hwnd_, nullptr, control_.left(), control_.top(), control_.width(), control_.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HBRUSH Win32Peer::backgroundBrush() {
    // A control without a colour of its own shows its parent's.
    ui::Color c = control_.color();
    for (const ui::Control* p = control_.parent(); c == ui::kDefaultColor && p; p = p->parent()) c = p->color();
    const COLORREF ref = toColorRef(c, COLOR_BTNFACE);
    if (!brush_ || ref != brushColor_) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(ref);
        brushColor_ = ref;
    }
    return brush_;
}

COLORREF Win32Peer::textColor() const { return toColorRef(control_.font().color, COLOR_WINDOWTEXT); }

// --- helpers -------------------------------------------------------------------

void registerPeerFactory(const std::string& kind, PeerFactory factory) { factories()[kind] = std::move(factory); }
void registerFormMessageHook(FormMessageHook hook) { formHooks().push_back(std::move(hook)); }

HWND createChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, ui::Control& control, HWND parent) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control.visible()) style |= WS_VISIBLE;
    if (!control.enabled()) style |= WS_DISABLED;
    if (control.tabStop()) style |= WS_TABSTOP;
    HWND hwnd = CreateWindowExW(exStyle, windowClass, widen(control.caption()).c_str(), style, control.left(),
                                control.top(), control.width(), control.height(), parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    // Later siblings cover earlier ones, as the controls' order says.
    if (hwnd) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return hwnd;
}

const wchar_t* drawnControlClass() {
    registerClasses();
    return kDrawnClass;
}

COLORREF toColorRef(ui::Color c, int systemColor) { return c == ui::kDefaultColor ? GetSysColor(systemColor) : c; }

ui::ShiftState currentShiftState() {
    ui::ShiftState s;
    s.shift = GetKeyState(VK_SHIFT) < 0;
    s.ctrl = GetKeyState(VK_CONTROL) < 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    return s;
}

std::unique_ptr<ui::UiBackend> makeWin32UiBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace sv::win32
