// The junk scan on the simulated machine: which files become rows, the log
// record of a scan, Stop, and the scheduled run's contract.
#include "common/folderlists.h"
#include "common/regaccess.h"
#include "common/toollog.h"
#include "junk_fixture.h"
#include "platform/ui/application.h"

namespace sv::test {
namespace {

class JunkScanTest : public JunkTest {
protected:
    void SetUp() override {
        m.fs().addDrive('D', DriveType::Fixed);
        m.fs().addFile("D:\\a.tmp", std::string(1234, 'a'));
        m.fs().addFile("D:\\work\\b.bak", std::string(2000, 'b'));
        m.fs().addFile("D:\\work\\~x.doc", "x");
        m.fs().addFile("D:\\work\\empty.txt", "");
        m.fs().addFile("D:\\work\\ro.tmp", "r", attr::ReadOnly);
        m.fs().addFile("D:\\work\\hidden.tmp", "h", attr::Hidden | attr::Archive);
        m.fs().addFile("D:\\work\\keep.doc", "k");
    }
};

TEST_F(JunkScanTest, DefaultSettingsListTheJunkOnceWithPlainSizesAndLogTheScan) {
    TfrmJunk f;
    f.show();
    scanOnly(f, "D");
    f.cmdGo.click();
    EXPECT_EQ(f.cmdGo.caption(), "&Scan");
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\a.tmp", "d:\\work\\b.bak", "d:\\work\\hidden.tmp",
                                                          "d:\\work\\~x.doc"}));
    EXPECT_EQ(f.lv.row(0).text(TFileListView::Size), "1234");
    EXPECT_EQ(f.NumBytes(), 1234 + 2000 + 1 + 1);
    EXPECT_EQ(f.sb.panelText(1), "Scan Complete: 3,236 bytes (0.00 megabytes) found in 4 files.");
    EXPECT_TRUE(f.tb.visible());
    EXPECT_EQ(f.tb.height(), 38);
    EXPECT_EQ(f.lv.itemIndex(), 0);
    EXPECT_TRUE(f.PageControl1.enabled());
    f.close();

    const auto log = logLines(kManualLog);
    ASSERT_GE(log.size(), 10u);
    EXPECT_EQ(log[0], LogSeparator);
    EXPECT_EQ(log[1].rfind("OPEN SESSION: ", 0), 0u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 4, log.begin() + 9),
              (std::vector<std::string>{"  Start Scan...", "  Successfully scanned D:\\ for specified file types.",
                                        "  Scan End.", "", "  3,236 bytes (0.00 megabytes) found in 4 files."}));
    EXPECT_FALSE(m.fs().exists(kScheduledLog));
}

TEST_F(JunkScanTest, PassesAndFiltersAgreeOnWhatIsListed) {
    m.fs().addFile("C:\\Windows\\Temp\\t.tmp", "tt");
    m.fs().addFile("C:\\Windows\\Temp\\other.dat", "o");
    m.fs().addFile("D:\\Cache\\page.htm", "p");
    m.fs().addFile("D:\\Skip\\s.tmp", "s");
    m.fs().addFile("D:\\Skip\\zero.dat", "");
    m.fs().addFile("D:\\Junk\\moved.tmp", "m");
    m.fs().addFile("D:\\Junk\\Old\\kept.tmp", "k");

    TfrmJunk f;
    f.show();
    scanOnly(f, "CD");
    f.cbTemp.setChecked(true);
    f.cbZeroLength.setChecked(true);
    addFolder(f.lvFolderFind, "D:\\Cache\\");
    addFolder(f.lvFolderExclude, "D:\\Skip\\");
    f.deMove.setText("D:\\Junk");
    f.cmdGo.click();

    const auto rows = captions(f.lv);
    auto listed = [&rows](const char* p) { return std::count(rows.begin(), rows.end(), p); };
    EXPECT_EQ(listed("c:\\windows\\temp\\t.tmp"), 1);  // temporary folder, and again by type: once
    EXPECT_EQ(listed("c:\\windows\\temp\\other.dat"), 1);
    EXPECT_EQ(listed("d:\\cache\\page.htm"), 1);
    EXPECT_EQ(listed("d:\\skip\\s.tmp"), 0);            // excluded folder
    EXPECT_EQ(listed("d:\\skip\\zero.dat"), 1);         // ... but the empty-file pass ignores exclusions
    EXPECT_EQ(listed("d:\\a.tmp"), 0);                  // in the drive root above the move-to folder
    EXPECT_EQ(listed("d:\\junk\\moved.tmp"), 0);        // in the move-to folder
    EXPECT_EQ(listed("d:\\junk\\old\\kept.tmp"), 1);
    EXPECT_EQ(listed("d:\\work\\empty.txt"), 1);
    EXPECT_EQ(listed("d:\\work\\ro.tmp"), 0);
    EXPECT_EQ(f.pg.max(), 2 + 1 + 2 + 1);
    f.close();
}

TEST_F(JunkScanTest, AnEmptyCheckedMaskSkipsOnlyTheFileTypePass) {
    TfrmJunk f;
    f.show();
    scanOnly(f, "D");
    f.lvScan.setRowCaption(3, "");
    f.cbZeroLength.setChecked(true);
    f.cmdGo.click();
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\work\\empty.txt"}));

    // With no type checked only empty files are found, and no walk is reported.
    CheckAllRows(false, f.lvScan);
    f.cmdGo.click();
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\work\\empty.txt"}));
    f.close();
    for (const auto& line : logLines(kManualLog)) EXPECT_EQ(line.find("Successfully scanned"), std::string::npos) << line;
}

TEST_F(JunkScanTest, StopEndsTheScanAndNoFurtherWalkStarts) {
    m.fs().addFile("C:\\Windows\\Temp\\t1.tmp", "1");
    m.fs().addFile("C:\\Windows\\Temp\\t2.tmp", "2");
    TfrmJunk f;
    f.show();
    scanOnly(f, "D");
    f.cbTemp.setChecked(true);
    addFolder(f.lvFolderFind, "D:\\work\\");
    // The user presses Stop as soon as the window gets to process messages.
    ui::uiBackend().post([&f] {
        EXPECT_EQ(f.cmdGo.caption(), "&Stop");
        EXPECT_FALSE(f.cmdExit.enabled());
        f.cmdGo.click();
        EXPECT_EQ(f.cmdGo.caption(), "&Scan");
    });
    f.cmdGo.click();
    for (const auto& row : captions(f.lv)) EXPECT_EQ(row.rfind("c:\\windows\\temp\\", 0), 0u) << row;
    f.close();
    const auto log = logLines(kManualLog);
    const auto end = std::find(log.begin(), log.end(), "  Scan End.");
    ASSERT_NE(end, log.end());
    for (auto it = log.begin(); it != end; ++it) EXPECT_EQ(it->find("D:\\"), std::string::npos) << *it;
    ASSERT_LT(end + 2, log.end());
    EXPECT_EQ(*(end + 1), "");
    EXPECT_NE((end + 2)->find("found in"), std::string::npos);
}

TEST_F(JunkScanTest, TheScheduledRunWritesOnlyItsOwnLogAndOnlyWhenAsked) {
    for (const bool logging : {false, true}) {
        SetUp();  // the same junk again
        IniRegistry(RegRoot::CurrentUser, junk::JunkKey).writeString("", "Drives", "D");
        TfrmJunk f;  // never shown
        f.ScheduledRun = true;
        f.ScheduledLogging = logging;
        f.cmdGo.click();
        EXPECT_EQ(f.cmdGo.caption(), "&Scan");
        ASSERT_EQ(f.lv.rowCount(), 4);
        f.lv.selectAll();
        f.cmdDeleteClick();  // no question in a scheduled run
        EXPECT_EQ(f.lv.rowCount(), 0);
        f.close();
        EXPECT_EQ(m.fs().exists(kScheduledLog), logging);
    }
    EXPECT_FALSE(m.fs().exists(kManualLog));
    const auto log = logLines(kScheduledLog);
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(log[0], "");
    EXPECT_EQ(log[1], LogSeparator);
    EXPECT_EQ(log[2].rfind("OPERATION START: ", 0), 0u);
    EXPECT_EQ(log[5], "  Start Scan...");
    EXPECT_NE(std::find(log.begin(), log.end(), "  Moving to recycle bin: d:\\a.tmp"), log.end());
    EXPECT_EQ(log[log.size() - 3], "TOTAL SPACE RECOVERED: 3,236 bytes (0.00 megabytes.)");
    // The silent run counts as much as the logged one.
    EXPECT_EQ(ReadCounter(counter::JunkFiles), 8);
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 2 * 3236);
}

}  // namespace
}  // namespace sv::test
