// Starting a program and waiting for it, on the real system: what the registry
// cleaner's backup relies on to tell a finished export from a failed one.
#include <gtest/gtest.h>

#include "platform/win32/win32_machine.h"

namespace sv::test {
namespace {

TEST(RunAndWaitWin32, ReportsAMissingProgramAndTheExitCodeOfOneThatRan) {
    win32::Win32Machine real;
    ISystem& sys = real.system();

    const ProcessOutcome missing = sys.runAndWait("sv-no-such-program.exe", "", 10000, {});
    EXPECT_FALSE(missing.started);
    EXPECT_EQ(missing.error, 2u);  // ERROR_FILE_NOT_FOUND
    EXPECT_FALSE(missing.succeeded());

    const ProcessOutcome failed = sys.runAndWait("cmd.exe", "/c exit 3", 60000, {});
    EXPECT_TRUE(failed.started);
    EXPECT_TRUE(failed.finished);
    EXPECT_EQ(failed.exitCode, 3u);
    EXPECT_FALSE(failed.succeeded());

    EXPECT_TRUE(sys.runAndWait("cmd.exe", "/c exit 0", 60000, {}).succeeded());
}

}  // namespace
}  // namespace sv::test
