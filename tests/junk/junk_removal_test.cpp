// Removing listed junk: the three options, files that cannot go, the totals,
// the other commands on the list, and the window's closing work.
#include "common/toollog.h"
#include "junk_fixture.h"
#include "platform/ui/application.h"
#include "shell/hint_form.h"

namespace sv::test {
namespace {

// Four files of 1,000 to 4,000 bytes on drive D:, there before the window is made.
struct FourFiles {
    explicit FourFiles(sim::SimMachine& m) {
        m.fs().addDrive('D', DriveType::Fixed);
        m.fs().addFile("D:\\a.tmp", std::string(1000, 'a'));
        m.fs().addFile("D:\\b.tmp", std::string(2000, 'b'));
        m.fs().addFile("D:\\c.tmp", std::string(3000, 'c'));
        m.fs().addFile("D:\\d.tmp", std::string(4000, 'd'));
    }
};

class JunkRemovalTest : public JunkTest {
protected:
    void SetUp() override {
        f.show();
        scanOnly(f, "D");
        f.cmdGo.click();
        ASSERT_EQ(f.lv.rowCount(), 4);
    }
    void select(std::initializer_list<int> rows) {
        f.lv.clearSelection();
        for (int r : rows) f.lv.userSelect(r, ui::ShiftState{false, true, false});
    }
    FourFiles files{m};
    TfrmJunk f;
};

TEST_F(JunkRemovalTest, RecyclingTwoSelectedFilesCountsLogsAndReselects) {
    select({1, 2});
    EXPECT_TRUE(f.tbRemove.enabled());
    EXPECT_FALSE(f.tbView.enabled());
    m.dlg().expectMessage("Are you sure you wish to remove the selected file(s) ?", MsgAnswer::No);
    f.tbRemove.click();
    EXPECT_EQ(f.lv.rowCount(), 4);

    m.dlg().expectMessage("Are you sure you wish to remove the selected file(s) ?", MsgAnswer::Yes);
    f.tbRemove.click();
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\a.tmp", "d:\\d.tmp"}));
    EXPECT_EQ(f.lv.itemIndex(), 1);  // the first removed row's place
    EXPECT_EQ(m.sh().recycleBin().size(), 2u);
    EXPECT_FALSE(m.fs().exists("D:\\b.tmp"));
    EXPECT_EQ(f.RemovedFiles, 2);
    EXPECT_EQ(f.RemovedBytes, 5000);
    EXPECT_EQ(f.sb.panelText(1), "Total space recovered: 5,000 bytes (0.00 megabytes) in 2 files.");
    const auto log = logLines(kManualLog);
    EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()),
              (std::vector<std::string>{"  Moving to recycle bin: d:\\b.tmp", "  Moving to recycle bin: d:\\c.tmp"}));
    // Each file is its own shell call, with the holder's flags.
    ASSERT_EQ(m.sh().operations().size(), 2u);
    EXPECT_EQ(m.sh().operations()[0].flags, 0xD4u);
}

TEST_F(JunkRemovalTest, DeleteAndMoveFollowTheChosenOptionWithoutAsking) {
    f.cbConfirm.setChecked(false);
    f.optDelete.setChecked(true);
    select({0});
    f.cmdDeleteClick();
    EXPECT_FALSE(m.fs().exists("D:\\a.tmp"));
    EXPECT_TRUE(m.sh().recycleBin().empty());

    // A move never replaces a file of the same name in the target.
    m.fs().addFile("D:\\Kept\\b.tmp", "older");
    f.optMove.setChecked(true);
    f.deMove.setText("D:\\Kept");
    select({0});
    f.cmdDeleteClick();
    EXPECT_EQ(m.fs().contents("D:\\Kept\\b.tmp"), "older");
    EXPECT_EQ(m.fs().contents("D:\\Kept\\b (2).tmp"), std::string(2000, 'b'));
    const auto log = logLines(kManualLog);
    EXPECT_EQ(log[log.size() - 2], "  Permanently deleting: d:\\a.tmp");
    EXPECT_EQ(log.back(), "  Relocating file: d:\\b.tmp\r     To: D:\\Kept");
}

TEST_F(JunkRemovalTest, FilesThatCannotGoAreReportedNotCountedAndUnlisted) {
    WriteSettingBool(HintsKey, "All", true);
    WriteSettingBool(HintsKey, "JunkInUse", true);
    f.cbConfirm.setChecked(false);
    m.fs().lock("D:\\a.tmp");
    m.fs().deleteFile("D:\\b.tmp");
    select({0, 1, 2});
    std::vector<std::string> hints;
    for (int i = 0; i < 2; ++i)
        ui::headlessUi().expectModal<TfrmHint>([&hints](TfrmHint& h) {
            hints.push_back(h.mmoHint.text());
            h.close();
        });
    f.cmdDeleteClick();
    EXPECT_EQ(hints.at(0),
              "The file: \"d:\\a.tmp\" was unable to be removed at this time as it is currently in use by Windows or "
              "its associated application.");
    EXPECT_TRUE(m.fs().exists("D:\\a.tmp"));
    EXPECT_EQ(f.RemovedFiles, 1);
    EXPECT_EQ(f.RemovedBytes, 3000);
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\d.tmp"}));
    const auto log = logLines(kManualLog);
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
              (std::vector<std::string>{"  Unable to remove \"d:\\a.tmp\".  This file is currently in use.",
                                        "  Unable to remove \"d:\\b.tmp\".  This file is currently in use.",
                                        "  Moving to recycle bin: d:\\c.tmp"}));

    // Removing the last row hides the tool bar.
    f.D1Click();
    EXPECT_EQ(f.lv.rowCount(), 0);
    EXPECT_FALSE(f.tb.visible());
}

TEST_F(JunkRemovalTest, AFolderSwappedForALinkSinceTheScanIsNeverFollowed) {
    m.fs().addFile("D:\\sub\\e.tmp", "e");
    m.fs().addFile("D:\\precious\\e.tmp", "keep me");
    addFolder(f.lvFolderExclude, "D:\\precious\\");
    f.cmdGo.click();
    ASSERT_EQ(f.lv.rowCount(), 5);
    m.fs().deleteFile("D:\\sub\\e.tmp");
    m.fs().removeFolder("D:\\sub");
    m.fs().addFolderLink("D:\\sub", "D:\\precious");
    f.cbConfirm.setChecked(false);
    f.D1Click();
    EXPECT_EQ(m.fs().contents("D:\\precious\\e.tmp"), "keep me");
    EXPECT_EQ(f.RemovedFiles, 4);
    EXPECT_EQ(f.lv.rowCount(), 0);
    const auto log = logLines(kManualLog);
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "  Unable to remove \"d:\\sub\\e.tmp\".  The path no longer leads to the file that was found."),
              log.end());
}

TEST_F(JunkRemovalTest, ClosingWritesTheBlockAddsTheCountersAndSavesEvenWhenNothingWentAway) {
    f.close();
    const auto log = logLines(kManualLog);
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(log[log.size() - 6], "");
    EXPECT_EQ(log[log.size() - 5], LogSeparator);
    EXPECT_EQ(log[log.size() - 4].rfind("CLOSE SESSION: ", 0), 0u);
    EXPECT_EQ(log[log.size() - 3], "TOTAL SPACE RECOVERED: 0 bytes (0.00 megabytes.)");
    EXPECT_EQ(log[log.size() - 2], LogSeparator);
    EXPECT_EQ(log.back(), "");
    EXPECT_EQ(ReadCounter(counter::JunkFiles), 0);
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 0);
}

TEST_F(JunkRemovalTest, ManualLoggingOffWritesNothingButStillCounts) {
    WriteSettingBool(StatisticsKey, "DoJunk", false);
    const auto before = m.fs().contents(kManualLog);
    {
        TfrmJunk quiet;
        quiet.show();
        scanOnly(quiet, "D");
        quiet.cmdGo.click();
        quiet.cbConfirm.setChecked(false);
        quiet.D1Click();
        quiet.close();
    }
    EXPECT_EQ(m.fs().contents(kManualLog), before);
    EXPECT_EQ(ReadCounter(counter::JunkFiles), 4);
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 10000);
}

TEST_F(JunkRemovalTest, ViewPropertiesAndDoubleClickActOnTheOneSelectedFile) {
    select({0});
    f.cmdViewClick();  // no viewer on this system: the file opens with its own program
    ASSERT_EQ(m.sh().executed().size(), 1u);
    EXPECT_EQ(m.sh().executed()[0].file, "d:\\a.tmp");
    EXPECT_EQ(m.sh().executed()[0].verb, "");

    m.fs().addFile("C:\\Windows\\System32\\viewers\\QuikView.exe", "MZ");
    f.cmdViewClick();
    EXPECT_EQ(m.sh().executed().back().file, "C:\\Windows\\System32\\viewers\\QuikView.exe");
    EXPECT_EQ(m.sh().executed().back().parameters, "\"d:\\a.tmp\"");

    f.cmdPropsClick();
    EXPECT_EQ(m.sh().propertiesShown(), (std::vector<std::string>{"d:\\a.tmp"}));
    f.lv.userDblClick();
    EXPECT_EQ(m.sh().propertiesShown().size(), 2u);

    // A file gone meanwhile: the double click only drops its row.
    m.fs().deleteFile("D:\\a.tmp");
    f.lv.userDblClick();
    EXPECT_EQ(captions(f.lv), (std::vector<std::string>{"d:\\b.tmp", "d:\\c.tmp", "d:\\d.tmp"}));
    EXPECT_EQ(m.sh().propertiesShown().size(), 2u);
}

TEST_F(JunkRemovalTest, ClosingDuringAScanWaitsForTheScanToUnwind) {
    m.fs().addFile("D:\\deep\\e.tmp", "e");
    ui::uiBackend().post([this] { f.close(); });
    f.cmdGo.click();
    ui::application().processMessages();  // the close the scan deferred
    EXPECT_FALSE(f.showing());
    const auto log = logLines(kManualLog);
    const auto end = std::find(log.rbegin(), log.rend(), "  Scan End.");
    const auto closed = std::find_if(log.rbegin(), log.rend(), [](const std::string& l) {
        return l.rfind("CLOSE SESSION: ", 0) == 0;
    });
    ASSERT_NE(end, log.rend());
    ASSERT_NE(closed, log.rend());
    EXPECT_LT(closed, end);  // the closing block comes after the scan's end
}

}  // namespace
}  // namespace sv::test
