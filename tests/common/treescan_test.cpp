// The directory tree scanner: event order, stopping, masks, hidden and system
// entries, links, and errors raised by handlers.
#include <stdexcept>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/treescan.h"
#include "platform/contract/contract.h"
#include "platform/ui/application.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Events = std::vector<std::string>;

// Records every event as one line, paths relative to `root`; a folder's end
// shows what fileFound still holds then.
Events& record(TTreeScanner& ts, Events& out, std::string root) {
    auto rel = [root](const std::string& p) { return p.rfind(root, 0) == 0 ? p.substr(root.size()) : "?" + p; };
    ts.onDirectoryFound = [&out, rel](TTreeScanner& s) { out.push_back("dir " + rel(s.fileFound())); };
    ts.onFileFound = [&out, rel](TTreeScanner& s) {
        out.push_back("file " + rel(s.fileFound()) + " " + std::to_string(s.fileSize()));
    };
    ts.onDirectoryDone = [&out, rel](TTreeScanner& s) { out.push_back("done " + rel(s.fileFound())); };
    ts.onSearchDone = [&out](TTreeScanner& s) { out.push_back(s.searchInProgress() ? "end (still searching)" : "end"); };
    return out;
}

// The example walk, written once and run on every backend: files b and a, then
// sub-folders Y and X with one file each; folders and files come sorted, files
// before sub-folders, and a file two masks match is reported once.
class TreeScanContract : public ContractTest {};

TEST_P(TreeScanContract, WalksInTheDocumentedOrder) {
    IFileSystem& fs = m().files();
    const std::string root = env().scratchFolder();
    ASSERT_TRUE(writeWholeFile(fs, root + "\\b.txt", "bb"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\a.txt", "a"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\c.log", "not matched"));
    for (const char* sub : {"Y", "X"}) {
        ASSERT_TRUE(fs.createFolder(root + "\\" + sub));
        ASSERT_TRUE(writeWholeFile(fs, root + "\\" + sub + "\\file.txt", sub));
    }
    TTreeScanner ts;
    ts.setInitialDirectory(root);  // no trailing backslash: the walk adds one
    ts.setFileMaskCommaText("*.txt a*");
    Events events;
    record(ts, events, root);
    ts.execute();
    EXPECT_THAT(events, ElementsAre("dir \\", "file \\a.txt 1", "file \\b.txt 2", "dir \\X\\", "file \\X\\file.txt 1",
                                    "done \\X\\file.txt", "dir \\Y\\", "file \\Y\\file.txt 1", "done \\Y\\file.txt",
                                    "done \\Y\\file.txt", "end"));
    EXPECT_EQ(ts.initialDirectory(), root + "\\");
}

TEST_P(TreeScanContract, AStopInAFileHandlerFinishesTheFolderAndEntersNoOther) {
    IFileSystem& fs = m().files();
    const std::string root = env().scratchFolder();
    ASSERT_TRUE(writeWholeFile(fs, root + "\\a.tmp", "a"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\b.tmp", "bb"));
    ASSERT_TRUE(fs.createFolder(root + "\\X"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\X\\c.tmp", "c"));
    TTreeScanner ts;
    ts.setInitialDirectory(root);
    ts.setFileMask("*.tmp");
    Events events;
    record(ts, events, root);
    auto report = ts.onFileFound;
    ts.onFileFound = [&](TTreeScanner& s) {
        report(s);
        s.continueScan = false;
    };
    ts.execute();
    EXPECT_THAT(events, ElementsAre("dir \\", "file \\a.tmp 1", "file \\b.tmp 2", "done \\b.tmp", "end"));
}

TEST_P(TreeScanContract, HiddenFilesAndFoldersOnlyWhenAsked) {
    IFileSystem& fs = m().files();
    const std::string root = env().scratchFolder();
    ASSERT_TRUE(writeWholeFile(fs, root + "\\shown.tmp", "s"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\hidden.tmp", "h"));
    ASSERT_TRUE(fs.createFolder(root + "\\Quiet"));
    ASSERT_TRUE(writeWholeFile(fs, root + "\\Quiet\\inside.tmp", "i"));
    fs.setAttributes(root + "\\hidden.tmp", attr::Hidden);
    fs.setAttributes(root + "\\Quiet", attr::Directory | attr::Hidden);
    if (!(fs.attributes(root + "\\hidden.tmp").value_or(0) & attr::Hidden) ||
        !(fs.attributes(root + "\\Quiet").value_or(0) & attr::Hidden))
        GTEST_SKIP() << "this file system keeps no hidden attribute";
    TTreeScanner ts;
    ts.setInitialDirectory(root);
    ts.setFileMask("*.tmp");
    Events events;
    record(ts, events, root);
    ts.execute();
    EXPECT_THAT(events, ElementsAre("dir \\", "file \\shown.tmp 1", "done \\shown.tmp", "end"));

    events.clear();
    ts.findHiddenFiles = true;
    ts.findHiddenFolders = true;
    ts.execute();
    EXPECT_THAT(events, ElementsAre("dir \\", "file \\hidden.tmp 1", "file \\shown.tmp 1", "dir \\Quiet\\",
                                    "file \\Quiet\\inside.tmp 1", "done \\Quiet\\inside.tmp",
                                    "done \\Quiet\\inside.tmp", "end"));
}

SV_CONTRACT_SUITE(TreeScanContract);

class TreeScan : public SimTest {
protected:
    void SetUp() override { m.fs().addFolder("C:\\t"); }
    Events walk(TTreeScanner& ts, const std::string& root = "C:\\t") {
        Events events;
        if (ts.initialDirectory().empty()) ts.setInitialDirectory(root);
        record(ts, events, "C:\\t");
        ts.execute();
        return events;
    }
};

TEST_F(TreeScan, StoppingEndsTheWalkAfterTheCurrentFolder) {
    m.fs().addFile("C:\\t\\a1.txt");
    m.fs().addFile("C:\\t\\a2.txt");
    m.fs().addFile("C:\\t\\S1\\s.txt");
    m.fs().addFile("C:\\t\\S1\\deeper\\d.txt");
    m.fs().addFolder("C:\\t\\S2");
    struct Case {
        const char* stopAt;  // the event line whose handler stops the walk
        Events expected;
    };
    const Case cases[] = {
        // The rest of the folder's files still come; nothing else is entered,
        // but the folders already entered end and the search ends.
        {"file \\a1.txt 0", {"dir \\", "file \\a1.txt 0", "file \\a2.txt 0", "done \\a2.txt", "end"}},
        {"dir \\S1\\",
         {"dir \\", "file \\a1.txt 0", "file \\a2.txt 0", "dir \\S1\\", "file \\S1\\s.txt 0", "done \\S1\\s.txt",
          "done \\S1\\s.txt", "end"}},
    };
    for (const auto& c : cases) {
        TTreeScanner ts;
        ts.setFileMask("*.*");
        Events events;
        record(ts, events, "C:\\t");
        auto fileFound = ts.onFileFound, dirFound = ts.onDirectoryFound;
        auto stopAfter = [&](const TTreeScanner::Event& e) {
            return [&, e](TTreeScanner& s) {
                e(s);
                if (events.back() == c.stopAt) s.continueScan = false;
            };
        };
        ts.onFileFound = stopAfter(fileFound);
        ts.onDirectoryFound = stopAfter(dirFound);
        ts.setInitialDirectory("C:\\t");
        ts.execute();
        EXPECT_THAT(events, ElementsAreArray(c.expected)) << c.stopAt;
        EXPECT_FALSE(ts.continueScan);  // the scanner never sets it back itself
    }
}

TEST_F(TreeScan, AStopPressedWhileMessagesRunEndsTheWalkBeforeTheNextFolder) {
    m.fs().addFile("C:\\t\\A\\a.txt");
    m.fs().addFile("C:\\t\\B\\b.txt");
    TTreeScanner ts;
    ts.setFileMask("*.*");
    Events events;
    record(ts, events, "C:\\t");
    ts.onFileFound = [&](TTreeScanner& s) {
        events.push_back("file " + s.fileFound().substr(4));
        // The user presses Stop; the click is handled on entering the next folder.
        ui::uiBackend().post([&s] { s.continueScan = false; });
    };
    ts.setInitialDirectory("C:\\t");
    ts.execute();
    EXPECT_THAT(events, ElementsAre("dir \\", "dir \\A\\", "file \\A\\a.txt", "done \\A\\a.txt", "done \\A\\a.txt", "end"));
}

TEST_F(TreeScan, MaskListIsSortedDistinctCommaText) {
    struct Case {
        std::string text;
        std::vector<std::string> masks;
        std::string readBack;
    };
    const Case cases[] = {
        {"~*.* *.tmp", {"*.tmp", "~*.*"}, "*.tmp,~*.*"},
        {"  *.TMP , *.tmp,\"a b.txt\"  ", {"*.TMP", "a b.txt"}, "*.TMP,\"a b.txt\""},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}, "\"say \"\"hi\"\"\",x"},
        {"a,,b", {"", "a", "b"}, ",a,b"},
        {"*.tmp,", {"", "*.tmp"}, ",*.tmp"},
        {"\"\"", {""}, "\"\""},
        {"\"a,b", {"a,b"}, "\"a,b\""},  // an unclosed quote runs to the end
        {"", {}, ""},
    };
    for (const auto& c : cases) {
        TTreeScanner ts;
        ts.setFileMaskCommaText(c.text);
        EXPECT_EQ(ts.masks(), c.masks) << c.text;
        EXPECT_EQ(ts.fileMaskCommaText(), c.readBack) << c.text;
        EXPECT_EQ(ts.fileMask(), c.masks.empty() ? "" : c.masks.front()) << c.text;
        TTreeScanner again;
        again.setFileMaskCommaText(ts.fileMaskCommaText());
        EXPECT_EQ(again.masks(), c.masks) << "round trip of " << c.text;
    }
    TTreeScanner ts;
    ts.setFileMaskCommaText("*.a,*.b");
    ts.setFileMask("*.log");
    EXPECT_THAT(ts.masks(), ElementsAre("*.log"));
}

TEST_F(TreeScan, FileMatchedByTwoMasksIsReportedOnce) {
    m.fs().addFile("C:\\t\\~a.tmp", "x");
    m.fs().addFile("C:\\t\\b.tmp");
    m.fs().addFile("C:\\t\\~c.txt");
    m.fs().addFile("C:\\t\\d.txt");
    TTreeScanner ts;
    ts.setFileMaskCommaText("*.tmp,~*.*");
    EXPECT_THAT(walk(ts), ElementsAre("dir \\", "file \\b.tmp 0", "file \\~a.tmp 1", "file \\~c.txt 0",
                                      "done \\~c.txt", "end"));
}

TEST_F(TreeScan, MaskSettersAreIgnoredDuringAWalk) {
    m.fs().addFile("C:\\t\\a.txt");
    m.fs().addFile("C:\\t\\b.log");
    m.fs().addFile("C:\\t\\S\\c.txt");
    TTreeScanner ts;
    ts.setFileMask("*.txt");
    ts.onDirectoryFound = [](TTreeScanner& s) {
        s.setFileMask("*.log");
        s.setFileMaskCommaText("*.log,*.ini");
    };
    Events files;
    ts.onFileFound = [&](TTreeScanner& s) { files.push_back(s.fileFound()); };
    ts.setInitialDirectory("C:\\t");
    ts.execute();
    EXPECT_THAT(files, ElementsAre("C:\\t\\a.txt", "C:\\t\\S\\c.txt"));
    EXPECT_EQ(ts.fileMaskCommaText(), "*.txt");
    ts.setFileMask("*.log");  // idle again: it takes
    EXPECT_EQ(ts.fileMask(), "*.log");
}

TEST_F(TreeScan, HiddenEntriesOnlyWhenAskedAndSystemFoldersNever) {
    m.fs().addFile("C:\\t\\plain.txt");
    m.fs().addFile("C:\\t\\hidden.txt", "", attr::Hidden);
    m.fs().addFile("C:\\t\\system.txt", "", attr::System);  // system files are files like any other
    for (const auto& [name, a] : {std::pair{"H", attr::Hidden}, {"S", attr::System}, {"HS", attr::Hidden | attr::System}}) {
        m.fs().addFile(std::string("C:\\t\\") + name + "\\in.txt");
        m.fs().setAttributes(std::string("C:\\t\\") + name, attr::Directory | a);
    }
    struct Case {
        bool hiddenFiles, hiddenFolders;
        Events expected;
    };
    const Case cases[] = {
        {false, false, {"dir \\", "file \\plain.txt 0", "file \\system.txt 0", "done \\system.txt", "end"}},
        {true, false,
         {"dir \\", "file \\hidden.txt 0", "file \\plain.txt 0", "file \\system.txt 0", "done \\system.txt", "end"}},
        {false, true,
         {"dir \\", "file \\plain.txt 0", "file \\system.txt 0", "dir \\H\\", "file \\H\\in.txt 0", "done \\H\\in.txt",
          "done \\H\\in.txt", "end"}},
    };
    for (const auto& c : cases) {
        TTreeScanner ts;
        ts.setFileMask("*.*");
        ts.findHiddenFiles = c.hiddenFiles;
        ts.findHiddenFolders = c.hiddenFolders;
        EXPECT_THAT(walk(ts), ElementsAreArray(c.expected)) << c.hiddenFiles << c.hiddenFolders;
    }
}

TEST_F(TreeScan, WalkShapes) {
    m.fs().addFile("C:\\t\\top.txt");
    m.fs().addFile("C:\\t\\B\\b.txt");
    m.fs().addFile("C:\\t\\A\\a.txt");
    m.fs().addFile("C:\\t\\A\\deep\\x.txt");
    m.fs().addFolder("C:\\work");
    m.fs().setCurrentFolder("C:\\work");
    struct Case {
        const char* name;
        std::string start, masks;
        bool recursive;
        Events expected;
    };
    const Case cases[] = {
        // Sub-folders are reported but not entered, and have no end of their own.
        {"not recursive", "C:\\t\\", "*.*", false,
         {"dir \\", "file \\top.txt 0", "dir \\A\\", "dir \\B\\", "done \\B\\", "end"}},
        // Without masks no file matches, but every folder is still walked.
        {"no masks", "C:\\t", "", true,
         {"dir \\", "dir \\A\\", "dir \\A\\deep\\", "done \\A\\deep\\", "done \\A\\deep\\", "dir \\B\\", "done \\B\\",
          "done \\B\\", "end"}},
        // A missing folder is still reported once, with its backslash.
        {"missing", "C:\\t\\nope", "*.*", true, {"dir \\nope\\", "done \\nope\\", "end"}},
        {"current folder", "", "*.*", true, {"dir ?C:\\work\\", "done ?C:\\work\\", "end"}},
    };
    for (const auto& c : cases) {
        TTreeScanner ts;
        ts.setFileMaskCommaText(c.masks);
        ts.recursive = c.recursive;
        ts.setInitialDirectory(c.start);
        Events events;
        record(ts, events, "C:\\t");
        ts.execute();
        EXPECT_THAT(events, ElementsAreArray(c.expected)) << c.name;
        EXPECT_EQ(ts.initialDirectory().back(), '\\') << c.name;
    }
}

TEST_F(TreeScan, LinkedFoldersAreNeitherReportedNorEntered) {
    m.fs().addFile("C:\\t\\a.txt");
    m.fs().addFile("C:\\elsewhere\\precious.txt");
    m.fs().addFolderLink("C:\\t\\loop", "C:\\t");
    m.fs().addFolderLink("C:\\t\\other", "C:\\elsewhere");
    TTreeScanner ts;
    ts.setFileMask("*.*");
    ts.findHiddenFolders = true;
    EXPECT_THAT(walk(ts), ElementsAre("dir \\", "file \\a.txt 0", "done \\a.txt", "end"));
    // The link itself is the starting point: the walk goes where the user pointed.
    TTreeScanner direct;
    direct.setFileMask("*.*");
    direct.setInitialDirectory("C:\\t\\other");
    EXPECT_THAT(walk(direct), ElementsAre("dir \\other\\", "file \\other\\precious.txt 0", "done \\other\\precious.txt", "end"));
}

TEST_F(TreeScan, BigFilesReportTheirTrueSize) {
    m.fs().addSizedFile("C:\\t\\big.bin", 5ULL << 30);
    TTreeScanner ts;
    ts.setFileMask("*.bin");
    EXPECT_THAT(walk(ts), ElementsAre("dir \\", "file \\big.bin 5368709120", "done \\big.bin", "end"));
}

TEST_F(TreeScan, AnErrorInAHandlerEndsTheWalkAndReachesTheCaller) {
    m.fs().addFile("C:\\t\\a.txt");
    m.fs().addFile("C:\\t\\b.txt");
    TTreeScanner ts;
    ts.setFileMask("*.txt");
    Events events;
    record(ts, events, "C:\\t");
    ts.onFileFound = [&](TTreeScanner& s) {
        events.push_back("file " + s.fileFound().substr(4));
        throw std::runtime_error("disk full");
    };
    ts.setInitialDirectory("C:\\t");
    EXPECT_THROW(ts.execute(), std::runtime_error);
    EXPECT_THAT(events, ElementsAre("dir \\", "file \\a.txt"));
    EXPECT_TRUE(ts.searchInProgress());
}

}  // namespace
}  // namespace sv::test
