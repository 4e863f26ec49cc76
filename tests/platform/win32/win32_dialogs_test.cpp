// Our own dialogs and the system's file and folder dialogs on the real desktop,
// answered by a helper thread that plays the user through window messages. Each
// dialog costs Wine a second or two, so there are only a few.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <atomic>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "platform/win32/text.h"
#include "platform/win32/win32_dialog_forms.h"
#include "platform/win32/win32_services.h"

namespace sv::test {
namespace {

using win32::narrow;
using win32::widen;

// A quit request left in this thread's queue by an earlier window test would
// end a dialog at once (Windows does that on purpose during shut-down).
void dropStrayQuit() {
    MSG stray;
    while (PeekMessageW(&stray, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

std::string itemText(HWND dlg, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dlg, id, text, 512);
    return narrow(text);
}

void press(HWND dlg, int id) { PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Plays the user: waits for the dialog titled `title`, then runs `act` on it from
// this helper thread. It gives up after about a minute.
class DialogUser {
public:
    DialogUser(const std::string& title, std::function<void(HWND)> act)
        : title_(widen(title)), act_(std::move(act)), thread_([this] { run(); }) {}
    ~DialogUser() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool found() const { return found_; }

private:
    void run() {
        for (int i = 0; i < 6000 && !stop_; ++i) {
            // Once it is on screen: its set-up (start folder, texts) is done by then.
            if (HWND dlg = FindWindowW(L"#32770", title_.c_str()); dlg && IsWindowVisible(dlg)) {
                found_ = true;
                act_(dlg);
                return;
            }
            Sleep(10);
        }
    }
    std::wstring title_;
    std::function<void(HWND)> act_;
    std::atomic<bool> found_{false}, stop_{false};
    std::thread thread_;
};

// Waits (briefly) for a condition another thread makes true.
bool waitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 3000; ++i) {
        if (done()) return true;
        Sleep(10);
    }
    return false;
}

// A fresh folder in the prefix's temp folder, removed with its files afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = narrow(temp) + "sv-dialogs-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(widen(path_).c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const auto& f : files_) DeleteFileW(widen(f).c_str());
        RemoveDirectoryW(widen(path_).c_str());
    }
    const std::string& path() const { return path_; }
    std::string addFile(const std::string& name) {
        const std::string full = path_ + "\\" + name;
        HANDLE h = CreateFileW(widen(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        files_.push_back(full);
        return full;
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

TEST(Win32Dialogs, FileFilterBecomesTheDoubleNulList) {
    using namespace std::string_literals;  // L"..."s keeps the embedded NULs
    EXPECT_EQ(win32::fileDialogFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*"),
              L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(win32::fileDialogFilter("Registry files|*.reg;*.txt|"), L"Registry files\0*.reg;*.txt\0\0"s);
    EXPECT_EQ(win32::fileDialogFilter(""), L"");
}

TEST(Win32Dialogs, TheInputDialogGivesTheTypedTextOnOkAndTheStartOnCancel) {
    dropStrayQuit();
    auto dialogs = win32::makeDialogs();
    std::string seenPrompt, seenStart;
    {
        DialogUser user("Sorvane \xE2\x80\x93 input", [&](HWND dlg) {
            seenPrompt = itemText(dlg, win32::kPromptItem);
            seenStart = itemText(dlg, win32::kEditItem);
            SetDlgItemTextW(dlg, win32::kEditItem, L"3 \u00E9t\u00E9s");
            press(dlg, IDOK);
        });
        EXPECT_EQ(dialogs->inputBox("Sorvane \xE2\x80\x93 input", "Days to keep:", "14"), "3 \xC3\xA9t\xC3\xA9s");
        EXPECT_TRUE(user.found());
    }
    EXPECT_EQ(seenPrompt, "Days to keep:");
    EXPECT_EQ(seenStart, "14");

    std::string value = "kept";
    DialogUser user("Sorvane \xE2\x80\x93 query", [&](HWND dlg) {
        SetDlgItemTextW(dlg, win32::kEditItem, L"typed, then cancelled");
        press(dlg, IDCANCEL);
    });
    EXPECT_FALSE(dialogs->inputQuery("Sorvane \xE2\x80\x93 query", "Name:", value));
    EXPECT_EQ(value, "kept");
}

TEST(Win32Dialogs, TheAboutBoxRunsTheCustomButtonAndStaysOpenUntilOk) {
    dropStrayQuit();
    auto dialogs = win32::makeDialogs();
    std::atomic<int> presses{0};
    std::atomic<bool> openAfterPress{false};
    std::string product;
    DialogUser user("About Sorvane", [&](HWND dlg) {
        product = itemText(dlg, win32::kProductItem);
        press(dlg, win32::kCustomButton);
        waitFor([&] { return presses.load() == 1; });
        openAfterPress = IsWindow(dlg) && IsWindowVisible(dlg);
        press(dlg, IDOK);
    });
    AboutRequest about{"About Sorvane", "Sorvane", "Version 1.0.0", "Copyright \xC2\xA9 2026",
                       "A maintenance suite.", "&Web Site", [&] { ++presses; }};
    dialogs->aboutBox(about);
    EXPECT_TRUE(user.found());
    EXPECT_EQ(product, "Sorvane");
    EXPECT_EQ(presses.load(), 1);
    EXPECT_TRUE(openAfterPress);
}

TEST(Win32Dialogs, TheOpenFileDialogStartsInTheFolderAndOffersTheFilter) {
    dropStrayQuit();
    ScratchFolder folder;
    const std::string file = folder.addFile("\xC3\xBC" "ber.txt");
    auto dialogs = win32::makeDialogs();
    LRESULT filterEntries = -1;
    DialogUser user("Sorvane open", [&](HWND dlg) {
        filterEntries = SendDlgItemMessageW(dlg, cmb1, CB_GETCOUNT, 0, 0);
        // The file name box: a combo box on newer systems, an edit on older ones.
        HWND name = GetDlgItem(dlg, cmb13);
        if (!name) name = GetDlgItem(dlg, edt1);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\u00FCber.txt"));
        press(dlg, IDOK);
    });
    EXPECT_EQ(dialogs->openFile("Sorvane open", "Text files (*.txt)|*.txt|All files (*.*)|*.*", folder.path(), true),
              file);
    EXPECT_TRUE(user.found());
    EXPECT_EQ(filterEntries, 2);
}

// Child buttons other than OK and Cancel that the user can see.
int extraButtons(HWND dlg) {
    struct Count {
        int n = 0;
    } count;
    EnumChildWindows(
        dlg,
        [](HWND child, LPARAM data) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            const int id = GetDlgCtrlID(child);
            if (lstrcmpiW(cls, L"Button") == 0 && IsWindowVisible(child) && id != IDOK && id != IDCANCEL)
                ++reinterpret_cast<Count*>(data)->n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

// The text of the folder tree's selected item (the browser selects the start
// folder after it is on screen, so a user's OK must wait for that).
std::wstring selectedTreeItem(HWND dlg) {
    HWND tree = FindWindowExW(dlg, nullptr, L"SysTreeView32", nullptr);
    if (!tree) {
        // The new-style browser keeps its tree one level down.
        for (HWND child = GetWindow(dlg, GW_CHILD); child && !tree; child = GetWindow(child, GW_HWNDNEXT))
            tree = FindWindowExW(child, nullptr, L"SysTreeView32", nullptr);
    }
    if (!tree) return {};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return {};
    wchar_t text[MAX_PATH] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

TEST(Win32Dialogs, TheFolderBrowserStartsAtTheFolderAndHasANewFolderButtonOnlyWhenAsked) {
    dropStrayQuit();
    ScratchFolder folder;
    auto dialogs = win32::makeDialogs();
    int buttonsWith = -1, buttonsWithout = -1;
    {
        const std::string path = folder.path();
        const std::wstring leaf = widen(path.substr(path.find_last_of('\\') + 1));
        DialogUser user("Sorvane folder", [&](HWND dlg) {
            buttonsWithout = extraButtons(dlg);
            waitFor([&] { return selectedTreeItem(dlg) == leaf; });
            press(dlg, IDOK);
        });
        EXPECT_EQ(dialogs->browseFolder("Sorvane folder", folder.path(), false), folder.path());
        EXPECT_TRUE(user.found());
    }
    DialogUser user("Sorvane new folder", [&](HWND dlg) {
        buttonsWith = extraButtons(dlg);
        press(dlg, IDCANCEL);
    });
    EXPECT_EQ(dialogs->browseFolder("Sorvane new folder", folder.path(), true), std::nullopt);
    EXPECT_EQ(buttonsWithout, 0);
    EXPECT_EQ(buttonsWith, 1);
}

}  // namespace
}  // namespace sv::test
