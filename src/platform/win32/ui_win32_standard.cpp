// Buttons, check boxes, radio buttons, group boxes, edits, up-downs, spin
// edits, combo boxes and list boxes on the system's own window classes.
//
// The control object stays the truth: where a window would change its own
// state (an up-down stepping, a masked edit taking a letter), the peer refuses
// the window's change and lets the object decide, then pushes the result back.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/buttons.h"
#include "platform/ui/edits.h"
#include "platform/ui/folderedit.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

std::wstring windowText(HWND h) {
    const int n = GetWindowTextLengthW(h);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    w.resize(static_cast<size_t>(GetWindowTextW(h, w.data(), n + 1)));
    return w;
}

// Lone "\n" line breaks as a multi-line edit needs them ("\r\n").
std::string withCrLf(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) out += '\r';
        out += s[i];
    }
    return out;
}

// A user's Alt+key: presses the control of the form whose caption marks that key.
bool pressAccessKey(ui::Control& from, WPARAM ch) {
    ui::Form* form = from.form();
    if (!form || ch < 0x21) return false;
    ui::Control* target = ui::findAccessKeyTarget(*form, static_cast<char32_t>(ch));
    if (!target) return false;
    if (!dynamic_cast<ui::Button*>(target)) target->setFocus();
    target->click();  // a button presses, a check box toggles, a radio button is chosen
    return true;
}

// Every peer here offers Alt+key to its form's buttons.
class StandardPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;
    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (msg == WM_SYSCHAR && pressAccessKey(control(), wp)) {
            result = 0;
            return true;
        }
        return false;
    }
};

// --- buttons -------------------------------------------------------------------------

class ButtonPeer : public StandardPeer {
public:
    ButtonPeer(ui::Button& button, HWND hwnd) : StandardPeer(button, hwnd), button_(button) { applyCaption(); }
    ~ButtonPeer() override { freeGlyph(); }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Caption: applyCaption(); break;
        case ui::Prop::Style: syncDefault(TRUE); break;
        case ui::Prop::Content:
            freeGlyph();
            applyCaption();
            break;
        case ui::Prop::Font:
            StandardPeer::changed(what);
            applyCaption();
            break;
        default: StandardPeer::changed(what);
        }
    }

    void onCommand(WORD code) override {
        if (code == BN_CLICKED) button_.click();
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (StandardPeer::onMessage(msg, wp, lp, result)) return true;
        if (msg != WM_PAINT) return false;
        // The form may have chosen another default button since the last paint.
        syncDefault(FALSE);
        if (button_.glyph().empty()) return false;
        result = DefSubclassProc(hwnd(), msg, wp, lp);
        drawGlyph();
        return true;
    }

private:
    void syncDefault(BOOL redraw) {
        const bool want = button_.isDefault();
        const bool has = (GetWindowLongW(hwnd(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        if (want != has) SendMessageW(hwnd(), BM_SETSTYLE, want ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, redraw);
    }

    // With a glyph, the caption gets leading blanks as wide as the glyph, so that
    // the button's own centred text leaves room for it.
    void applyCaption() {
        std::wstring text = widen(button_.caption());
        const ui::Bitmap& g = button_.glyph();
        if (!g.empty()) {
            HDC dc = GetDC(hwnd());
            HGDIOBJ old = SelectObject(dc, font());
            SIZE space{};
            GetTextExtentPoint32W(dc, L" ", 1, &space);
            SelectObject(dc, old);
            ReleaseDC(hwnd(), dc);
            const int blanks = space.cx > 0 ? (g.width + 4 + space.cx - 1) / space.cx : 4;
            text = std::wstring(static_cast<size_t>(blanks), L' ') + text;
        }
        SetWindowTextW(hwnd(), text.c_str());
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    void drawGlyph() {
        const ui::Bitmap& g = button_.glyph();
        if (!bitmap_) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = g.width;
            info.bmiHeader.biHeight = -g.height;  // top-down
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* bits = nullptr;
            bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            if (!bitmap_ || !bits) return;
            memcpy(bits, g.pixels.data(), g.pixels.size() * sizeof(uint32_t));
        }
        RECT client;
        GetClientRect(hwnd(), &client);
        HDC dc = GetDC(hwnd());
        // Where the padded caption starts: glyph and text are centred together.
        HGDIOBJ oldFont = SelectObject(dc, font());
        std::wstring text = windowText(hwnd());
        RECT measure{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
        SelectObject(dc, oldFont);
        const int pressed = (SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) ? 1 : 0;
        const int x = (client.right - measure.right) / 2 + pressed;
        const int y = (client.bottom - g.height) / 2 + pressed;
        const uint32_t corner = g.at(0, g.height - 1);  // 0x00RRGGBB
        const COLORREF transparent = RGB((corner >> 16) & 0xFF, (corner >> 8) & 0xFF, corner & 0xFF);
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, bitmap_);
        TransparentBlt(dc, x, y, g.width, g.height, mem, 0, 0, g.width, g.height, transparent);
        SelectObject(mem, old);
        DeleteDC(mem);
        ReleaseDC(hwnd(), dc);
    }

    void freeGlyph() {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }

    ui::Button& button_;
    HBITMAP bitmap_ = nullptr;
};

class CheckBoxPeer : public StandardPeer {
public:
    CheckBoxPeer(ui::CheckBox& box, HWND hwnd) : StandardPeer(box, hwnd), box_(box) { push(); }
    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) push();
        else StandardPeer::changed(what);
    }
    void onCommand(WORD code) override {
        // The window has toggled itself already; the object follows.
        if (code != BN_CLICKED) return;
        if ((SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED) != box_.checked()) box_.userToggle();
        // The object may have refused (disabled meanwhile): the window shows what it holds.
        if (fromHandle(hwnd()) == this) push();
    }

private:
    void push() { SendMessageW(hwnd(), BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED, 0); }
    ui::CheckBox& box_;
};

// A plain (not automatic) radio button: the object unchecks the group, which
// is all buttons with the same parent, and each peer shows its own state.
class RadioPeer : public StandardPeer {
public:
    RadioPeer(ui::RadioButton& radio, HWND hwnd) : StandardPeer(radio, hwnd), radio_(radio) { push(); }
    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) push();
        else StandardPeer::changed(what);
    }
    void onCommand(WORD code) override {
        if (code == BN_CLICKED) radio_.userChoose();
    }

private:
    void push() { SendMessageW(hwnd(), BM_SETCHECK, radio_.checked() ? BST_CHECKED : BST_UNCHECKED, 0); }
    ui::RadioButton& radio_;
};

class GroupBoxPeer : public StandardPeer {
public:
    using StandardPeer::StandardPeer;
    HWND childParent() override { return hwnd(); }
    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (StandardPeer::onMessage(msg, wp, lp, result)) return true;
        if (msg == WM_ERASEBKGND) {
            // A group box paints only its frame; as the parent of its controls it
            // must also paint the ground between them.
            RECT r;
            GetClientRect(hwnd(), &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, backgroundBrush());
            result = 1;
            return true;
        }
        return false;
    }
};

// --- edits -----------------------------------------------------------------------------

DWORD editStyle(const ui::Edit& e) {
    DWORD style = ES_LEFT;
    if (e.multiLine()) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (!e.wordWrap()) style |= ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (e.multiLine() && (e.scrollBars() == ui::ScrollBars::Vertical || e.scrollBars() == ui::ScrollBars::Both))
        style |= WS_VSCROLL;
    if (e.multiLine() && (e.scrollBars() == ui::ScrollBars::Horizontal || e.scrollBars() == ui::ScrollBars::Both))
        style |= WS_HSCROLL;
    if (e.readOnly()) style |= ES_READONLY;
    return style;
}

class EditPeer : public StandardPeer, public ui::EditSelectionPeer {
public:
    EditPeer(ui::Edit& edit, HWND hwnd) : StandardPeer(edit, hwnd), edit_(edit) {
        applyStyle();
        pushText();
    }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Caption: break;  // an edit shows its text, not a caption
        case ui::Prop::Content: pushText(); break;
        case ui::Prop::Style: applyStyle(); break;
        default: StandardPeer::changed(what);
        }
    }

    void selectAllText() override { SendMessageW(hwnd(), EM_SETSEL, 0, -1); }

    void onCommand(WORD code) override {
        if (code != EN_CHANGE || pushing_) return;
        const std::string now = narrow(windowText(hwnd()));
        if (now == shown()) return;
        // Pasted text the box may not hold goes back to what it was.
        if (!edit_.accepts(now)) {
            MessageBeep(MB_OK);
            pushText();
            return;
        }
        edit_.userChange(now);
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (StandardPeer::onMessage(msg, wp, lp, result)) return true;
        // A typed character the box would refuse never reaches the window.
        if (msg == WM_CHAR && wp >= 0x20 && (wp < 0xD800 || wp > 0xDFFF) && !edit_.readOnly()) {
            std::wstring text = windowText(hwnd());
            DWORD start = 0, end = 0;
            SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
            end = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(text.size()));
            text.replace(start, end - start, 1, static_cast<wchar_t>(wp));
            if (!edit_.accepts(narrow(text))) {
                MessageBeep(MB_OK);
                result = 0;
                return true;
            }
        }
        return false;
    }

protected:
    std::string shown() const { return edit_.multiLine() ? withCrLf(edit_.text()) : edit_.text(); }

    void pushText() {
        const std::wstring text = widen(shown());
        if (windowText(hwnd()) == text) return;
        pushing_ = true;
        SetWindowTextW(hwnd(), text.c_str());
        pushing_ = false;
    }

    void applyStyle() {
        SendMessageW(hwnd(), EM_SETREADONLY, edit_.readOnly(), 0);
        SendMessageW(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(edit_.maxLength()), 0);
    }

    ui::Edit& edit_;
    bool pushing_ = false;
};

// A folder edit: the browse button's window lies over the right end of the edit
// (a sibling in the edit's parent, placed by its own peer), and the text keeps
// clear of it through the edit's right margin.
class FolderEditPeer : public EditPeer {
public:
    FolderEditPeer(ui::FolderEdit& edit, HWND hwnd) : EditPeer(edit, hwnd), folder_(edit) {
        folder_.layout();
        applyMargin();
    }

    void changed(ui::Prop what) override {
        EditPeer::changed(what);
        if (what == ui::Prop::Bounds) {
            folder_.layout();
            // The button follows the edit even when its own bounds stay the same.
            if (ui::Peer* button = folder_.browseButton().peer()) button->changed(ui::Prop::Bounds);
        }
        if (what == ui::Prop::Bounds || what == ui::Prop::Font) applyMargin();  // a new font resets the margins
        if (what == ui::Prop::Enabled || what == ui::Prop::Visible) afterChildren();
    }

    HWND childParent() override { return GetParent(hwnd()); }
    void afterChildren() override {
        // The button shows and works only with its edit.
        auto* button = dynamic_cast<Win32Peer*>(folder_.browseButton().peer());
        if (!button) return;
        EnableWindow(button->hwnd(), folder_.enabled());
        ShowWindow(button->hwnd(), folder_.visible() && folder_.browseButton().visible() ? SW_SHOWNA : SW_HIDE);
    }

private:
    void applyMargin() {
        const int margin = folder_.browseButton().width() + 2;
        SendMessageW(hwnd(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, margin));
    }

    ui::FolderEdit& folder_;
};

// An edit with its arrows: the up-down is a child of the edit, at its right
// end, and the edit's text stops short of it.
class SpinEditPeer : public EditPeer {
public:
    SpinEditPeer(ui::SpinEdit& spin, HWND hwnd) : EditPeer(spin, hwnd), spin_(spin) {
        arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
                                  0, 0, 0, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd), 0);
        layout();
        pushPosition();
    }

    void changed(ui::Prop what) override {
        EditPeer::changed(what);
        if (what == ui::Prop::Bounds || what == ui::Prop::Font) layout();
        if (what == ui::Prop::Content || what == ui::Prop::Style) pushPosition();
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        if (msg == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lp);
            if (header->hwndFrom == arrows_ && header->code == UDN_DELTAPOS) {
                const int delta = reinterpret_cast<NMUPDOWN*>(lp)->iDelta;
                if (delta != 0) spin_.userSpin(delta > 0);
                result = 1;  // the object moved the value; the arrows keep theirs
                return true;
            }
        }
        if ((msg == WM_VSCROLL || msg == WM_HSCROLL) && reinterpret_cast<HWND>(lp) == arrows_) {
            result = 0;
            return true;
        }
        return EditPeer::onMessage(msg, wp, lp, result);
    }

private:
    void layout() {
        RECT client;
        GetClientRect(hwnd(), &client);
        const int width = GetSystemMetrics(SM_CXVSCROLL);
        SetWindowPos(arrows_, nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(0, width + 1));
    }
    void pushPosition() {
        const bool ranged = spin_.maxValue() > spin_.minValue();
        SendMessageW(arrows_, UDM_SETRANGE32, ranged ? spin_.minValue() : INT_MIN / 2,
                     ranged ? spin_.maxValue() : INT_MAX / 2);
        SendMessageW(arrows_, UDM_SETPOS32, 0, spin_.value());
    }

    ui::SpinEdit& spin_;
    HWND arrows_ = nullptr;
};

// --- up-downs ----------------------------------------------------------------------------

// The system's arrows with the object doing the counting: every step the
// window proposes is refused and handed to the object, which writes the
// associated edit itself (so no UDS_SETBUDDYINT, and no UDS_ALIGNRIGHT: the
// controls stay where the form put them).
class UpDownPeer : public StandardPeer {
public:
    UpDownPeer(ui::UpDown& upDown, HWND hwnd) : StandardPeer(upDown, hwnd), upDown_(upDown) { push(); }

    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) push();
        else StandardPeer::changed(what);
    }

    LRESULT onNotify(NMHDR* header, bool& handled) override {
        handled = header->code == UDN_DELTAPOS;
        if (!handled) return 0;
        const int delta = reinterpret_cast<NMUPDOWN*>(header)->iDelta;
        // With min above max the window reverses the sign of the step; the arrow is what counts.
        const bool up = (delta > 0) == (upDown_.minValue() <= upDown_.maxValue());
        if (delta != 0) upDown_.userSpin(up);
        return 1;
    }

    // The associated edit gets its window after this one when it comes later
    // on the form; the form tells us once all are made.
    void push() {
        SendMessageW(hwnd(), UDM_SETRANGE32, upDown_.minValue(), upDown_.maxValue());
        SendMessageW(hwnd(), UDM_SETPOS32, 0, upDown_.position());
        HWND buddy = nullptr;
        if (ui::Edit* e = upDown_.associate())
            if (auto* p = dynamic_cast<Win32Peer*>(e->peer())) buddy = p->hwnd();
        if (buddy != buddy_) {
            SendMessageW(hwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
            buddy_ = buddy;
        }
    }

private:
    ui::UpDown& upDown_;
    HWND buddy_ = nullptr;
};

// --- combo boxes and list boxes -----------------------------------------------------------

class ComboPeer : public StandardPeer {
public:
    ComboPeer(ui::ComboBox& combo, HWND hwnd) : StandardPeer(combo, hwnd), combo_(combo) {
        place();
        push();
    }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Caption: break;
        case ui::Prop::Content:
        case ui::Prop::Style: push(); break;
        case ui::Prop::Bounds: place(); break;
        default: StandardPeer::changed(what);
        }
    }

    void onCommand(WORD code) override {
        if (pushing_) return;
        if (code == CBN_SELCHANGE) {
            const int i = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
            if (i >= 0) combo_.userSelect(i);
        } else if (code == CBN_EDITCHANGE) {
            combo_.userChange(narrow(windowText(hwnd())));
        }
    }

private:
    // The window's height includes the opened list's.
    void place() {
        SetWindowPos(hwnd(), nullptr, combo_.left(), combo_.top(), combo_.width(), combo_.height() + 160,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void push() {
        pushing_ = true;
        if (shown_ != combo_.items()) {
            SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
            SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
            for (const auto& item : combo_.items())
                SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
            SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(hwnd(), nullptr, TRUE);
            shown_ = combo_.items();
        }
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.itemIndex()), 0);
        if (combo_.style() == ui::ComboStyle::DropDown) {
            const std::wstring text = widen(combo_.text());
            if (windowText(hwnd()) != text) SetWindowTextW(hwnd(), text.c_str());
        }
        pushing_ = false;
    }

    ui::ComboBox& combo_;
    std::vector<std::string> shown_;
    bool pushing_ = false;
};

class ListBoxPeer : public StandardPeer {
public:
    ListBoxPeer(ui::ListBox& list, HWND hwnd) : StandardPeer(list, hwnd), list_(list) { push(); }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Caption: break;
        case ui::Prop::Content:
        case ui::Prop::Style: push(); break;
        default: StandardPeer::changed(what);
        }
    }

    void onCommand(WORD code) override {
        // A double click is reported with the mouse input, as for every control.
        if (code != LBN_SELCHANGE || pushing_) return;
        const int n = list_.count();
        std::vector<bool> selected(static_cast<size_t>(n), false);
        int focus = -1;
        if (list_.multiSelect()) {
            for (int i = 0; i < n; ++i) selected[i] = SendMessageW(hwnd(), LB_GETSEL, i, 0) > 0;
            focus = static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0));
        } else {
            focus = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
            if (focus >= 0 && focus < n) selected[focus] = true;
        }
        list_.userSelectionChanged(focus, selected);
    }

private:
    void push() {
        pushing_ = true;
        if (shown_ != list_.items()) {
            SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
            SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
            for (const auto& item : list_.items())
                SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
            SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(hwnd(), nullptr, TRUE);
            shown_ = list_.items();
        }
        if (list_.multiSelect()) {
            for (int i = 0; i < list_.count(); ++i) SendMessageW(hwnd(), LB_SETSEL, list_.selected(i), i);
            if (list_.itemIndex() >= 0) SendMessageW(hwnd(), LB_SETCARETINDEX, list_.itemIndex(), FALSE);
        } else {
            SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.itemIndex()), 0);
        }
        pushing_ = false;
    }

    ui::ListBox& list_;
    std::vector<std::string> shown_;
    bool pushing_ = false;
};

template <class Peer, class Control>
PeerFactory factory(const wchar_t* windowClass, std::function<DWORD(Control&)> style, DWORD exStyle = 0) {
    return [=](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        auto& control = static_cast<Control&>(c);
        HWND h = createChildWindow(windowClass, style(control), exStyle, c, parent);
        return h ? std::make_unique<Peer>(control, h) : nullptr;
    };
}

// Up-downs whose edit got its window after them find it here.
void connectUpDowns(ui::Control& parent) {
    for (ui::Control* child : parent.children()) {
        if (auto* ud = dynamic_cast<ui::UpDown*>(child))
            if (auto* peer = dynamic_cast<UpDownPeer*>(ud->peer())) peer->push();
        connectUpDowns(*child);
    }
}

}  // namespace

void installStandardPeers() {
    registerPeerFactory("button", factory<ButtonPeer, ui::Button>(L"BUTTON", [](ui::Button& b) -> DWORD {
                            return b.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
                        }));
    registerPeerFactory("checkbox", factory<CheckBoxPeer, ui::CheckBox>(L"BUTTON", [](ui::CheckBox&) -> DWORD {
                            return BS_AUTOCHECKBOX;
                        }));
    registerPeerFactory("radiobutton", factory<RadioPeer, ui::RadioButton>(L"BUTTON", [](ui::RadioButton&) -> DWORD {
                            return BS_RADIOBUTTON;
                        }));
    registerPeerFactory("groupbox", factory<GroupBoxPeer, ui::GroupBox>(
                                        L"BUTTON", [](ui::GroupBox&) -> DWORD { return BS_GROUPBOX | WS_CLIPCHILDREN; },
                                        WS_EX_CONTROLPARENT));
    const auto edit = [](ui::Edit& e) { return editStyle(e); };
    registerPeerFactory("edit", factory<EditPeer, ui::Edit>(L"EDIT", edit, WS_EX_CLIENTEDGE));
    registerPeerFactory("maskedit", factory<EditPeer, ui::Edit>(L"EDIT", edit, WS_EX_CLIENTEDGE));
    registerPeerFactory("folderedit", factory<FolderEditPeer, ui::FolderEdit>(
                                          L"EDIT", [](ui::FolderEdit&) -> DWORD { return ES_AUTOHSCROLL; },
                                          WS_EX_CLIENTEDGE));
    registerPeerFactory("spinedit", factory<SpinEditPeer, ui::SpinEdit>(
                                        L"EDIT", [](ui::SpinEdit& e) -> DWORD { return editStyle(e) | WS_CLIPCHILDREN; },
                                        WS_EX_CLIENTEDGE));
    registerPeerFactory("updown", factory<UpDownPeer, ui::UpDown>(UPDOWN_CLASSW, [](ui::UpDown&) -> DWORD {
                            return UDS_ARROWKEYS | UDS_NOTHOUSANDS;
                        }));
    registerPeerFactory("combobox", factory<ComboPeer, ui::ComboBox>(L"COMBOBOX", [](ui::ComboBox& c) -> DWORD {
                            return WS_VSCROLL | (c.style() == ui::ComboStyle::DropDownList
                                                     ? CBS_DROPDOWNLIST
                                                     : CBS_DROPDOWN | CBS_AUTOHSCROLL);
                        }));
    registerPeerFactory("listbox", factory<ListBoxPeer, ui::ListBox>(
                                       L"LISTBOX",
                                       [](ui::ListBox& l) -> DWORD {
                                           return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                                                  (l.multiSelect() ? LBS_EXTENDEDSEL : 0);
                                       },
                                       WS_EX_CLIENTEDGE));

    registerFormMessageHook([](ui::Form& form, HWND, UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
        if (msg == kFormCreated) connectUpDowns(form);
        // Alt+key while the form itself has the focus.
        if (msg == WM_SYSCHAR && pressAccessKey(form, wp)) {
            result = 0;
            return true;
        }
        return false;
    });
}

}  // namespace sv::win32
