// What the junk cleaner looks for, how it is stored, and the skip test.
#include "common/regaccess.h"
#include "junk/junk_rules.h"
#include "junk_fixture.h"
#include "shell/hint_form.h"
#include "platform/types.h"

namespace sv::test {
namespace {

using junk::FileType;

std::string stored(const char* name) {
    return IniRegistry(RegRoot::CurrentUser, junk::JunkKey).readString("", name, "<missing>");
}

TEST_F(JunkTest, ANewUserGetsTheDefaultTypesAndEveryFixedDriveOnFirstOpening) {
    m.fs().addDrive('D', DriveType::Fixed);
    m.fs().addDrive('E', DriveType::Removable);
    m.fs().addDrive('F', DriveType::CdRom);
    m.fs().addDrive('N', DriveType::Remote);
    {
        TfrmJunk f;
        ASSERT_EQ(f.lvScan.rowCount(), 13);
        EXPECT_EQ(f.fileTypes(), junk::DefaultFileTypes());
        EXPECT_EQ(f.lvScan.row(12).caption, "0???????.nch");
        EXPECT_EQ(f.lvFolderFind.rowCount(), 0);
        EXPECT_EQ(f.lvFolderExclude.rowCount(), 0);
        EXPECT_EQ(f.DiskListView1.driveSet(), "");  // "Drives" missing: nothing yet
        f.show();
        EXPECT_EQ(f.DiskListView1.driveSet(), "CD");
        f.close();
    }
    EXPECT_EQ(stored("ScanFor"), junk::DefaultScanFor());
    EXPECT_EQ(stored("ScanFor"),
              "*.~*,1,~*.*,1,*.??~,1,*.---,1,*.tmp,1,*._mp,1,*.old,1,*.bak,1,*.syd,1,*.chk,1,*.gid,1,mscreate.dir,1,"
              "0???????.nch,1,");
    EXPECT_EQ(stored("Drives"), "CD");

    // A second opening keeps the stored drives: no default once the window was closed.
    IniRegistry(RegRoot::CurrentUser, junk::JunkKey).writeString("", "Drives", "D");
    TfrmJunk again;
    again.show();
    EXPECT_EQ(again.DiskListView1.driveSet(), "D");
    again.close();
}

TEST_F(JunkTest, AScheduledRunOnANewMachineChecksNoDrive) {
    TfrmJunk f;  // created, never shown
    EXPECT_EQ(f.DiskListView1.driveSet(), "");
}

TEST(JunkRules, StoredTypesReadBackAsWritten) {
    std::vector<FileType> types{{"*.tmp", "Temporary Files", true}, {"*.log", "Logs", false}};
    EXPECT_EQ(junk::ScanForText(types), "*.tmp,1,*.log,0,");
    EXPECT_EQ(junk::ScanDescText(types), "Temporary Files,1,Logs,0,");
    auto back = junk::ParseScanFor(junk::ScanForText(types));
    junk::ApplyScanDesc(back, junk::ScanDescText(types));
    EXPECT_EQ(back, types);

    struct Case {
        const char* scanFor;
        const char* scanDesc;
        std::vector<FileType> rows;
    } cases[] = {
        // A comma typed into a mask or description splits it.
        {"a,b,1,", "x,1,", {{"a", "x", false}, {"1", "", false}}},
        {"*.tmp,1,", "Temp,files,1,", {{"*.tmp", "Temp", true}}},
        // More descriptions than rows: the extra ones are dropped; fewer: rows keep none.
        {"*.a,1,*.b,0,", "A,1,", {{"*.a", "A", true}, {"*.b", "", false}}},
        {"*.a,1,", "A,1,B,1,C,1,", {{"*.a", "A", true}}},
        {"", "A,1,", {}},
    };
    for (const auto& c : cases) {
        auto rows = junk::ParseScanFor(c.scanFor);
        junk::ApplyScanDesc(rows, c.scanDesc);
        EXPECT_EQ(rows, c.rows) << c.scanFor << " / " << c.scanDesc;
    }
}

TEST_F(JunkTest, TheWindowKeepsItsOptionsAndListsBetweenOpenings) {
    {
        TfrmJunk f;
        f.show();
        f.lvScan.setChecked(1, false);
        f.cbDays.setChecked(true);
        f.meDays.setText("  7");
        f.cbSkipAttr.setChecked(false);
        f.cbTemp.setChecked(true);
        f.optDelete.setChecked(true);
        f.cbConfirm.setChecked(false);
        f.close();
    }
    EXPECT_EQ(stored("ScanFor").substr(0, 16), "*.~*,1,~*.*,0,*.");
    IniRegistry pos(RegRoot::CurrentUser, junk::StorageKey);
    EXPECT_EQ(pos.readString("pos", "cbDays_Checked", ""), "1");
    EXPECT_EQ(pos.readString("pos", "meDays_Text", ""), "  7");
    EXPECT_EQ(pos.readString("pos", "optDelete_Checked", ""), "1");

    TfrmJunk f;  // restored on creation, before any showing
    EXPECT_FALSE(f.lvScan.row(1).checked);
    EXPECT_TRUE(f.cbDays.checked());
    EXPECT_EQ(f.meDays.text(), "  7");
    EXPECT_FALSE(f.cbSkipAttr.checked());
    EXPECT_TRUE(f.cbTemp.checked());
    EXPECT_TRUE(f.optDelete.checked());
    EXPECT_FALSE(f.optRecycle.checked());
    EXPECT_FALSE(f.cbConfirm.checked());
}

TEST_F(JunkTest, TheSkipTestFiresInItsOrder) {
    // Today is the 31st at noon; "accessed" times are local, as the clock here is UTC.
    m.sys().setNow(SystemTime{2026, 1, 31, 12, 0, 0, 0});
    const auto at = [](int day, int hour) { return systemTimeToFileTime(SystemTime{2026, 1, day, hour, 0, 0, 0}); };
    m.fs().addFile("C:\\d\\plain.tmp", "x");
    m.fs().addFile("C:\\d\\system.tmp", "x", attr::System);
    m.fs().addFile("C:\\d\\readonly.tmp", "x", attr::ReadOnly);
    m.fs().addFile("C:\\d\\busy.tmp", "x");
    m.fs().lock("C:\\d\\busy.tmp");
    m.fs().addFile("C:\\d\\recent.tmp", "x", attr::Archive, at(1, 15));  // 29.375 days before today's midnight
    m.fs().addFile("C:\\d\\older.tmp", "x", attr::Archive, systemTimeToFileTime(SystemTime{2025, 12, 31, 15, 0, 0, 0}));

    junk::SkipOptions none{false, false, " 30", false};
    junk::SkipOptions attrOnly{true, false, " 30", false};
    junk::SkipOptions inUseOnly{false, false, " 30", true};
    junk::SkipOptions age{false, true, " 30", false};
    junk::SkipOptions ageZero{false, true, "  0", false};
    junk::SkipOptions ageBlank{false, true, "   ", false};
    struct Case {
        const char* file;
        junk::SkipOptions options;
        bool skipped;
    } cases[] = {
        {"plain.tmp", attrOnly, false},
        {"system.tmp", attrOnly, true},
        {"system.tmp", none, false},
        {"readonly.tmp", attrOnly, true},
        // A read-only file cannot be opened for exclusive writing: "in use".
        {"readonly.tmp", inUseOnly, true},
        {"busy.tmp", inUseOnly, true},
        {"busy.tmp", attrOnly, false},
        {"recent.tmp", age, true},   // 29.375 days < 30
        {"older.tmp", age, false},   // 30.375 days
        {"recent.tmp", ageZero, false},
        {"recent.tmp", ageBlank, false},
        {"missing.tmp", age, false},  // no access date: passes
    };
    for (const auto& c : cases)
        EXPECT_EQ(junk::RestrictedFile(std::string("C:\\d\\") + c.file, c.options), c.skipped) << c.file;
}

TEST_F(JunkTest, FileTypesAreAddedEditedAndRemovedThroughQuestions) {
    WriteSettingBool(HintsKey, "All", true);
    TfrmJunk f;
    f.show();
    ui::headlessUi().expectModal<TfrmHint>([](TfrmHint& h) { h.close(); });
    m.dlg().expectInput("Extension or name of the file you wish to scan for:", "*.dmp");
    m.dlg().expectInput("Enter a short description for this new file type:", "Crash dumps");
    f.cmdAddNew.click();
    ASSERT_EQ(f.lvScan.rowCount(), 14);
    EXPECT_EQ(f.fileTypes().back(), (FileType{"*.dmp", "Crash dumps", true}));

    // An empty answer ends the command.
    WriteSettingBool(HintsKey, "All", false);
    m.dlg().expectInput("Extension or name of the file you wish to scan for:", "");
    f.cmdAddNew.click();
    EXPECT_EQ(f.lvScan.rowCount(), 14);

    // Editing: a cancelled question keeps the text.
    f.lvScan.userSelect(13);
    m.dlg().expectInput("Extension or name of the file you wish to scan for:", std::nullopt);
    m.dlg().expectInput("Enter a short description for this file type:", "Memory dumps");
    f.cmdEdit.click();
    EXPECT_EQ(f.fileTypes().back(), (FileType{"*.dmp", "Memory dumps", true}));

    // Removing asks, and the row before takes the selection.
    m.dlg().expectMessageContaining("Are you sure you wish to permanently remove the selected item?", MsgAnswer::No);
    f.cmdRemove.click();
    EXPECT_EQ(f.lvScan.rowCount(), 14);
    m.dlg().expectMessageContaining("\"unchecking\" its corresponding box.", MsgAnswer::Yes);
    f.cmdRemove.click();
    EXPECT_EQ(f.lvScan.rowCount(), 13);
    EXPECT_EQ(f.lvScan.itemIndex(), 12);
    f.close();
}

TEST_F(JunkTest, TheMoveOptionNeedsAFolderBeforeTheRemovalTabIsLeft) {
    TfrmJunk f;
    f.show();
    EXPECT_FALSE(f.deMove.enabled());
    f.PageControl1.userSelectTab(4);
    // Choosing the option with no folder opens the browser first.
    m.dlg().expectFolder(std::nullopt);
    f.optMove.click();
    EXPECT_TRUE(f.deMove.enabled());
    m.dlg().expectMessage("You must specify a valid folder to move files to if you are going to use this removal option.",
                          MsgAnswer::Ok);
    EXPECT_FALSE(f.PageControl1.userSelectTab(0));
    EXPECT_EQ(f.PageControl1.activePage(), &f.tsRemoval);
    EXPECT_TRUE(f.deMove.focused());
    EXPECT_TRUE(f.deMove.allSelected());

    m.fs().addFolder("C:\\Kept");
    f.deMove.setText("C:\\Kept");
    EXPECT_TRUE(f.PageControl1.userSelectTab(0));
    f.imgDelete.click();
    EXPECT_TRUE(f.optDelete.checked());
    EXPECT_FALSE(f.deMove.enabled());
    f.close();
}

}  // namespace
}  // namespace sv::test
