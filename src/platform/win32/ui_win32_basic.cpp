// Labels, pictures and panels.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "platform/ui/picture.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

class LabelPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;
    void onCommand(WORD code) override {
        if (code == STN_CLICKED) control().click();
        else if (code == STN_DBLCLK) control().userDblClick();
    }
    bool onMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
        if (msg == WM_SETCURSOR && control().cursor() == ui::Cursor::Hand) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        }
        return false;
    }
};

DWORD labelStyle(const ui::Control& c) {
    DWORD style = SS_NOTIFY | SS_NOPREFIX;
    if (auto* label = dynamic_cast<const ui::Label*>(&c)) {
        if (label->alignment() == ui::Alignment::Right) style |= SS_RIGHT;
        else if (label->alignment() == ui::Alignment::Center) style |= SS_CENTER;
    }
    return style;
}

// A cached device-independent bitmap of the control's picture.
class PicturePeer : public Win32Peer {
public:
    PicturePeer(ui::Picture& picture, HWND hwnd) : Win32Peer(picture, hwnd), picture_(picture) {}
    ~PicturePeer() override { freeBitmap(); }

    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) freeBitmap();
        Win32Peer::changed(what);
    }

    void paint(HDC dc, const RECT& client) override {
        const ui::Bitmap& b = picture_.picture();
        if (b.empty()) return;
        if (!bitmap_) makeBitmap(b);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, bitmap_);
        if (picture_.stretch()) {
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, b.width, b.height, SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, b.width, b.height, mem, 0, 0, SRCCOPY);
        }
        SelectObject(mem, old);
        DeleteDC(mem);
    }

    bool onMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
        switch (msg) {
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hwnd(), 0};
                tracking_ = TrackMouseEvent(&t) != 0;
                picture_.userMouseEnter();
            }
            return false;  // the move itself is reported as usual
        case WM_MOUSELEAVE:
            tracking_ = false;
            picture_.userMouseExit();
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
            SetCapture(hwnd());
            pressed_ = true;
            return false;
        case WM_LBUTTONUP: {
            if (!pressed_) return false;
            pressed_ = false;
            ReleaseCapture();
            // The control keeps the mouse from the press on, so the position is
            // relative to it even when the button comes up elsewhere (or when the
            // press hid it to uncover a pressed picture underneath).
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            const bool over = x >= 0 && y >= 0 && x < control().width() && y < control().height();
            const HWND self = hwnd();
            control().userMouseUp(ui::MouseButton::Left, currentShiftState(), x, y);
            // A click counts only when the button comes up over the control, and
            // only while the control is still there.
            if (over && fromHandle(self) == this) control().click();
            result = 0;
            return true;
        }
        case WM_SETCURSOR:
            if (control().cursor() == ui::Cursor::Hand) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                result = TRUE;
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void makeBitmap(const ui::Bitmap& b) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = b.width;
        info.bmiHeader.biHeight = -b.height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap_ && bits) memcpy(bits, b.pixels.data(), b.pixels.size() * sizeof(uint32_t));
    }
    void freeBitmap() {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }

    ui::Picture& picture_;
    HBITMAP bitmap_ = nullptr;
    bool tracking_ = false;
    bool pressed_ = false;
};

class PanelPeer : public Win32Peer {
public:
    PanelPeer(ui::Panel& panel, HWND hwnd) : Win32Peer(panel, hwnd), panel_(panel) {}
    HWND childParent() override { return hwnd(); }
    void paint(HDC dc, const RECT& client) override {
        RECT r = client;
        if (panel_.bevel() == ui::Bevel::Raised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        else if (panel_.bevel() == ui::Bevel::Lowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        if (!panel_.caption().empty()) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, textColor());
            HGDIOBJ old = SelectObject(dc, font());
            std::wstring text(panel_.caption().begin(), panel_.caption().end());
            DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SelectObject(dc, old);
        }
    }

private:
    ui::Panel& panel_;
};

}  // namespace

void installBasicPeers() {
    registerPeerFactory("label", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(L"STATIC", labelStyle(c), 0, c, parent);
        return h ? std::make_unique<LabelPeer>(c, h) : nullptr;
    });
    registerPeerFactory("picture", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(drawnControlClass(), 0, 0, c, parent);
        return h ? std::make_unique<PicturePeer>(static_cast<ui::Picture&>(c), h) : nullptr;
    });
    registerPeerFactory("panel", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(drawnControlClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, c, parent);
        return h ? std::make_unique<PanelPeer>(static_cast<ui::Panel&>(c), h) : nullptr;
    });
}

}  // namespace sv::win32
