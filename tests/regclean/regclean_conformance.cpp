// A user at the registry cleaner's window, on the headless backend and on real
// windows: what the list, the bars and the tabs show, and the commands reached
// with the keyboard, the drop-down button and the list's menu.
#include "regclean/regclean_form.h"

#include "regclean_fixture.h"
#include "shell/commontools.h"
#include "support/ui_driver.h"

namespace sv::test {

std::string shownTabs(UiDriver& ui, ui::PageControl& pc);
std::string shownToolBar(UiDriver& ui, ui::ToolBar& tb);
std::string shownStatus(UiDriver& ui, ui::StatusBar& sb);

namespace {

const char* const kRemoveAll = "Are you sure you want to remove all displayed entries from the Registry?";

class RegCleanWindowTest : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        setCommontools(&tools);
        plantRegistry(m);
    }
    void TearDown() override {
        form.reset();
        setCommontools(nullptr);
        UiConformance::TearDown();
    }
    void open() {
        form = std::make_unique<TfrmRegClean>();
        form->show();
        ui().processMessages();
    }

    Tcommontools tools;
    std::unique_ptr<TfrmRegClean> form;
};

TEST_P(RegCleanWindowTest, ScanRemoveWithTheDeleteKeyAndUndoFromTheListsMenu) {
    open();
    EXPECT_EQ(shownTabs(ui(), form->pcRegistry), "*Scan Options");
    EXPECT_EQ(shownListRow(ui(), form->lvScanFor, 3),
              "*[x] Invalid shared DLL's | Find orphaned references to system-shared .dll files");
    EXPECT_EQ(shownListColumns(ui(), form->lv),
              "Registry Key:" + std::to_string(form->lv.column(0).width) +
                  ":L | Last Modification:116:L | Key:30:L | Invalid Reference Value:204:L");

    ui().click(form->btnStart);
    ASSERT_EQ(shownListRowCount(ui(), form->lv), 8);
    EXPECT_EQ(shownListRow(ui(), form->lv, 0), "*" + plantedRows()[0]);
    EXPECT_EQ(shownListRow(ui(), form->lv, 7), plantedRows()[7]);
    EXPECT_EQ(shownStatus(ui(), form->StatusBar1), "Scan successfully completed. | Number of invalid entries found: 8");
    EXPECT_EQ(shownToolBar(ui(), form->tb), "Remove v");

    ui().selectRow(form->lv, 1);
    ui().selectRow(form->lv, 3, true);
    m.dlg().expectMessage("Are you sure you want to remove 2 selected entries from the Registry?", MsgAnswer::Yes);
    ui().pressKey(form->lv, ui::key::Delete);
    EXPECT_FALSE(m.reg().get(RegRoot::CurrentUser, kAcme, "Folder"));
    EXPECT_FALSE(m.reg().get(RegRoot::CurrentUser, kAcme, "ExpandGone"));
    ASSERT_EQ(shownListRowCount(ui(), form->lv), 6);
    EXPECT_EQ(shownListRow(ui(), form->lv, 1), "*" + plantedRows()[2]);
    EXPECT_EQ(shownStatus(ui(), form->StatusBar1),
              "Scan successfully completed. | Number of invalid entries found: 6 | Undo file: Registry "
              "Backup\\Undo_2026-03-14_15-30-00.reg");

    m.dlg().expectMessageContaining("Put back the 2 registry value(s)", MsgAnswer::Yes);
    ui().choosePopupItem(form->PopupMenu1, form->lv, form->mnuUndo);
    EXPECT_EQ(m.reg().get(RegRoot::CurrentUser, kAcme, "Folder"), RegValue::text("C:\\GoneFolder"));
    EXPECT_EQ(m.reg().get(RegRoot::CurrentUser, kAcme, "ExpandGone"),
              RegValue::text("C:\\Apps\\gone.dll", RegType::ExpandSz));
}

TEST_P(RegCleanWindowTest, TheRemoveButtonsArrowOffersTheListsCommands) {
    m.sys().setOsFamily(OsFamily::Win9x);
    m.sys().setProgram("regedit", [this](const std::string& parameters) {
        m.fs().addFile(parameters.substr(4, parameters.size() - 5), "export");
        return sim::SimSystem::ranAndEnded();
    });
    open();
    EXPECT_EQ(shownTabs(ui(), form->pcRegistry), "*Scan Options | Backup / Restore");
    ui().checkRow(form->lvScanFor, 0, false);
    ui().checkRow(form->lvScanFor, 2, false);
    EXPECT_EQ(shownListRow(ui(), form->lvScanFor, 0),
              "[ ] HKEY_CURRENT_USER | Stores information about the currently logged-in user");
    ui().click(form->btnStart);
    ASSERT_EQ(shownListRowCount(ui(), form->lv), 2);

    m.dlg().expectMessage(kRemoveAll, MsgAnswer::Yes);
    ui().choosePopupItem(form->PopupMenu1, form->cmdRemove, form->mnuAll);
    EXPECT_EQ(shownListRowCount(ui(), form->lv), 0);
    EXPECT_FALSE(m.reg().get(RegRoot::Users, ".DEFAULT\\Software\\Old", "Doc"));
    EXPECT_EQ(shownStatus(ui(), form->StatusBar1).substr(0, 64),
              "Scan successfully completed. | Number of invalid entries found: ");
}

SV_UI_SUITE(RegCleanWindowTest);

}  // namespace
}  // namespace sv::test
