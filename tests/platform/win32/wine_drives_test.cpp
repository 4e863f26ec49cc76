// The drive that is the host's whole file system under Wine must be known as
// such: no default may check it and no unattended run may walk it.
#include <gtest/gtest.h>

#include "platform/machine.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/wine.h"

namespace sv::test {
namespace {

TEST(WineDrives, OnlyTheHostRootDriveMapsTheWholeHostFileSystem) {
    if (!win32::runningUnderWine()) GTEST_SKIP() << "Windows has no such drive";
    win32::Win32Machine real;
    IFileSystem& fs = real.files();
    EXPECT_TRUE(fs.mapsWholeHostFileSystem("Z:\\"));
    EXPECT_TRUE(fs.mapsWholeHostFileSystem("z:"));
    EXPECT_FALSE(fs.mapsWholeHostFileSystem("C:\\"));
    EXPECT_FALSE(fs.mapsWholeHostFileSystem(""));
}

}  // namespace
}  // namespace sv::test
