// The deferred clean-up's progress window as a real Win32 window.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/regaccess.h"
#include "platform/win32/ui_win32.h"
#include "shell/program.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

using CompleteCacheWindowTest = SimTest;

TEST_F(CompleteCacheWindowTest, ProgressWindowIsShownBottomRightWhileTheFoldersAreEmptied) {
    auto backend = win32::makeWin32UiBackend();
    ui::UiBackend* previous = ui::installUiBackend(backend.get());
    m.fs().addFolder("C:\\cookies");
    m.fs().addFile("C:\\cookies\\a.txt", "x");
    RegAccess(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\privacy", true).writeString("Cookies", "C:\\cookies");

    bool seen = false;
    RECT rect{};
    bool cancelVisible = true;
    std::wstring status;
    // Runs at the first processMessages after the window is shown.
    backend->post([&] {
        HWND hwnd = FindWindowW(L"SorvaneForm", L"Scheduled Maintenance Progress");
        ASSERT_NE(hwnd, nullptr);
        seen = IsWindowVisible(hwnd);
        GetWindowRect(hwnd, &rect);
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t text[128];
            GetWindowTextW(child, text, 128);
            if (std::wstring(text) == L"Cancel") cancelVisible = IsWindowVisible(child);
        }
    });
    RunProgram({"/CompleteCache"});
    ui::installUiBackend(previous);
    // The run told the application to end; that is for a real process, not this one.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }

    EXPECT_TRUE(seen);
    EXPECT_EQ(rect.left, 1024 - 258);
    EXPECT_EQ(rect.top, 768 - 82);
    EXPECT_EQ(rect.right - rect.left, 258);
    EXPECT_EQ(rect.bottom - rect.top, 55);
    EXPECT_FALSE(cancelVisible);
    EXPECT_EQ(FindWindowW(L"SorvaneForm", L"Scheduled Maintenance Progress"), nullptr) << "the window outlived the run";
    EXPECT_FALSE(m.fs().exists("C:\\cookies\\a.txt"));
}

}  // namespace
}  // namespace sv::test
