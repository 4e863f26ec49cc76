// The scanner on the real file system with folder links that only the Unix side
// can make under Wine (CreateSymbolicLinkW reports success there but creates
// nothing). tests/e2e/treescan_links.sh builds the tree with `ln -s` and runs
// this case with SV_TREESCAN_LINK_TREE naming its root.
#include <cstdlib>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/treescan.h"
#include "platform/machine.h"
#include "platform/win32/win32_machine.h"

namespace sv::test {
namespace {

TEST(TreeScanWin32, FolderLinksAreNeitherReportedNorEntered) {
    const char* root = std::getenv("SV_TREESCAN_LINK_TREE");
    if (!root) GTEST_SKIP() << "needs the tree tests/e2e/treescan_links.sh makes";
    win32::Win32Machine real;
    MachineGuard guard{real};

    // root\a.txt, root\sub\b.txt, root\loop -> root, root\elsewhere -> a folder
    // beside root holding precious.txt.
    const std::string base = std::string(root) + "\\";
    FindData d;
    ASSERT_NE(real.files().findFirstFast(base + "loop", d), nullptr);
    EXPECT_EQ(d.attributes & (attr::Directory | attr::ReparsePoint), attr::Directory | attr::ReparsePoint);

    TTreeScanner ts;
    ts.setInitialDirectory(root);
    ts.setFileMask("*.*");
    ts.findHiddenFiles = ts.findHiddenFolders = true;
    std::vector<std::string> events;
    ts.onDirectoryFound = [&](TTreeScanner& s) { events.push_back("dir " + s.fileFound().substr(base.size())); };
    ts.onFileFound = [&](TTreeScanner& s) { events.push_back("file " + s.fileFound().substr(base.size())); };
    ts.onDirectoryDone = [&](TTreeScanner&) { events.push_back("done"); };
    ts.execute();
    EXPECT_THAT(events, ::testing::ElementsAre("dir ", "file a.txt", "dir sub\\", "file sub\\b.txt", "done", "done"));
}

}  // namespace
}  // namespace sv::test
