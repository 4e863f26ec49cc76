// Progress bars, text viewers, date and time pickers, the search animation and
// folder edits.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/animation.h"
#include "platform/ui/folderedit.h"
#include "platform/ui/pickers.h"
#include "platform/ui/progress.h"
#include "platform/ui/textview.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::win32 {
namespace {

void initCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX icc{sizeof icc, classes};
    InitCommonControlsEx(&icc);
}

// --- progress bar ---------------------------------------------------------------

class ProgressPeer : public Win32Peer {
public:
    ProgressPeer(ui::ProgressBar& bar, HWND hwnd) : Win32Peer(bar, hwnd), bar_(bar) { push(); }
    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) push();
        else Win32Peer::changed(what);
    }

private:
    void push() {
        SendMessageW(hwnd(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.min()), static_cast<LPARAM>(bar_.max()));
        SendMessageW(hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.position()), 0);
    }
    ui::ProgressBar& bar_;
};

// --- text viewer ----------------------------------------------------------------

// The text's lines, split at CR LF, a lone CR or a lone LF.
void splitLines(std::string_view text, std::vector<std::wstring>& lines) {
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(widen(text.substr(start, i - start)));
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
}

// Drawn by us, one visible line at a time: an edit window lays out every line
// of its text when it is set, which takes seconds for a log of many thousands
// of lines under Wine; this takes what is on screen.
class TextViewerPeer : public Win32Peer {
public:
    TextViewerPeer(ui::TextViewer& viewer, HWND hwnd) : Win32Peer(viewer, hwnd), viewer_(viewer) {
        measureFont();
        applyStyle();
        pushText();
    }

    void changed(ui::Prop what) override {
        switch (what) {
        case ui::Prop::Content: pushText(); break;
        case ui::Prop::Style: applyStyle(); break;
        case ui::Prop::Font:
            Win32Peer::changed(what);
            measureFont();
            remeasure();
            break;
        default: Win32Peer::changed(what);
        }
    }

    void paint(HDC dc, const RECT& client) override {
        HGDIOBJ old = SelectObject(dc, font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, viewer_.enabled() ? textColor() : GetSysColor(COLOR_GRAYTEXT));
        const int last = std::min<int>(static_cast<int>(rows_.size()), top_ + client.bottom / lineHeight_ + 1);
        for (int r = top_; r < last; ++r) {
            const Row& row = rows_[static_cast<size_t>(r)];
            const std::wstring& line = lines_[row.line];
            TabbedTextOutW(dc, kMargin - left_, (r - top_) * lineHeight_, line.c_str() + row.start, row.length, 0,
                           nullptr, kMargin - left_);
        }
        SelectObject(dc, old);
    }

    bool onMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
        switch (msg) {
        case WM_SIZE:
            if (viewer_.wordWrap()) layoutRows();
            updateScrollBars();
            return false;
        case WM_VSCROLL:
            scrollTo(left_, scrollTarget(SB_VERT, LOWORD(wp), top_, 1));
            result = 0;
            return true;
        case WM_HSCROLL:
            scrollTo(scrollTarget(SB_HORZ, LOWORD(wp), left_, charWidth_), top_);
            result = 0;
            return true;
        case WM_MOUSEWHEEL:
            scrollTo(left_, top_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3);
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd());
            return false;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS;
            return true;
        case WM_KEYDOWN: return keyDown(wp, result);
        // The window's text is the viewer's, for whoever reads windows (screen readers, tests).
        case WM_GETTEXTLENGTH:
            result = static_cast<LRESULT>(shownText().size());
            return true;
        case WM_GETTEXT: {
            const std::wstring text = shownText();
            const size_t n = wp == 0 ? 0 : std::min(text.size(), static_cast<size_t>(wp) - 1);
            auto* out = reinterpret_cast<wchar_t*>(lp);
            if (wp > 0) {
                text.copy(out, n);
                out[n] = 0;
            }
            result = static_cast<LRESULT>(n);
            return true;
        }
        default: return false;
        }
    }

private:
    static constexpr int kMargin = 2;
    struct Row {
        size_t line;
        int start, length;
    };

    void measureFont() {
        HDC dc = GetDC(hwnd());
        HGDIOBJ old = SelectObject(dc, font());
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        lineHeight_ = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
        charWidth_ = std::max<int>(1, tm.tmAveCharWidth);
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
    }

    int visibleRows() {
        RECT r;
        GetClientRect(hwnd(), &r);
        return std::max(1, static_cast<int>(r.bottom) / lineHeight_);
    }
    int clientWidth() {
        RECT r;
        GetClientRect(hwnd(), &r);
        return r.right;
    }

    void applyStyle() {
        const ui::ScrollBars bars = viewer_.scrollBars();
        vertical_ = bars == ui::ScrollBars::Vertical || bars == ui::ScrollBars::Both;
        horizontal_ = (bars == ui::ScrollBars::Horizontal || bars == ui::ScrollBars::Both) && !viewer_.wordWrap();
        ShowScrollBar(hwnd(), SB_VERT, vertical_);
        ShowScrollBar(hwnd(), SB_HORZ, horizontal_);
        left_ = 0;
        remeasure();
    }

    void pushText() {
        const std::string& text = viewer_.text();
        const bool appended = shownGeneration_ == viewer_.textGeneration() && text.size() >= shownLength_;
        if (appended && text.size() == shownLength_) return;
        size_t firstNew = 0;
        if (appended) {
            // The new part continues the last line unless it starts a new one.
            std::string_view tail = std::string_view(text).substr(shownLength_);
            std::vector<std::wstring> added;
            splitLines(tail, added);
            const bool newLine = tail[0] == '\r' || tail[0] == '\n';
            if (!newLine) lines_.back() += added.front();
            added.erase(added.begin());
            firstNew = newLine ? lines_.size() : lines_.size() - 1;
            for (auto& l : added) lines_.push_back(std::move(l));
        } else {
            lines_.clear();
            splitLines(text, lines_);
            widest_ = 0;
            top_ = left_ = 0;
        }
        shownGeneration_ = viewer_.textGeneration();
        shownLength_ = text.size();
        measureFrom(firstNew);
        layoutRows();
        if (appended) top_ = std::max(0, static_cast<int>(rows_.size()) - visibleRows());
        updateScrollBars();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    // The widest line decides how far the text scrolls sideways.
    void measureFrom(size_t first) {
        if (viewer_.wordWrap()) return;
        HDC dc = GetDC(hwnd());
        HGDIOBJ old = SelectObject(dc, font());
        for (size_t i = first; i < lines_.size(); ++i) {
            const DWORD size = GetTabbedTextExtentW(dc, lines_[i].c_str(), static_cast<int>(lines_[i].size()), 0, nullptr);
            widest_ = std::max(widest_, static_cast<int>(LOWORD(size)));
        }
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
    }

    void remeasure() {
        widest_ = 0;
        measureFrom(0);
        layoutRows();
        updateScrollBars();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    // One row per line; wrapped, a line takes as many rows as its words need.
    void layoutRows() {
        rows_.clear();
        rows_.reserve(lines_.size());
        if (!viewer_.wordWrap()) {
            for (size_t i = 0; i < lines_.size(); ++i) rows_.push_back({i, 0, static_cast<int>(lines_[i].size())});
            return;
        }
        const int width = std::max(charWidth_, clientWidth() - 2 * kMargin);
        HDC dc = GetDC(hwnd());
        HGDIOBJ old = SelectObject(dc, font());
        for (size_t i = 0; i < lines_.size(); ++i) {
            const std::wstring& line = lines_[i];
            int start = 0;
            do {
                const int rest = static_cast<int>(line.size()) - start;
                int fit = 0;
                SIZE size;
                GetTextExtentExPointW(dc, line.c_str() + start, rest, width, &fit, nullptr, &size);
                int length = std::max(1, fit);
                if (length < rest) {
                    // Break after the last blank that fits, if there is one.
                    int blank = length;
                    while (blank > 0 && line[static_cast<size_t>(start + blank)] != L' ') --blank;
                    if (blank > 0) length = blank + 1;
                } else {
                    length = rest;
                }
                rows_.push_back({i, start, length});
                start += length;
            } while (start < static_cast<int>(line.size()));
        }
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
    }

    void updateScrollBars() {
        const int rows = static_cast<int>(rows_.size()), page = visibleRows();
        top_ = std::clamp(top_, 0, std::max(0, rows - page));
        const int width = widest_ + 2 * kMargin, view = clientWidth();
        left_ = horizontal_ ? std::clamp(left_, 0, std::max(0, width - view)) : 0;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        if (vertical_) {
            si.nMin = 0;
            si.nMax = std::max(0, rows - 1);
            si.nPage = static_cast<UINT>(page);
            si.nPos = top_;
            SetScrollInfo(hwnd(), SB_VERT, &si, TRUE);
        }
        if (horizontal_) {
            si.nMax = std::max(0, width - 1);
            si.nPage = static_cast<UINT>(std::max(1, view));
            si.nPos = left_;
            SetScrollInfo(hwnd(), SB_HORZ, &si, TRUE);
        }
    }

    int scrollTarget(int bar, WORD code, int pos, int step) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(hwnd(), bar, &si);
        const int page = static_cast<int>(si.nPage);
        switch (code) {
        case SB_LINEUP: return pos - step;
        case SB_LINEDOWN: return pos + step;
        case SB_PAGEUP: return pos - page;
        case SB_PAGEDOWN: return pos + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: return si.nTrackPos;
        case SB_TOP: return 0;
        case SB_BOTTOM: return si.nMax;
        default: return pos;
        }
    }

    void scrollTo(int left, int top) {
        const int oldLeft = left_, oldTop = top_;
        left_ = left;
        top_ = top;
        updateScrollBars();
        if (left_ != oldLeft || top_ != oldTop) InvalidateRect(hwnd(), nullptr, TRUE);
    }

    bool keyDown(WPARAM key, LRESULT& result) {
        const int page = visibleRows();
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        switch (key) {
        case VK_UP: scrollTo(left_, top_ - 1); break;
        case VK_DOWN: scrollTo(left_, top_ + 1); break;
        case VK_PRIOR: scrollTo(left_, top_ - page); break;
        case VK_NEXT: scrollTo(left_, top_ + page); break;
        case VK_HOME: scrollTo(0, ctrl ? 0 : top_); break;
        case VK_END: scrollTo(ctrl ? left_ : widest_, ctrl ? static_cast<int>(rows_.size()) : top_); break;
        case VK_LEFT: scrollTo(left_ - charWidth_, top_); break;
        case VK_RIGHT: scrollTo(left_ + charWidth_, top_); break;
        default: return false;
        }
        result = 0;
        return true;
    }

    std::wstring shownText() const {
        std::wstring out;
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (i) out += L"\r\n";
            out += lines_[i];
        }
        return out;
    }

    ui::TextViewer& viewer_;
    std::vector<std::wstring> lines_;
    std::vector<Row> rows_;
    uint64_t shownGeneration_ = ~0ULL;
    size_t shownLength_ = 0;
    int lineHeight_ = 13, charWidth_ = 6, widest_ = 0;
    int top_ = 0, left_ = 0;
    bool vertical_ = true, horizontal_ = false;
};

// --- date and time pickers --------------------------------------------------------

SYSTEMTIME toSystemTime(const SystemTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.milliseconds);
    return st;
}

// The two pickers share the window class; only what they read and write differs.
class PickerPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;

    void changed(ui::Prop what) override {
        if (what == ui::Prop::Content) push();
        else Win32Peer::changed(what);
    }

    LRESULT onNotify(NMHDR* header, bool& handled) override {
        handled = false;
        if (header->code != DTN_DATETIMECHANGE || pushing_) return 0;
        const auto* change = reinterpret_cast<NMDATETIMECHANGE*>(header);
        if (change->dwFlags == GDT_VALID) userChanged(change->st);
        handled = true;
        return 0;
    }

protected:
    virtual SystemTime value() const = 0;
    virtual void userChanged(const SYSTEMTIME& st) = 0;

    void push() {
        SYSTEMTIME st = toSystemTime(value());
        pushing_ = true;  // some versions of the control report a change made by code
        SendMessageW(hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
        pushing_ = false;
    }

private:
    bool pushing_ = false;
};

class DatePickerPeer : public PickerPeer {
public:
    DatePickerPeer(ui::DatePicker& picker, HWND hwnd) : PickerPeer(picker, hwnd), picker_(picker) { push(); }

private:
    SystemTime value() const override { return picker_.date(); }
    void userChanged(const SYSTEMTIME& st) override { picker_.userSetDate(ui::calendarDate(st.wYear, st.wMonth, st.wDay)); }
    ui::DatePicker& picker_;
};

class TimePickerPeer : public PickerPeer {
public:
    TimePickerPeer(ui::TimePicker& picker, HWND hwnd) : PickerPeer(picker, hwnd), picker_(picker) { push(); }

private:
    SystemTime value() const override {
        // The window needs some valid date beside the time it shows.
        SystemTime t = ui::calendarDate(2000, 1, 1);
        const ui::TimeOfDay& time = picker_.time();
        t.hour = time.hour;
        t.minute = time.minute;
        t.second = time.second;
        t.milliseconds = time.milliseconds;
        return t;
    }
    void userChanged(const SYSTEMTIME& st) override {
        ui::TimeOfDay t{st.wHour, st.wMinute, st.wSecond, 0};
        // Seconds the user did not touch keep the milliseconds set from code.
        const ui::TimeOfDay& old = picker_.time();
        if (t.hour == old.hour && t.minute == old.minute && t.second == old.second) return;
        picker_.userSetTime(t);
    }
    ui::TimePicker& picker_;
};

// --- search animation -------------------------------------------------------------

class AnimationPeer : public Win32Peer {
public:
    AnimationPeer(ui::SearchAnimation& animation, HWND hwnd) : Win32Peer(animation, hwnd), animation_(animation) {}

    void paint(HDC dc, const RECT& client) override {
        LOGBRUSH lb{};
        GetObjectW(backgroundBrush(), sizeof lb, &lb);
        const uint32_t background = ui::rgbPixel(GetRValue(lb.lbColor), GetGValue(lb.lbColor), GetBValue(lb.lbColor));
        const ui::Bitmap frame = animation_.picture(background);
        if (frame.empty()) return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = frame.width;
        info.bmiHeader.biHeight = -frame.height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, frame.width, frame.height, 0, 0, 0, frame.height, frame.pixels.data(), &info,
                          DIB_RGB_COLORS);
        (void)client;
    }

private:
    ui::SearchAnimation& animation_;
};

// --- folder edit (its edit window is a standard edit peer) ---------------------------

// The browse button lies over the right end of its folder edit, inside the
// edit's border, as a sibling of the edit's window: a visual-styles edit (the
// program's manifest asks for them) leaves a child window of its own unpainted
// under Wine. Its bounds are the model's, relative to the edit.
class BrowseButtonPeer : public Win32Peer {
public:
    BrowseButtonPeer(ui::Control& c, HWND hwnd) : Win32Peer(c, hwnd) { place(); }

    void changed(ui::Prop what) override {
        if (what == ui::Prop::Bounds) place();
        else Win32Peer::changed(what);
    }
    void onCommand(WORD code) override {
        if (code == BN_CLICKED) control().click();
    }

private:
    void place() {
        const ui::Control& edit = *control().parent();
        const int border = ui::FolderEdit::kBorder;
        SetWindowPos(hwnd(), HWND_TOP, edit.left() + border + control().left(), edit.top() + border + control().top(),
                     control().width(), control().height(), SWP_NOACTIVATE);
    }
};

}  // namespace

void installMiscPeers() {
    registerPeerFactory("progressbar", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        initCommonControls(ICC_PROGRESS_CLASS);
        HWND h = createChildWindow(PROGRESS_CLASSW, PBS_SMOOTH, 0, c, parent);
        return h ? std::make_unique<ProgressPeer>(static_cast<ui::ProgressBar&>(c), h) : nullptr;
    });
    registerPeerFactory("textviewer", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(drawnControlClass(), WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, c, parent);
        return h ? std::make_unique<TextViewerPeer>(static_cast<ui::TextViewer&>(c), h) : nullptr;
    });
    registerPeerFactory("datepicker", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        initCommonControls(ICC_DATE_CLASSES);
        HWND h = createChildWindow(DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, 0, c, parent);
        return h ? std::make_unique<DatePickerPeer>(static_cast<ui::DatePicker&>(c), h) : nullptr;
    });
    registerPeerFactory("timepicker", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        initCommonControls(ICC_DATE_CLASSES);
        HWND h = createChildWindow(DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | DTS_UPDOWN, 0, c, parent);
        return h ? std::make_unique<TimePickerPeer>(static_cast<ui::TimePicker&>(c), h) : nullptr;
    });
    registerPeerFactory("searchanimation", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(drawnControlClass(), 0, 0, c, parent);
        return h ? std::make_unique<AnimationPeer>(static_cast<ui::SearchAnimation&>(c), h) : nullptr;
    });
    registerPeerFactory("folderbrowsebutton", [](ui::Control& c, HWND parent) -> std::unique_ptr<Win32Peer> {
        HWND h = createChildWindow(L"BUTTON", BS_PUSHBUTTON, 0, c, parent);
        return h ? std::make_unique<BrowseButtonPeer>(c, h) : nullptr;
    });
}

}  // namespace sv::win32
