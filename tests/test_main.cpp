#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The real shell and controls need what the program itself sets up first.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#ifdef _WIN32
    OleUninitialize();
#endif
    return result;
}
