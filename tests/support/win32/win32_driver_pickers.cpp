// Date and time pickers as a user works them: the window takes the new value
// and tells its parent, as it does when the user picks a day or spins a field.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/ui/animation.h"
#include "platform/ui/folderedit.h"
#include "platform/ui/pickers.h"
#include "platform/ui/progress.h"
#include "platform/ui/textview.h"
#include "platform/win32/text.h"
#include "support/win32/win32_driver.h"

namespace sv::test {

void Win32Driver::setDate(ui::Control& picker, const SystemTime& value) {
    HWND h = handle(picker);
    ASSERT_NE(h, nullptr) << picker.name() << " has no window";
    if (!dynamic_cast<ui::DatePicker*>(&picker) && !dynamic_cast<ui::TimePicker*>(&picker)) {
        ADD_FAILURE() << "setDate: " << picker.name() << " (" << picker.kind() << ") is not a picker";
        return;
    }
    if (!IsWindowEnabled(h) || !IsWindowVisible(h)) return;
    SYSTEMTIME st{};
    GetLocalTime(&st);  // a time picker's date part: any valid day will do
    if (dynamic_cast<ui::DatePicker*>(&picker)) {
        st.wYear = static_cast<WORD>(value.year);
        st.wMonth = static_cast<WORD>(value.month);
        st.wDay = static_cast<WORD>(value.day);
    }
    st.wHour = static_cast<WORD>(value.hour);
    st.wMinute = static_cast<WORD>(value.minute);
    st.wSecond = static_cast<WORD>(value.second);
    st.wMilliseconds = 0;
    SendMessageW(h, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    // What the control reports is what it now holds (it fills in the weekday).
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = h;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(h));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = static_cast<DWORD>(SendMessageW(h, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&change.st)));
    SendMessageW(GetParent(h), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    processMessages();
}

// --- what the windows show -------------------------------------------------------------

namespace {
std::wstring windowText(HWND h) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}
}  // namespace

std::string win32ShownProgress(ui::ProgressBar& bar) {
    HWND h = Win32Driver::handle(bar);
    PBRANGE range{};
    SendMessageW(h, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int pos = static_cast<int>(SendMessageW(h, PBM_GETPOS, 0, 0));
    return std::to_string(range.iLow) + ".." + std::to_string(range.iHigh) + " at " + std::to_string(pos);
}

std::string win32ShownText(ui::TextViewer& viewer) { return win32::narrow(windowText(Win32Driver::handle(viewer))); }

// The colour on screen below the text (the views in the cases leave their last
// rows empty).
ui::Color win32ShownBackground(ui::TextViewer& viewer) {
    HWND h = Win32Driver::handle(viewer);
    UpdateWindow(h);
    RECT client;
    GetClientRect(h, &client);
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, client.right / 2, client.bottom - 2);
    ReleaseDC(h, dc);
    return c;
}

// The vertical scroll bar is at its end.
bool win32ShownEndInView(ui::TextViewer& viewer) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(Win32Driver::handle(viewer), SB_VERT, &si)) return false;
    return si.nPos > 0 && si.nPos + static_cast<int>(si.nPage) > si.nMax;
}

SystemTime win32ShownPickerValue(ui::Control& picker) {
    SYSTEMTIME st{};
    SendMessageW(Win32Driver::handle(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    SystemTime t;
    if (dynamic_cast<ui::DatePicker*>(&picker)) {
        t = ui::calendarDate(st.wYear, st.wMonth, st.wDay);
    } else {
        t.hour = st.wHour;
        t.minute = st.wMinute;
        t.second = st.wSecond;
    }
    return t;
}

std::string win32ShownFolderEdit(ui::FolderEdit& edit) {
    HWND h = Win32Driver::handle(edit);
    HWND button = edit.browseButton().peer() ? Win32Driver::handle(edit.browseButton()) : nullptr;
    if (!button) return win32::narrow(windowText(h)) + " (no button)";
    // The button fills the right end of the edit's inside.
    RECT client, b;
    GetClientRect(h, &client);
    GetWindowRect(button, &b);
    MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&b), 2);
    const bool buttonAtRight = b.right == client.right && b.left > client.right / 2 && IsWindowVisible(button);
    return win32::narrow(windowText(h)) + (buttonAtRight ? " [" + win32::narrow(windowText(button)) + "]" : " (no button)");
}

// The pixels on screen.
ui::Bitmap win32ShownAnimation(ui::SearchAnimation& animation) {
    HWND h = Win32Driver::handle(animation);
    UpdateWindow(h);
    RECT r;
    GetClientRect(h, &r);
    ui::Bitmap out;
    out.width = r.right;
    out.height = r.bottom;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(h);
    HDC mem = CreateCompatibleDC(dc);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, out.width, out.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    for (size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = static_cast<const uint32_t*>(bits)[i] & 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(h, dc);
    return out;
}

}  // namespace sv::test
