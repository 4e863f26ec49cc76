// The input dialog and the about box, built as in-memory dialog templates so that
// they are ordinary Windows dialogs (system font, keyboard handling, Enter and
// Escape) without a resource script.
#include "platform/win32/win32_dialog_forms.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/ui/application.h"
#include "platform/win32/text.h"

namespace sv::win32 {
namespace {

// Class atoms of the predefined controls in a dialog template.
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;
constexpr int kNoId = -1;  // texts nobody addresses

// Writes an extended dialog template (DLGTEMPLATEEX and DLGITEMTEMPLATEEX, which
// have no declaration in the headers) into a DWORD-aligned buffer.
class DialogTemplate {
public:
    DialogTemplate(const std::string& title, int cx, int cy) {
        word(1);       // dlgVer
        word(0xFFFF);  // signature: extended template
        dword(0);      // helpID
        dword(0);      // exStyle
        dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT | DS_CENTER);
        countAt_ = bytes_.size();
        word(0);  // item count, filled in by add()
        word(0), word(0), word(static_cast<WORD>(cx)), word(static_cast<WORD>(cy));
        word(0);  // no menu
        word(0);  // the standard dialog class
        text(title);
        word(8);  // point size
        word(FW_NORMAL);
        bytes_.push_back(0);  // italic
        bytes_.push_back(DEFAULT_CHARSET);
        text("MS Shell Dlg");
    }

    void add(WORD cls, int id, DWORD style, int x, int y, int cx, int cy, const std::string& caption = {},
             DWORD exStyle = 0) {
        align();
        dword(0);  // helpID
        dword(exStyle);
        dword(style | WS_CHILD | WS_VISIBLE);
        word(static_cast<WORD>(x)), word(static_cast<WORD>(y)), word(static_cast<WORD>(cx)), word(static_cast<WORD>(cy));
        dword(static_cast<DWORD>(id));
        word(0xFFFF), word(cls);
        text(caption);
        word(0);  // no creation data
        WORD count;
        std::memcpy(&count, &bytes_[countAt_], sizeof count);
        ++count;
        std::memcpy(&bytes_[countAt_], &count, sizeof count);
    }

    // The template; the vector's storage comes from operator new, aligned for DWORDs.
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    void word(WORD w) {
        bytes_.push_back(static_cast<uint8_t>(w & 0xFF));
        bytes_.push_back(static_cast<uint8_t>(w >> 8));
    }
    void dword(DWORD d) {
        word(static_cast<WORD>(d & 0xFFFF));
        word(static_cast<WORD>(d >> 16));
    }
    void text(const std::string& s) {
        for (wchar_t c : widen(s)) word(static_cast<WORD>(c));
        word(0);
    }
    void align() {
        while (bytes_.size() % 4) bytes_.push_back(0);
    }
    std::vector<uint8_t> bytes_;
    size_t countAt_ = 0;
};

// How many lines of `width` dialog units a static text needs. A dialog unit is a
// quarter of the font's average character width; the margin covers word breaks
// and wider than average letters.
int linesFor(const std::string& text, int width) {
    const int perLine = std::max(1, width / 4 * 85 / 100);
    int lines = 0;
    size_t start = 0;
    const std::wstring w = widen(text);
    while (true) {
        const size_t end = w.find(L'\n', start);
        const size_t len = (end == std::wstring::npos ? w.size() : end) - start;
        lines += std::max<int>(1, static_cast<int>((len + perLine - 1) / perLine));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string windowText(HWND h) {
    std::wstring buffer(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    buffer.resize(static_cast<size_t>(GetWindowTextW(h, buffer.data(), static_cast<int>(buffer.size()))));
    return narrow(buffer);
}

// The owner is whatever window of ours is active, so the dialog stays on top of
// it and disables it, as a message box does.
INT_PTR runDialog(const DialogTemplate& t, DLGPROC proc, void* state) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), GetActiveWindow(), proc,
                                   reinterpret_cast<LPARAM>(state));
}

// --- input -------------------------------------------------------------------------

struct InputState {
    std::string start;
    std::string result;
};

INT_PTR CALLBACK inputProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrW(dlg, DWLP_USER, lp);
            auto* s = reinterpret_cast<InputState*>(lp);
            HWND edit = GetDlgItem(dlg, kEditItem);
            SetWindowTextW(edit, widen(s->start).c_str());
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
            auto* s = reinterpret_cast<InputState*>(GetWindowLongPtrW(dlg, DWLP_USER));
            if (LOWORD(wp) == IDOK && s) s->result = windowText(GetDlgItem(dlg, kEditItem));
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        }
    } catch (...) {
        // Nothing may unwind into the dialog manager; the dialog stays as it is.
    }
    return FALSE;
}

// --- about -------------------------------------------------------------------------

struct AboutState {
    const AboutRequest* request;
    HFONT bold = nullptr;
};

BOOL CALLBACK firstIcon(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<LPCWSTR*>(found) = name;  // valid while the module is loaded
    return FALSE;
}

// The program's own icon (its first icon group), or the system's program icon.
HICON programIcon() {
    LPCWSTR name = nullptr;
    HMODULE self = GetModuleHandleW(nullptr);
    EnumResourceNamesW(self, RT_GROUP_ICON, firstIcon, reinterpret_cast<LONG_PTR>(&name));
    HICON icon = name ? LoadIconW(self, name) : nullptr;
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

INT_PTR CALLBACK aboutProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        auto* s = reinterpret_cast<AboutState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        switch (msg) {
            case WM_INITDIALOG: {
                SetWindowLongPtrW(dlg, DWLP_USER, lp);
                s = reinterpret_cast<AboutState*>(lp);
                SendDlgItemMessageW(dlg, kIconItem, STM_SETICON, reinterpret_cast<WPARAM>(programIcon()), 0);
                LOGFONTW lf{};
                if (GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)), sizeof lf, &lf)) {
                    lf.lfWeight = FW_BOLD;
                    s->bold = CreateFontIndirectW(&lf);
                    SendDlgItemMessageW(dlg, kProductItem, WM_SETFONT, reinterpret_cast<WPARAM>(s->bold), FALSE);
                }
                return TRUE;  // the focus goes to OK, the first tab stop
            }
            case WM_COMMAND:
                if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
                    EndDialog(dlg, IDOK);
                    return TRUE;
                }
                if (LOWORD(wp) == kCustomButton && HIWORD(wp) == BN_CLICKED && s && s->request->onCustomButton) {
                    ui::application().dispatch(s->request->onCustomButton);
                    return TRUE;
                }
                break;
            case WM_DESTROY:
                if (s && s->bold) DeleteObject(s->bold), s->bold = nullptr;
                break;
        }
    } catch (...) {
        // Nothing may unwind into the dialog manager; the box stays open.
    }
    return FALSE;
}

}  // namespace

std::optional<std::string> runInputDialog(const std::string& title, const std::string& prompt,
                                          const std::string& start) {
    constexpr int cx = 236, margin = 7, buttonW = 50, buttonH = 14;
    const int promptH = 8 * linesFor(prompt, cx - 2 * margin);
    const int editY = margin + promptH + 4;
    const int buttonY = editY + 12 + 9;
    DialogTemplate t(title, cx, buttonY + buttonH + margin);
    t.add(kStaticClass, kPromptItem, SS_LEFT | SS_NOPREFIX, margin, margin, cx - 2 * margin, promptH, prompt);
    t.add(kEditClass, kEditItem, ES_AUTOHSCROLL | WS_TABSTOP, margin, editY, cx - 2 * margin, 12, {}, WS_EX_CLIENTEDGE);
    t.add(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, cx - margin - 2 * buttonW - 4, buttonY, buttonW, buttonH, "OK");
    t.add(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, cx - margin - buttonW, buttonY, buttonW, buttonH, "Cancel");
    InputState state{start, {}};
    if (runDialog(t, inputProc, &state) != IDOK) return std::nullopt;
    return state.result;
}

void runAboutDialog(const AboutRequest& r) {
    constexpr int cx = 250, margin = 7, iconW = 21, buttonW = 56, buttonH = 14;
    const int textX = margin + iconW + 10, textW = cx - textX - margin;
    // Product, version and copyright beside the icon; a rule; the text; the buttons.
    const int productH = 10;
    const int versionY = margin + productH + 2;
    const int copyrightY = versionY + (r.version.empty() ? 0 : 10);
    const int copyrightH = r.copyright.empty() ? 0 : 8 * linesFor(r.copyright, textW);
    const int ruleY = std::max(copyrightY + copyrightH, margin + iconW) + 6;
    const int textY = ruleY + 7;
    const int textH = r.text.empty() ? 0 : 8 * linesFor(r.text, cx - 2 * margin);
    const int buttonY = (r.text.empty() ? ruleY + 2 : textY + textH) + 8;
    const int cy = buttonY + buttonH + margin;

    DialogTemplate about(r.title, cx, cy);
    about.add(kStaticClass, kIconItem, SS_ICON, margin, margin, iconW, iconW);
    about.add(kStaticClass, kProductItem, SS_LEFT | SS_NOPREFIX, textX, margin, textW, productH, r.productName);
    if (!r.version.empty())
        about.add(kStaticClass, kNoId, SS_LEFT | SS_NOPREFIX, textX, versionY, textW, 8, r.version);
    if (!r.copyright.empty())
        about.add(kStaticClass, kNoId, SS_LEFT | SS_NOPREFIX, textX, copyrightY, textW, copyrightH, r.copyright);
    about.add(kStaticClass, kNoId, SS_ETCHEDHORZ, margin, ruleY, cx - 2 * margin, 1);
    if (!r.text.empty())
        about.add(kStaticClass, kNoId, SS_LEFT | SS_NOPREFIX, margin, textY, cx - 2 * margin, textH, r.text);
    about.add(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, cx - margin - buttonW, buttonY, buttonW, buttonH, "OK");
    if (!r.customButtonCaption.empty())
        about.add(kButtonClass, kCustomButton, BS_PUSHBUTTON | WS_TABSTOP, margin, buttonY, buttonW, buttonH,
                  r.customButtonCaption);
    AboutState state{&r};
    runDialog(about, aboutProc, &state);
}

std::wstring fileDialogFilter(const std::string& filter) {
    if (filter.empty()) return {};
    std::wstring out = widen(filter);
    std::replace(out.begin(), out.end(), L'|', L'\0');
    if (out.back() != L'\0') out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

}  // namespace sv::win32
