// The Win32 side of a control: one peer per control, one handle-to-peer map,
// and messages from a child window routed back to the child's own peer.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace sv::ui {
class ImageList;
}

namespace sv::win32 {

class Win32Peer : public ui::Peer {
public:
    // Registers the window in the handle map, routes its children's messages
    // back to their peers, and gives it the control's font.
    Win32Peer(ui::Control& control, HWND hwnd);
    ~Win32Peer() override;

    // Pushes a changed property into the window. Peers override it for what is
    // particular to their control and call this for the rest.
    void changed(ui::Prop what) override;

    // WM_COMMAND notification code from this control (BN_CLICKED, EN_CHANGE, ...).
    virtual void onCommand(WORD code) {}
    // WM_NOTIFY from this control; set handled to return the result.
    virtual LRESULT onNotify(NMHDR* header, bool& handled) {
        handled = false;
        return 0;
    }
    // A message to the control's own window, before the default handling; return
    // true (with result set) to stop the default handling.
    virtual bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
    // Background painting for windows of our own classes.
    virtual void paint(HDC dc, const RECT& client) {}
    // Where this control's children get their windows; null for no children.
    virtual HWND childParent() { return nullptr; }
    // Called once the control's children have their windows.
    virtual void afterChildren() {}
    // Keys the control's window takes as they come, past the control's and the
    // form's key handling (a list view's open caption editor wants Enter and Escape).
    virtual bool keepsKey(const MSG& msg) { return false; }

    HWND hwnd() const { return hwnd_; }
    ui::Control& control() const { return control_; }
    HFONT font() const { return font_; }
    // The brush that paints this control's background (its colour, else the
    // form's face colour).
    HBRUSH backgroundBrush();
    COLORREF textColor() const;

    static Win32Peer* fromHandle(HWND hwnd);

protected:
    void applyFont();
    void applyBounds();

private:
    ui::Control& control_;
    HWND hwnd_;
    HFONT font_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF brushColor_ = 0;
};

// Makes a peer (and its window) for a control of one kind, inside `parent`.
using PeerFactory = std::function<std::unique_ptr<Win32Peer>(ui::Control& control, HWND parent)>;
void registerPeerFactory(const std::string& kind, PeerFactory factory);

// Sees every message of every form before the form does (return true, with
// the result set, to stop it there). After a form's window and its children
// are made, each hook also gets the message kFormCreated.
using FormMessageHook = std::function<bool(ui::Form& form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)>;
constexpr UINT kFormCreated = WM_APP + 0x52;
void registerFormMessageHook(FormMessageHook hook);

// A child window for `control` at its bounds, visible and enabled as the control is.
HWND createChildWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, ui::Control& control, HWND parent);

// The window class of our own drawn controls (pictures, panels): paints through
// the peer's paint() and reports mouse input to the control.
const wchar_t* drawnControlClass();

COLORREF toColorRef(ui::Color c, int systemColor);
ui::ShiftState currentShiftState();

// The HIMAGELIST of an image list, shared by every window that shows its
// pictures and kept in step with the list; null for no list.
HIMAGELIST imageListHandle(ui::ImageList* list);

// Each family of controls registers its factories here; the backend calls them once.
void installBasicPeers();     // label, picture, panel
void installStandardPeers();  // buttons, check boxes, edits, combos, lists, pickers ...
void installListViewPeers();  // list views and image lists
void installBarPeers();       // page controls, tool bars, menus, status bars
void installMiscPeers();      // progress bars, text viewers, date/time pickers, search animation, folder edits

}  // namespace sv::win32
