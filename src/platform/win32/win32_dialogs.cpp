// Prompts on the real desktop: message boxes, the system's file and folder
// dialogs, and our own input and about dialogs (win32_dialog_forms.cpp).
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_dialog_forms.h"
#include "platform/win32/win32_services.h"

namespace sv::win32 {
namespace {

// Starts the folder browser at the folder it was given and shows the caller's
// title in its caption, where a user (and a test) looks for it.
int CALLBACK browseCallback(HWND hwnd, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED && data) {
        const auto* start = reinterpret_cast<const std::pair<std::wstring, std::wstring>*>(data);
        if (!start->second.empty()) {
            SendMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->second.c_str()));
            // Once more when the browser has filled its tree: on a busy machine
            // (seen under Wine) the first selection can come too early to stick.
            // The text lives until the browser returns, since the call is modal.
            PostMessageW(hwnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->second.c_str()));
        }
        if (!start->first.empty()) SetWindowTextW(hwnd, start->first.c_str());
    }
    return 0;
}

class Win32Dialogs : public IDialogs {
public:
    MsgAnswer messageBox(const MessageRequest& r) override {
        UINT type = static_cast<UINT>(r.buttons) | static_cast<UINT>(r.icon);
        if (r.systemModal) type |= MB_SYSTEMMODAL;
        // Owned by whatever window of ours is active, so the box stays on top of it
        // and disables it; with none active the box stands alone.
        const int answer = MessageBoxW(GetActiveWindow(), widen(r.text).c_str(), widen(r.title).c_str(), type);
        switch (answer) {
            case IDOK: return MsgAnswer::Ok;
            case IDYES: return MsgAnswer::Yes;
            case IDNO: return MsgAnswer::No;
            default: return MsgAnswer::Cancel;  // IDCANCEL, closed, or no box at all
        }
    }

    std::string inputBox(const std::string& title, const std::string& prompt, const std::string& defaultValue) override {
        return runInputDialog(title, prompt, defaultValue).value_or(defaultValue);
    }

    bool inputQuery(const std::string& title, const std::string& prompt, std::string& value) override {
        auto answer = runInputDialog(title, prompt, value);
        if (!answer) return false;
        value = std::move(*answer);
        return true;
    }

    std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                        const std::string& initialFolder, bool mustExist) override {
        const std::wstring wideFilter = fileDialogFilter(filter);
        const std::wstring wideTitle = widen(title), folder = widen(initialFolder);
        std::vector<wchar_t> file(32768, L'\0');  // room for a long path
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = GetActiveWindow();
        ofn.lpstrFilter = wideFilter.empty() ? nullptr : wideFilter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
        ofn.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
        // The dialog must not move the process's current folder under our feet.
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                    (mustExist ? OFN_FILEMUSTEXIST : 0);
        if (!GetOpenFileNameW(&ofn)) return std::nullopt;
        return narrowZ(file.data());
    }

    std::optional<std::string> browseFolder(const std::string& title, const std::string& initialFolder,
                                            bool allowCreate) override {
        // The new-style browser needs COM on this thread; the program starts it, but
        // a balanced start here costs nothing and keeps any thread safe.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        std::pair<std::wstring, std::wstring> start{widen(title), widen(initialFolder)};
        BROWSEINFOW bi{};
        bi.hwndOwner = GetActiveWindow();
        bi.lpszTitle = start.first.c_str();
        bi.ulFlags = BIF_NEWDIALOGSTYLE | BIF_RETURNONLYFSDIRS | (allowCreate ? 0 : BIF_NONEWFOLDERBUTTON);
        bi.lpfn = browseCallback;
        bi.lParam = reinterpret_cast<LPARAM>(&start);
        std::optional<std::string> result;
        if (PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi)) {
            std::vector<wchar_t> path(32768, L'\0');
            if (SHGetPathFromIDListEx(pidl, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT))
                result = narrowZ(path.data());
            CoTaskMemFree(pidl);
        }
        if (SUCCEEDED(com)) CoUninitialize();
        return result;
    }

    void aboutBox(const AboutRequest& request) override { runAboutDialog(request); }
};

}  // namespace

std::unique_ptr<IDialogs> makeDialogs() { return std::make_unique<Win32Dialogs>(); }

}  // namespace sv::win32
