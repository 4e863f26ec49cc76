// The simulated file system's own set-up helpers and the Windows rules the
// contract cannot reach on every backend (8.3 aliases, odd masks, drives, links).
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/sim_machine.h"

namespace sv::sim {
namespace {

std::vector<std::string> names(SimFileSystem& fs, const std::string& pattern) {
    std::vector<std::string> out;
    FindData d;
    auto h = fs.findFirst(pattern, d);
    if (!h) return out;
    do out.push_back(d.name);
    while (h->next(d));
    return out;
}

std::string shortOf(SimFileSystem& fs, const std::string& path) {
    FindData d;
    auto h = fs.findFirst(path, d);
    return h ? d.shortName : "<missing>";
}

class SimFilesTest : public ::testing::Test {
protected:
    SimMachine m;
    SimFileSystem& fs = m.fs();
};

TEST_F(SimFilesTest, ANewMachineLooksLikeAFreshWindowsInstall) {
    EXPECT_EQ(fs.logicalDrives(), 1u << 2);
    EXPECT_EQ(fs.volumeLabel("C:\\"), "");
    for (const char* f : {"C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\Temp", "C:\\Program Files\\Sorvane"})
        EXPECT_TRUE(fs.folderExists(f)) << f;
    EXPECT_TRUE(fs.fileExists(m.sys().executablePath()));
    EXPECT_EQ(fs.tempPath(), "C:\\Windows\\Temp\\");
    EXPECT_EQ(fs.systemFolder(), "C:\\Windows\\System32");
    EXPECT_EQ(fs.currentFolder(), "C:\\Program Files\\Sorvane");
    EXPECT_EQ(*fs.attributes("C:\\"), attr::Directory | attr::Hidden | attr::System);
    EXPECT_EQ(names(fs, "C:\\*"), (std::vector<std::string>{"Program Files", "Windows"})) << "a root has no . or ..";
    m.sys().setEnv("TMP", "D:\\tmp");
    EXPECT_EQ(fs.tempPath(), "D:\\tmp\\");
}

TEST_F(SimFilesTest, LongNamesGetShortAliasesLikeWindows) {
    fs.addFolder("C:\\Program Files (x86)");
    fs.addFile("C:\\data\\a b.txt");
    fs.addFile("C:\\data\\readme.txt");
    fs.addFile("C:\\data\\Lower.Txt");
    fs.addFile("C:\\data\\archive.tar.gz");
    fs.addFile("C:\\data\\.gitignore");
    for (int i = 1; i <= 6; ++i) fs.addFile("C:\\data\\Document number " + std::to_string(i) + ".docx");
    const struct {
        const char* path;
        const char* alias;
    } cases[] = {
        {"C:\\Program Files", "PROGRA~1"},
        {"C:\\Program Files (x86)", "PROGRA~2"},
        {"C:\\data\\a b.txt", "AB~1.TXT"},
        {"C:\\data\\readme.txt", ""},  // already 8.3: no alias, whatever the case
        {"C:\\data\\Lower.Txt", ""},
        {"C:\\data\\archive.tar.gz", "ARCHIV~1.GZ"},
        {"C:\\data\\.gitignore", "GITIGN~1"},
        {"C:\\data\\Document number 1.docx", "DOCUME~1.DOC"},
        {"C:\\data\\Document number 4.docx", "DOCUME~4.DOC"},
    };
    for (const auto& c : cases) EXPECT_EQ(shortOf(fs, c.path), c.alias) << c.path;
    // Past the fourth, a hash of the long name keeps aliases apart.
    const std::string fifth = shortOf(fs, "C:\\data\\Document number 5.docx");
    const std::string sixth = shortOf(fs, "C:\\data\\Document number 6.docx");
    EXPECT_EQ(fifth.size(), 12u) << fifth;
    EXPECT_EQ(fifth.substr(0, 2), "DO");
    EXPECT_NE(fifth, sixth);

    EXPECT_TRUE(fs.fileExists("C:\\PROGRA~1\\Sorvane\\Sorvane.exe")) << "an alias opens the file";
    EXPECT_EQ(fs.shortPathName("C:\\Program Files\\Sorvane\\Sorvane.exe"), "C:\\PROGRA~1\\Sorvane\\Sorvane.exe");
    EXPECT_EQ(fs.shortPathName("c:\\program files\\"), "c:\\PROGRA~1\\");
    ASSERT_TRUE(fs.moveFile("C:\\data\\a b.txt", "C:\\data\\c d.txt"));
    EXPECT_EQ(shortOf(fs, "C:\\data\\c d.txt"), "CD~1.TXT") << "a renamed file gets a new alias";
}

TEST_F(SimFilesTest, MasksFollowTheDosWildcardRules) {
    for (const char* f : {"noext", "a.txt", "ab.txt", "LongFileName.html", "x.tx~", "file.", "f.t"}) fs.addFile(std::string("C:\\m\\") + f);
    using V = std::vector<std::string>;
    const struct {
        const char* mask;
        V expected;
    } cases[] = {
        {"*.", {"file", "noext"}},             // no extension ("file." is stored as "file")
        {"noext?", {"noext"}},                 // '?' may match nothing at the end
        {"a?.txt", {"a.txt", "ab.txt"}},       // ... or before the dot
        {"?.?", {"f.t"}},                      // one-letter names, one-letter extension or none
        {"*.htm", {"LongFileName.html"}},      // matched through its alias LONGFI~1.HTM
        {"*.??~", {"x.tx~"}},
        {"*.t*", {"a.txt", "ab.txt", "f.t", "x.tx~"}},
        {"a.*", {"a.txt"}},
    };
    for (const auto& c : cases) {
        V got;
        for (auto& n : names(fs, std::string("C:\\m\\") + c.mask))
            if (n != "." && n != "..") got.push_back(n);
        std::sort(got.begin(), got.end());
        V want = c.expected;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want) << c.mask;
    }
}

TEST_F(SimFilesTest, AFolderLinkShowsItsTargetAndGoesAloneWhenRemoved) {
    fs.addFile("C:\\real\\inside.txt", "x");
    fs.addFolderLink("C:\\link", "C:\\real");
    EXPECT_EQ(*fs.attributes("C:\\link"), attr::Directory | attr::ReparsePoint);
    EXPECT_TRUE(fs.fileExists("C:\\link\\inside.txt"));
    EXPECT_EQ(names(fs, "C:\\link\\*.txt"), std::vector<std::string>{"inside.txt"});
    EXPECT_TRUE(fs.removeFolder("C:\\link"));
    EXPECT_FALSE(fs.exists("C:\\link"));
    EXPECT_TRUE(fs.fileExists("C:\\real\\inside.txt"));
}

TEST_F(SimFilesTest, DrivesHaveTypesLabelsAndSpace) {
    fs.addDrive('D', DriveType::Fixed, "Data", 1000ULL << 20, 4000ULL << 20);
    fs.addDrive('e', DriveType::CdRom, "DISC");
    fs.addDrive('A', DriveType::Removable);
    fs.addDrive('N', DriveType::Remote);
    fs.addDrive('R', DriveType::RamDisk);
    EXPECT_EQ(fs.logicalDrives(), (1u << 0) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 13) | (1u << 17));
    EXPECT_EQ(fs.driveType("E:\\"), DriveType::CdRom);
    EXPECT_EQ(fs.driveType("R:\\"), DriveType::RamDisk);
    EXPECT_EQ(fs.driveType("Q:\\"), DriveType::NoRootDir);
    EXPECT_EQ(fs.driveType("C:\\Windows"), DriveType::NoRootDir);
    EXPECT_EQ(fs.volumeLabel("D:\\"), "Data");
    auto d = fs.diskFree("D:\\");
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->freeBytes, 1000ULL << 20);
    EXPECT_EQ(d->totalBytes, 4000ULL << 20);
    EXPECT_EQ(uint64_t{d->freeClusters} * d->sectorsPerCluster * d->bytesPerSector, d->freeBytes);
    fs.setFreeSpace('D', 5);
    EXPECT_EQ(fs.diskFree("D:\\")->freeBytes, 5u);

    EXPECT_FALSE(fs.createFolder("E:\\new")) << "a CD cannot be written";
    EXPECT_EQ(fs.openWrite("E:\\f.txt", false), nullptr);
    fs.removeDrive('D');
    EXPECT_EQ(fs.driveType("D:\\"), DriveType::NoRootDir);
    EXPECT_EQ(fs.diskFree("D:\\"), std::nullopt);
}

TEST_F(SimFilesTest, HugeFilesLocksAndHiddenFiles) {
    const uint64_t size = (5ULL << 30) + 7;
    fs.addSizedFile("C:\\big.bin", size);
    FindData d;
    ASSERT_NE(fs.findFirst("C:\\big.bin", d), nullptr);
    EXPECT_EQ(d.size, size);
    EXPECT_EQ(fs.fileSize("C:\\big.bin"), size);
    char buf[4] = {1, 1, 1, 1};
    EXPECT_EQ(fs.openRead("C:\\big.bin")->read(buf, 4), 4u);
    EXPECT_EQ(buf[0], 0);

    fs.addFile("C:\\busy.txt", "b");
    EXPECT_TRUE(fs.lock("C:\\busy.txt"));
    EXPECT_EQ(fs.openWrite("C:\\busy.txt", true), nullptr);
    EXPECT_FALSE(fs.setFileTimes("C:\\busy.txt", FileTimes{}));
    EXPECT_TRUE(fs.unlock("C:\\busy.txt"));
    EXPECT_FALSE(fs.unlock("C:\\busy.txt"));
    EXPECT_FALSE(fs.lock("C:\\missing.txt"));

    // Re-creating a hidden or system file is refused; appending to it is not.
    fs.addFile("C:\\hidden.dat", "h", attr::Hidden);
    EXPECT_EQ(fs.openWrite("C:\\hidden.dat", false), nullptr);
    EXPECT_NE(fs.openWrite("C:\\hidden.dat", true), nullptr);
    EXPECT_EQ(*fs.attributes("C:\\hidden.dat"), attr::Hidden);
    fs.addFile("C:\\plain.dat", "p", 0);
    EXPECT_EQ(*fs.attributes("C:\\plain.dat"), attr::Normal) << "no attribute at all reads as Normal";
}

TEST_F(SimFilesTest, TestHelpersBuildTreesAndStampThem) {
    const FileTime old = systemTimeToFileTime({2001, 2, 3, 4, 5, 6});
    fs.addFile("C:\\t\\sub\\a.txt", "abc", attr::Archive | attr::ReadOnly, old);
    EXPECT_EQ(fs.contents("C:\\T\\SUB\\A.TXT"), "abc");
    EXPECT_EQ(fs.fileTimes("C:\\t\\sub\\a.txt")->lastWrite, old);
    EXPECT_EQ(fs.fileTimes("C:\\t\\sub\\a.txt")->creation, old);
    EXPECT_EQ(fs.listTree("C:\\t"), (std::vector<std::string>{"C:\\t\\sub", "C:\\t\\sub\\a.txt"}));
    EXPECT_THROW(fs.addFile("Q:\\nowhere.txt"), std::logic_error);
    EXPECT_THROW(fs.addFolder("C:\\t\\sub\\a.txt\\below"), std::logic_error);

    // Relative paths and forward slashes work as on Windows.
    ASSERT_TRUE(fs.setCurrentFolder("C:\\t"));
    EXPECT_TRUE(fs.fileExists("sub/a.txt"));
    EXPECT_TRUE(fs.fileExists("..\\t\\.\\sub\\a.txt"));
    EXPECT_FALSE(fs.removeFolder("C:\\t")) << "the current folder is in use";
}

}  // namespace
}  // namespace sv::sim
