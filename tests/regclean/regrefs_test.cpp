// The registry cleaner's rules on a simulated machine: which texts are dead
// references, which shared-DLL counters are orphaned, and the row caption and
// time forms that the removal reads back.
#include "regclean/regrefs.h"

#include "support/sim_test.h"

namespace sv::test {
namespace {

using regclean::IsOrphanedSharedDll;
using regclean::IsValidReference;

// C: fixed with C:\Windows\win.ini and C:\Data\a.dll; D: a CD-ROM, N: a network
// drive, E: a second fixed drive, F: removable; A: a floppy.
class RegRefsTest : public SimTest {
protected:
    RegRefsTest() {
        m.fs().addFile("C:\\Windows\\win.ini");
        m.fs().addFile("C:\\Data\\a.dll");
        m.fs().addDrive('A', DriveType::Removable);
        m.fs().addDrive('D', DriveType::CdRom);
        m.fs().addDrive('E', DriveType::Fixed);
        m.fs().addDrive('F', DriveType::Removable);
        m.fs().addDrive('N', DriveType::Remote);
        m.fs().setCurrentFolder("C:\\Windows");
    }
};

struct ReferenceCase {
    const char* text;
    bool valid;
    const char* why;
};

TEST_F(RegRefsTest, OnlyAMissingPathOfTheExactFixedDriveShapeIsInvalid) {
    const ReferenceCase cases[] = {
        // The shape that is judged, and what it finds.
        {"C:\\Windows", true, "existing folder"},
        {"C:\\Windows\\", true, "existing folder with backslash"},
        {"C:\\NoSuchFolder", false, "missing folder (no extension)"},
        {"C:\\NoSuchFolder\\", false, "missing folder with backslash"},
        {"C:\\Windows\\win.ini", true, "existing file"},
        {"C:\\Windows\\nosuch.ini", false, "missing file in an existing folder"},
        {"C:\\NoFolder\\file.txt", false, "file in a missing folder"},
        {"c:\\missing.dll", false, "lower-case drive letter is judged alike"},
        {"C:\\Data\\a.dll", true, "existing file below the root"},
        {"C:\\a.b\\sub", false, "the last of . \\ : decides: a folder"},
        {"C:\\Data\\a.dll\\2", true, "a resource of a library that is there"},
        {"C:\\Data\\a.dll\\x\\y.tlb", true, "inside a file that is there"},
        {"C:\\Data\\gone.dll\\2", false, "a resource of a library that is gone"},
        {"E:\\gone.txt", false, "any fixed drive"},
        // Everything else is valid without looking.
        {"", true, "empty"},
        {"C:", true, "shorter than 3"},
        {"A:\\setup.exe", true, "drive A: never judged"},
        {"B:\\x", true, "drive B: never judged"},
        {"C:\\Program Files\\x.exe", true, "contains a blank"},
        {"C:\\a.dll,1", true, "contains a comma (icon reference)"},
        {"C:\\a;C:\\b", true, "contains a semicolon (a list)"},
        {"%SystemRoot%\\x.dll", true, "environment reference"},
        {"\\\\server\\share\\x.dll", true, "network path"},
        {"C:missing.dll", true, "no backslash after the colon"},
        {"1:\\x.dll", true, "not a drive letter"},
        {"D:\\gone.dll", true, "CD-ROM drive is not fixed"},
        {"F:\\gone.dll", true, "removable drive is not fixed"},
        {"G:\\gone.dll", true, "no such drive"},
        {"N:\\gone.dll", true, "network drive"},
        {"C:\\Windows\\Temp\\*.tmp", true, "a mask names no single file"},
        {"just words", true, "not a path at all"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidReference(c.text, m.fs(), true), c.valid) << c.text << " (" << c.why << ")";
        EXPECT_EQ(IsValidReference(c.text, m.fs(), false), c.valid) << c.text << " without exclusion";
    }
    EXPECT_EQ(m.fs().currentFolder(), "C:\\Windows") << "the folder tests must leave the current folder alone";
}

TEST_F(RegRefsTest, SharedDllEntriesAreJudgedByExistenceAloneUnlessOnCdOrNetwork) {
    m.fs().addFolder("C:\\Program Files\\Common Files\\Shared");
    const struct {
        const char* path;
        bool orphanedExcluding, orphanedIncluding;
    } cases[] = {
        {"C:\\Data\\a.dll", false, false},
        {"C:\\Data\\gone.dll", true, true},
        {"C:\\Program Files\\gone.dll", true, true},  // blanks are judged here
        {"A:\\x.dll", true, true},                    // and floppies
        {"F:\\x.dll", true, true},                    // and removable drives
        {"D:\\x.dll", false, true},                   // CD-ROM
        {"N:\\x.dll", false, true},                   // network drive
        {"\\\\server\\share\\x.dll", false, true},    // network path
        {"C:\\Program Files\\Common Files\\Shared\\", false, false},  // a folder still there
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsOrphanedSharedDll(c.path, m.fs(), true), c.orphanedExcluding) << c.path;
        EXPECT_EQ(IsOrphanedSharedDll(c.path, m.fs(), false), c.orphanedIncluding) << c.path << " without exclusion";
    }
}

TEST(RegRefs, ACaptionParsesBackToItsRootAndKey) {
    const struct {
        const char* caption;
        const char* rootName;
        std::optional<RegRoot> root;
        const char* keyPath;
    } cases[] = {
        {"HKEY_CURRENT_USER: \\Software\\Classes\\xyz", "HKEY_CURRENT_USER", RegRoot::CurrentUser,
         "\\Software\\Classes\\xyz"},
        {"HKEY_LOCAL_MACHINE: Software\\Classes\\xyz", "HKEY_LOCAL_MACHINE", RegRoot::LocalMachine,
         "\\Software\\Classes\\xyz"},
        {"HKEY_USERS: \\.DEFAULT\\Software", "HKEY_USERS", RegRoot::Users, "\\.DEFAULT\\Software"},
        {"HKEY_LOCAL_MACHINE: SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", "HKEY_LOCAL_MACHINE",
         RegRoot::LocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs"},
        {"HKEY_CURRENT_USER: \\Software\\a:b", "HKEY_CURRENT_USER", RegRoot::CurrentUser, "\\Software\\a:b"},
        {"HKEY_CLASSES_ROOT: \\x", "HKEY_CLASSES_ROOT", std::nullopt, "\\x"},
    };
    for (const auto& c : cases) {
        const regclean::ParsedKey k = regclean::ParseRegistryKey(c.caption);
        EXPECT_EQ(k.rootName, c.rootName) << c.caption;
        EXPECT_EQ(k.root, c.root) << c.caption;
        EXPECT_EQ(k.keyPath, c.keyPath) << c.caption;
    }
    EXPECT_EQ(regclean::RowCaption("HKEY_LOCAL_MACHINE", "Software\\x"), "HKEY_LOCAL_MACHINE: Software\\x");
}

TEST_F(RegRefsTest, LastWriteTimeReadsAsStoredOnATwelveHourClock) {
    m.sys().setUtcOffsetMinutes(120);  // never converted to local time
    const struct {
        SystemTime utc;
        const char* shown;
    } cases[] = {
        {{2026, 3, 14, 9, 5, 0, 0}, "03/14/2026 09:05AM"},
        {{2026, 12, 1, 0, 7, 0, 0}, "12/01/2026 12:07AM"},
        {{2026, 7, 4, 12, 0, 0, 0}, "07/04/2026 12:00PM"},
        {{2026, 7, 4, 23, 59, 59, 0}, "07/04/2026 11:59PM"},
    };
    for (const auto& c : cases) EXPECT_EQ(regclean::FormatLastWrite(systemTimeToFileTime(c.utc)), c.shown);

    LocaleFormats dots;
    dots.dateSeparator = '.';
    dots.timeSeparator = '.';
    m.sys().setLocale(dots);
    EXPECT_EQ(regclean::FormatLastWrite(systemTimeToFileTime({2026, 3, 14, 15, 30, 0, 0})), "03.14.2026 03.30PM");
}

}  // namespace
}  // namespace sv::test
