#include "common/filefunc.h"

#include "support/sim_test.h"

namespace sv::test {
namespace {

using FileFuncTest = SimTest;

TEST_F(FileFuncTest, AdministratorIsAnyoneOn9xAndMembersOfTheGroupOnNt) {
    struct Case {
        OsFamily family;
        std::optional<bool> token;
        bool expected;
    } cases[] = {
        {OsFamily::Win9x, false, true},        {OsFamily::Win9x, std::nullopt, true}, {OsFamily::WinNT, true, true},
        {OsFamily::WinNT, false, false},       {OsFamily::WinNT, std::nullopt, false},
    };
    for (const auto& c : cases) {
        m.sys().setOsFamily(c.family);
        m.sys().setAdministrator(c.token);
        EXPECT_EQ(IsAdministrator(), c.expected);
    }
}

TEST_F(FileFuncTest, MessagesUseTheirExactTexts) {
    m.dlg().expectMessage(
        "Sorvane was unable to access the System Registry.\r\rIf you are running under Windows NT you must be "
        "logged in as an \"Administrator\" in order to access this function.",
        MsgAnswer::Ok);
    ShowRegistryAccessError();

    const std::string lead = "You may not use the following characters in this type of entry's description";
    m.dlg().expectMessage(lead + ": \\ / : * ? \" < > |", MsgAnswer::Ok);
    EXPECT_FALSE(IsValidFileName("My/Entry", lead));
    EXPECT_TRUE(IsValidFileName("My Entry 2", lead));  // no message
}

TEST_F(FileFuncTest, FileIsLockedWhenItCannotBeOpenedExclusivelyForWriting) {
    m.fs().addFolder("C:\\data");
    m.fs().addFile("C:\\data\\free.txt", "x");
    m.fs().addFile("C:\\data\\readonly.txt", "x", attr::ReadOnly);
    m.fs().addFile("C:\\data\\busy.txt", "x");
    m.fs().lock("C:\\data\\busy.txt");
    EXPECT_FALSE(IsFileLocked("C:\\data\\free.txt"));
    EXPECT_TRUE(IsFileLocked("C:\\data\\readonly.txt"));
    EXPECT_TRUE(IsFileLocked("C:\\data\\busy.txt"));
    EXPECT_TRUE(IsFileLocked("C:\\data\\missing.txt"));
}

TEST_F(FileFuncTest, SystemFoldersAndExpansion) {
    EXPECT_EQ(ExpandEnvironment("%WINDIR%\\Fonts"), "C:\\Windows\\Fonts");
    EXPECT_EQ(ExpandEnvironment("C:\\plain\\path"), "C:\\plain\\path");
    EXPECT_EQ(GetWindowsFolder(), "C:\\Windows");
    EXPECT_EQ(GetTempDirectory(), "C:\\Windows\\Temp\\");

    EXPECT_EQ(GetStartUpFolder(), "");
    EXPECT_FALSE(m.reg().keyExists(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"));
    m.reg()
        .openKey(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", true)
        ->writeValue("StartUp", RegValue::text("C:\\Users\\me\\Start Menu\\Programs\\StartUp"));
    EXPECT_EQ(GetStartUpFolder(), "C:\\Users\\me\\Start Menu\\Programs\\StartUp");
}

TEST_F(FileFuncTest, FolderEmptiness) {
    m.fs().addFolder("C:\\empty");
    m.fs().addFolder("C:\\full");
    m.fs().addFile("C:\\full\\a.txt");
    m.fs().addDrive('D', DriveType::Fixed, "");
    m.fs().addFile("D:\\only.txt");
    EXPECT_TRUE(IsFolderEmpty("C:\\empty\\"));
    EXPECT_FALSE(IsFolderEmpty("C:\\full\\"));
    EXPECT_TRUE(IsFolderEmpty("C:\\missing\\"));
    // A drive's root has no "." entry: its single file still counts.
    EXPECT_FALSE(IsFolderEmpty("D:\\"));
}

TEST_F(FileFuncTest, DeleteFolderContentsEmptiesButKeepsTheFolder) {
    m.fs().addFolder("C:\\cache");
    m.fs().addFile("C:\\cache\\index.dat", "idx");
    m.fs().addFolder("C:\\cache\\sub");
    m.fs().addFile("C:\\cache\\sub\\page.htm", "<p>");
    EXPECT_TRUE(DeleteFolderContents("C:\\cache", false));
    EXPECT_TRUE(m.fs().folderExists("C:\\cache"));
    EXPECT_TRUE(IsFolderEmpty("C:\\cache\\"));
    EXPECT_TRUE(m.sh().recycleBin().empty());

    m.fs().addFile("C:\\cache\\again.htm", "<p>");
    EXPECT_TRUE(DeleteFolderContents("C:\\cache", true));
    EXPECT_TRUE(IsFolderEmpty("C:\\cache\\"));
    EXPECT_EQ(m.sh().recycleBin().size(), 1u);
}

TEST_F(FileFuncTest, DeleteFolderContentsRefusesMissingFoldersAndWholeDrives) {
    m.fs().addFile("C:\\keep.txt");
    EXPECT_FALSE(DeleteFolderContents("C:\\missing", false));
    EXPECT_FALSE(DeleteFolderContents("C:", false));
    EXPECT_FALSE(DeleteFolderContents("C:\\", false));
    EXPECT_TRUE(m.fs().fileExists("C:\\keep.txt"));
    EXPECT_TRUE(m.sh().operations().empty());
}

TEST_F(FileFuncTest, LastAccessDateIsLocalAndLeftAsItWas) {
    m.sys().setUtcOffsetMinutes(120);
    m.fs().addFolder("C:\\data");
    m.fs().addFile("C:\\data\\old.doc", "x");
    FileTimes t;
    t.lastAccess = systemTimeToFileTime(SystemTime{2025, 6, 1, 10, 30, 0});
    ASSERT_TRUE(m.fs().setFileTimes("C:\\data\\old.doc", t));

    const double date = GetLastAccessDate("C:\\data\\old.doc");
    EXPECT_EQ(oleDateToSystemTime(date), (SystemTime{2025, 6, 1, 12, 30, 0}));
    EXPECT_EQ(m.fs().fileTimes("C:\\data\\old.doc")->lastAccess, t.lastAccess);
    EXPECT_EQ(GetLastAccessDate("C:\\data\\missing.doc"), 0.0);
}

TEST_F(FileFuncTest, TotalFreeSpaceAddsFixedDrivesCToYIn64Bits) {
    m.fs().setFreeSpace('C', 10ULL << 30);
    m.fs().addDrive('A', DriveType::Removable, "", 1ULL << 20);
    m.fs().addDrive('D', DriveType::Fixed, "", 5ULL << 30);
    m.fs().addDrive('E', DriveType::CdRom, "", 1ULL << 30);
    m.fs().addDrive('N', DriveType::Remote, "", 1ULL << 30);
    m.fs().addDrive('Z', DriveType::Fixed, "", 1ULL << 40);
    EXPECT_EQ(TotalFreeSpace(), int64_t{15} << 30);
}

TEST_F(FileFuncTest, ShortNamesOfExistingPaths) {
    m.fs().addFolder("C:\\Program Files\\Long Folder Name");
    EXPECT_EQ(GetShortFileName("C:\\Program Files\\Long Folder Name"), "C:\\PROGRA~1\\LONGFO~1");
    EXPECT_EQ(GetShortFileName("C:\\nowhere\\at all"), "C:\\nowhere\\at all");
}

}  // namespace
}  // namespace sv::test
