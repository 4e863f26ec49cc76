// The registry cleaner's window on a simulated machine: the scan, the scheduled
// run, removal with its undo file, the logs, backup and restore, and closing.
#include "regclean/regclean_form.h"

#include <gmock/gmock.h>

#include "common/formats.h"
#include "common/settings.h"
#include "common/toollog.h"
#include "platform/sim/headless_ui.h"
#include "platform/ui/application.h"
#include "regclean/regfile.h"
#include "regclean/undo.h"
#include "regclean_fixture.h"
#include "shell/commontools.h"
#include "shell/hint_form.h"
#include "shell/hints.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const std::string kFolder = "C:\\Program Files\\Sorvane\\";
const std::string kBackupFile = kFolder + "Registry Backup\\Reg_Backup.reg";
const std::string kSeparator = "========================================";

class RegCleanTest : public SimTest {
protected:
    RegCleanTest() {
        ResetProcessDateTimeFormats();
        setCommontools(&tools);
        plantRegistry(m);
    }
    ~RegCleanTest() override {
        form.reset();
        setCommontools(nullptr);
        ResetProcessDateTimeFormats();
    }

    TfrmRegClean& create() {
        form = std::make_unique<TfrmRegClean>();
        return *form;
    }
    TfrmRegClean& open() {
        create().show();
        return *form;
    }
    // Leaves only the given areas checked (0 CU, 1 US, 2 LM, 3 SD), as a user would.
    void onlyAreas(std::initializer_list<int> areas) {
        for (int i = 0; i < 4; ++i)
            form->lvScanFor.userCheckRow(i, std::find(areas.begin(), areas.end(), i) != areas.end());
    }
    std::string status(int panel) { return form->StatusBar1.panelText(panel); }
    std::string file(const std::string& name) { return m.fs().contents(kFolder + name).value_or("<missing>"); }
    std::vector<std::string> lines(const std::string& name) {
        std::vector<std::string> out;
        const std::string text = file(name);
        for (size_t pos = 0; pos < text.size();) {
            const size_t end = text.find("\r\n", pos);
            out.push_back(text.substr(pos, end - pos));
            pos = end == std::string::npos ? text.size() : end + 2;
        }
        return out;
    }
    std::optional<RegValue> value(RegRoot root, const std::string& path, const std::string& name) {
        return m.reg().get(root, path, name);
    }
    // The registry editor of this machine: an export writes `contents` to the file named.
    void editorExports(std::string contents = "Windows Registry Editor Version 5.00\r\n") {
        m.sys().setProgram("regedit", [this, contents](const std::string& parameters) {
            const auto open = parameters.find('"');
            m.fs().addFile(parameters.substr(open + 1, parameters.size() - open - 2), contents);
            return sim::SimSystem::ranAndEnded();
        });
    }

    Tcommontools tools;
    std::unique_ptr<TfrmRegClean> form;
};

// --- the scan ----------------------------------------------------------------------------

TEST_F(RegCleanTest, AScanListsExactlyTheDeadReferencesInTheirBindingForm) {
    open();
    form->btnStart.click();

    EXPECT_THAT(rowTexts(form->lv), ElementsAreArray(plantedRows()));
    for (int i = 0; i < form->lv.rowCount(); ++i)
        EXPECT_EQ(form->lv.row(i).imageIndex, i == 7 ? pic::SharedDll : pic::RegistryEntry) << i;
    EXPECT_EQ(form->lv.itemIndex(), 0);
    EXPECT_EQ(status(0), "Scan successfully completed.");
    EXPECT_EQ(status(1), "Number of invalid entries found: 8");
    EXPECT_EQ(form->tb.height(), 38);
    EXPECT_TRUE(form->cmdRemove.enabled());
    EXPECT_TRUE(form->cmdExit.enabled());
    EXPECT_FALSE(form->aviSearch.visible());
    EXPECT_EQ(form->btnStart.caption(), "Scan &Registry");
    EXPECT_EQ(form->btnStart.hint(), "Begin scanning your registry");
    EXPECT_TRUE(m.sys().launches().empty()) << "no backup on the NT family";

    // Each scan starts afresh; the areas chosen decide what is walked.
    onlyAreas({2, 3});
    form->btnStart.click();
    EXPECT_THAT(rowTexts(form->lv), ElementsAre(plantedRows()[6], plantedRows()[7]));
}

TEST_F(RegCleanTest, AScanThatFindsNothingSaysSoAndHidesTheRemoveBar) {
    open();
    onlyAreas({});
    m.dlg().expectMessage("No invalid references detected.", MsgAnswer::Ok);
    form->btnStart.click();
    EXPECT_EQ(status(0), "Scan successfully completed.");
    EXPECT_EQ(status(1), "Number of invalid entries found: 0");
    EXPECT_EQ(form->tb.height(), 0);
    EXPECT_FALSE(form->cmdRemove.enabled());
    EXPECT_FALSE(form->mnuAll.enabled());
}

TEST_F(RegCleanTest, TheStartButtonStopsTheRunningScan) {
    open();
    bool checked = false;
    ui::uiBackend().post([&] {
        checked = true;
        EXPECT_EQ(form->btnStart.caption(), "&Stop");
        EXPECT_EQ(form->btnStart.hint(), "Abort the current scan (may take a moment)");
        EXPECT_FALSE(form->cmdExit.enabled());
        EXPECT_FALSE(form->pcRegistry.enabled());
        EXPECT_TRUE(form->aviSearch.active());
        EXPECT_FALSE(form->mnuSelected.enabled()) << "nothing is removed while the list is being filled";
        form->btnStart.click();
    });
    form->btnStart.click();  // no information box: a stopped scan proves nothing
    EXPECT_TRUE(checked);
    EXPECT_EQ(status(0), "Scan interrupted.");
    EXPECT_EQ(status(1), "Number of invalid entries found: " + std::to_string(form->lv.rowCount()));
    EXPECT_LT(form->lv.rowCount(), 8);
    EXPECT_EQ(form->btnStart.caption(), "Scan &Registry");
    EXPECT_TRUE(form->cmdExit.enabled());
}

TEST_F(RegCleanTest, AKeyThatCannotBeReopenedEndsTheScanWithAnErrorAndKeepsTheRowsFound) {
    open();
    // While the first values below Software\Acme are examined, Software becomes unreadable.
    ui::uiBackend().post([&] { m.reg().setDenied(RegRoot::CurrentUser, "Software", true); });
    m.dlg().expectMessage("Can not open key \\Software", MsgAnswer::Ok);
    form->btnStart.click();
    const std::vector<std::string> planted = plantedRows();
    EXPECT_THAT(rowTexts(form->lv), ElementsAreArray(planted.begin(), planted.begin() + 5));
    EXPECT_EQ(form->btnStart.caption(), "Scan &Registry");
    EXPECT_TRUE(form->pcRegistry.enabled());
    EXPECT_TRUE(form->cmdExit.enabled()) << "the window must stay usable";
    EXPECT_FALSE(form->aviSearch.active());
    EXPECT_EQ(lines(logfile::ManualRegistry).at(6), "  Scan complete. 5 invalid references found.");
}

TEST_F(RegCleanTest, ClosingDuringAScanStopsItFirst) {
    open();
    ui::uiBackend().post([&] { form->close(); });
    form->btnStart.click();
    EXPECT_FALSE(form->showing());
    EXPECT_EQ(status(0), "Scan interrupted.");
    EXPECT_EQ(value(RegRoot::CurrentUser, regclean::RegCleanKey, "CU"), RegValue::dword(1));
}

// --- the scheduled run ---------------------------------------------------------------------------

TEST_F(RegCleanTest, AScheduledRunScansRemovesEverythingAndLogsWithoutAnyDialog) {
    m.sys().advanceSeconds(60);
    editorExports();
    create();  // never shown
    form->ScheduledRun = true;
    form->ScheduledLogging = true;
    form->btnStart.click();
    ASSERT_EQ(status(0), "Scan successfully completed.");
    ASSERT_EQ(form->lv.rowCount(), 8);
    form->Remove_All();
    form->close();

    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "Missing"));
    EXPECT_FALSE(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\shared.dll"));
    EXPECT_EQ(value(RegRoot::CurrentUser, kAcme, "Good"), RegValue::text("C:\\Apps\\tool.exe"));
    EXPECT_EQ(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Apps\\tool.exe"), RegValue::dword(2));
    EXPECT_EQ(ReadCounter(counter::RegRefs), 8);
    EXPECT_EQ(file(logfile::ManualRegistry), "<missing>");
    EXPECT_TRUE(m.fs().fileExists(kBackupFile)) << "a scheduled scan starts with a silent backup";

    const std::string stamp = "3/14/2026 3:31:00 PM";
    std::vector<std::string> expected = {"",
                                         kSeparator,
                                         "OPERATION START: " + stamp,
                                         kSeparator,
                                         "  Backing up registry files...",
                                         "  Analyzing: HKEY_CURRENT_USER...",
                                         "  Analyzing: HKEY_USERS...",
                                         "  Analyzing: HKEY_LOCAL_MACHINE...",
                                         "  Analyzing: Shared DLL References...",
                                         "  Scan complete. 8 invalid references found.",
                                         "  Start: Removing invalid references"};
    const std::pair<const char*, const char*> removed[] = {
        {"HKEY_CURRENT_USER\\Software\\Acme", "Missing"},
        {"HKEY_CURRENT_USER\\Software\\Acme", "Folder"},
        {"HKEY_CURRENT_USER\\Software\\Acme", "C:\\Gone\\named.dll"},
        {"HKEY_CURRENT_USER\\Software\\Acme", "ExpandGone"},
        {"HKEY_CURRENT_USER\\Software\\Acme\\Deeper", ""},
        {"HKEY_USERS\\.DEFAULT\\Software\\Old", "Doc"},
        {"HKEY_LOCAL_MACHINE\\Software\\Vendor", "Dll"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", "C:\\Gone\\shared.dll"},
    };
    for (const auto& [key, name] : removed) {
        expected.push_back("  Removing invalid reference...");
        expected.push_back(std::string("      KEY: ") + key);
        expected.push_back(std::string("      VALUE: ") + name);
    }
    for (const std::string& l : {std::string("  Finish: Removing invalid references"), kSeparator,
                                 "OPERATION COMPLETE: " + stamp, std::string("NUMBER OF INVALID REFERENCES REMOVED: 8"),
                                 kSeparator})
        expected.push_back(l);
    EXPECT_THAT(lines(logfile::ScheduledRegistry), ElementsAreArray(expected));
}

TEST_F(RegCleanTest, AScheduledRunOnACleanRegistryLogsOnlyThatUnlessLoggingIsOff) {
    m.reg().deleteKeyTree(RegRoot::CurrentUser, kAcme);
    m.reg().deleteKeyTree(RegRoot::Users, ".DEFAULT\\Software\\Old");
    m.reg().deleteKeyTree(RegRoot::LocalMachine, "Software\\Vendor");
    m.reg().openKey(RegRoot::LocalMachine, kSharedDlls, false)->deleteValue("C:\\Gone\\shared.dll");
    editorExports();
    for (bool logging : {false, true}) {
        create();
        form->ScheduledRun = true;
        form->ScheduledLogging = logging;
        form->btnStart.click();
        EXPECT_EQ(status(0), "Scan successfully completed.");
        form->close();
        if (!logging) {
            EXPECT_EQ(file(logfile::ScheduledRegistry), "<missing>");
        }
    }
    // The operation's frame closes when the scan finds nothing; the scan's own last
    // line follows it.
    EXPECT_THAT(lines(logfile::ScheduledRegistry),
                ElementsAreArray(std::vector<std::string>{
                    "", kSeparator, "OPERATION START: 3/14/2026 3:30:00 PM", kSeparator,
                    "  Backing up registry files...", "  Analyzing: HKEY_CURRENT_USER...", "  Analyzing: HKEY_USERS...",
                    "  Analyzing: HKEY_LOCAL_MACHINE...", "  Analyzing: Shared DLL References...",
                    "  Registry Already Clean: No invalid references detected.", kSeparator,
                    "OPERATION COMPLETE: 3/14/2026 3:30:00 PM", kSeparator,
                    "  Scan complete. 0 invalid references found."}));
    EXPECT_EQ(file(logfile::ManualRegistry), "<missing>");
}

// --- removal ------------------------------------------------------------------------------------

TEST_F(RegCleanTest, RemovingTwoSelectedRowsOfFiveDeletesJustThoseValues) {
    open();
    onlyAreas({0});
    form->btnStart.click();
    ASSERT_EQ(form->lv.rowCount(), 5);
    form->lv.userSelect(1);
    form->lv.userSelect(3, {.ctrl = true});

    m.dlg().expectMessage("Are you sure you want to remove 2 selected entries from the Registry?", MsgAnswer::No);
    form->cmdRemove.click();
    EXPECT_EQ(form->lv.rowCount(), 5);
    EXPECT_TRUE(value(RegRoot::CurrentUser, kAcme, "Folder"));

    m.dlg().expectMessage("Are you sure you want to remove 2 selected entries from the Registry?", MsgAnswer::Yes);
    form->cmdRemove.click();
    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "Folder"));
    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "ExpandGone"));
    EXPECT_TRUE(value(RegRoot::CurrentUser, kAcme, "Missing"));
    EXPECT_TRUE(value(RegRoot::CurrentUser, kAcme, "C:\\Gone\\named.dll"));
    EXPECT_THAT(rowTexts(form->lv), ElementsAre(plantedRows()[0], plantedRows()[2], plantedRows()[4]));
    // The row just above the last one removed is the one selected now.
    EXPECT_THAT(form->lv.selectedRows(), ElementsAre(1));
    EXPECT_EQ(status(1), "Number of invalid entries found: 3");
    EXPECT_EQ(form->RemovedReferences, 2);

    // One row: the singular question.
    m.dlg().expectMessage("Are you sure you want to remove selected entry from the Registry?", MsgAnswer::Yes);
    form->lv.userSelect(0);
    form->lv.userKeyDown(ui::key::Delete);
    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "Missing"));
    EXPECT_THAT(form->lv.selectedRows(), ElementsAre(0));
    EXPECT_EQ(form->lv.rowCount(), 2);
}

TEST_F(RegCleanTest, NothingSelectedRemovesNothing) {
    open();
    form->btnStart.click();
    form->lv.clearSelection();
    form->lvChange();
    EXPECT_FALSE(form->mnuSelected.enabled());
    EXPECT_TRUE(form->mnuAll.enabled());
    form->cmdRemove.click();
    form->lv.userKeyDown(ui::key::Delete);
    EXPECT_EQ(form->lv.rowCount(), 8);
}

TEST_F(RegCleanTest, ASharedDllRowRemovesOnlyItsCounter) {
    open();
    onlyAreas({3});
    form->btnStart.click();
    ASSERT_EQ(form->lv.rowCount(), 1);
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    form->mnuAll.userClick();
    EXPECT_FALSE(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\shared.dll"));
    EXPECT_EQ(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Apps\\tool.exe"), RegValue::dword(2));
    EXPECT_TRUE(m.reg().keyExists(RegRoot::LocalMachine, kSharedDlls));
    EXPECT_EQ(form->lv.rowCount(), 0);
    EXPECT_FALSE(form->cmdRemove.enabled());
    EXPECT_EQ(status(1), "Number of invalid entries found: 0");
}

TEST_F(RegCleanTest, AValueTheRegistryRefusesToDeleteIsNeitherCountedNorLoggedAsRemoved) {
    open();
    onlyAreas({1, 2});
    form->btnStart.click();
    ASSERT_EQ(form->lv.rowCount(), 2);
    m.reg().setReadOnly(RegRoot::LocalMachine, "Software\\Vendor", true);
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    form->Remove_All();
    form->close();

    EXPECT_FALSE(value(RegRoot::Users, ".DEFAULT\\Software\\Old", "Doc"));
    EXPECT_EQ(value(RegRoot::LocalMachine, "Software\\Vendor", "Dll"), RegValue::text("C:\\Gone\\v.dll"));
    EXPECT_EQ(ReadCounter(counter::RegRefs), 1);
    const auto log = lines(logfile::ManualRegistry);
    const auto at = std::find(log.begin(), log.end(), "      VALUE: Doc");
    ASSERT_NE(at, log.end());
    EXPECT_THAT(std::vector<std::string>(at - 2, at + 6),
                ElementsAre("  Removing invalid reference...", "      KEY: HKEY_USERS\\.DEFAULT\\Software\\Old",
                            "      VALUE: Doc", "  Invalid reference not removed: the registry refused to delete it.",
                            "      KEY: HKEY_LOCAL_MACHINE\\Software\\Vendor", "      VALUE: Dll", "", kSeparator));
    EXPECT_NE(std::find(log.begin(), log.end(), "NUMBER OF INVALID REFERENCES REMOVED: 1"), log.end());
}

TEST_F(RegCleanTest, AKeyThatCannotBeOpenedStopsTheRemovalAtItsRow) {
    open();
    form->btnStart.click();
    m.reg().setDenied(RegRoot::Users, ".DEFAULT\\Software\\Old", true);
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    m.dlg().expectMessage("Error opening registry key \\.DEFAULT\\Software\\Old", MsgAnswer::Ok);
    form->mnuAll.userClick();
    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "Missing")) << "the rows before it were removed";
    EXPECT_TRUE(value(RegRoot::LocalMachine, "Software\\Vendor", "Dll")) << "the rows after it were not";
    EXPECT_EQ(form->lv.rowCount(), 8) << "every row stays listed";
    EXPECT_EQ(form->RemovedReferences, 5);
}

TEST_F(RegCleanTest, RescanAfterRemovalReplacesTheList) {
    open();
    onlyAreas({1});
    form->cbRescan.userToggle();
    form->btnStart.click();
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    m.dlg().expectMessage("No invalid references detected.", MsgAnswer::Ok);
    form->Remove_All();
    EXPECT_EQ(status(0), "Scan successfully completed.");
    EXPECT_EQ(form->tb.height(), 0);
}

// --- the undo file --------------------------------------------------------------------------------

TEST_F(RegCleanTest, RemoveThenUndoGivesBackTheSameValuesTypesAndData) {
    // Shared-DLL counters can be of any type; the value scan finds text of both kinds.
    m.reg().set(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\blob.dll",
                RegValue::binary(std::string("\x01\x00\xFF", 3)));
    m.reg().set(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\list.dll",
                RegValue{RegType::MultiSz, std::string("a\0b\0", 4)});
    const auto before = [&] {
        std::vector<std::optional<RegValue>> out;
        for (const char* name : {"Missing", "Folder", "C:\\Gone\\named.dll", "ExpandGone", "Good"})
            out.push_back(value(RegRoot::CurrentUser, kAcme, name));
        for (const char* name : {"C:\\Gone\\shared.dll", "C:\\Gone\\blob.dll", "C:\\Gone\\list.dll"})
            out.push_back(value(RegRoot::LocalMachine, kSharedDlls, name));
        out.push_back(value(RegRoot::CurrentUser, std::string(kAcme) + "\\Deeper", ""));
        return out;
    };
    const auto original = before();

    open();
    EXPECT_FALSE(form->mnuUndo.enabled());
    onlyAreas({0, 3});
    form->btnStart.click();
    ASSERT_EQ(form->lv.rowCount(), 8);
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    form->Remove_All();
    EXPECT_FALSE(value(RegRoot::CurrentUser, kAcme, "ExpandGone"));
    EXPECT_FALSE(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\blob.dll"));

    // Local time names the file; the status bar says where it is.
    const std::string undoFile = kFolder + "Registry Backup\\Undo_2026-03-14_15-30-00.reg";
    EXPECT_EQ(status(2), "Undo file: Registry Backup\\Undo_2026-03-14_15-30-00.reg");
    const auto saved = m.fs().contents(undoFile);
    ASSERT_TRUE(saved);
    EXPECT_EQ(regclean::ReadRegFile(*saved).size(), 8u);
    EXPECT_TRUE(form->mnuUndo.enabled());

    m.dlg().expectMessage("Put back the 8 registry value(s) that the last removal deleted?\r\rThey were saved in\r\r" +
                              undoFile,
                          MsgAnswer::Yes);
    form->mnuUndo.userClick();
    EXPECT_EQ(before(), original);
    EXPECT_FALSE(m.fs().exists(undoFile));
    EXPECT_TRUE(m.fs().exists(kFolder + "Registry Backup\\Undone_2026-03-14_15-30-00.reg"));
    EXPECT_FALSE(form->mnuUndo.enabled()) << "that removal is undone; there is none before it";
    EXPECT_EQ(status(2), "Undo complete: 8 value(s) put back.");
}

TEST_F(RegCleanTest, UndoTakesTheNewestRemovalFirst) {
    open();
    onlyAreas({1, 2});
    form->btnStart.click();
    form->lv.userSelect(0);
    m.dlg().expectMessage("Are you sure you want to remove selected entry from the Registry?", MsgAnswer::Yes);
    form->Remove_Selected();
    form->lv.userSelect(0);
    m.dlg().expectMessage("Are you sure you want to remove selected entry from the Registry?", MsgAnswer::Yes);
    form->Remove_Selected();  // the same second: a second file beside the first
    EXPECT_TRUE(m.fs().exists(kFolder + "Registry Backup\\Undo_2026-03-14_15-30-00_2.reg"));

    m.dlg().expectMessageContaining("Undo_2026-03-14_15-30-00_2.reg", MsgAnswer::Yes);
    form->UndoLastRemoval();
    EXPECT_TRUE(value(RegRoot::LocalMachine, "Software\\Vendor", "Dll"));
    EXPECT_FALSE(value(RegRoot::Users, ".DEFAULT\\Software\\Old", "Doc"));

    m.dlg().expectMessageContaining("Undo_2026-03-14_15-30-00.reg", MsgAnswer::No);
    form->UndoLastRemoval();
    EXPECT_FALSE(value(RegRoot::Users, ".DEFAULT\\Software\\Old", "Doc")) << "No leaves it removed";
}

TEST_F(RegCleanTest, WithoutAnUndoFileNothingIsRemoved) {
    m.fs().addFile(kFolder + "Registry Backup");  // a file where the folder should go
    open();
    form->btnStart.click();
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    m.dlg().expectMessageContaining("Nothing was removed", MsgAnswer::Ok);
    form->mnuAll.userClick();
    EXPECT_TRUE(value(RegRoot::CurrentUser, kAcme, "Missing"));
    EXPECT_TRUE(value(RegRoot::LocalMachine, kSharedDlls, "C:\\Gone\\shared.dll"));
    EXPECT_EQ(form->RemovedReferences, 0);
    EXPECT_EQ(form->lv.rowCount(), 8);
}

// --- logs, options and closing ---------------------------------------------------------------------

TEST_F(RegCleanTest, AnInteractiveSessionLogsItsFramesAndClosingStoresAreasAndCounter) {
    WriteSettingBool(regclean::RegCleanKey, "US", false);
    AddToCounter(counter::RegRefs, 4);
    open();
    EXPECT_FALSE(form->lvScanFor.row(1).checked);
    EXPECT_THAT(form->lvScanFor.selectedRows(), ElementsAre(0, 2, 3));
    form->lvScanFor.userCheckRow(3, false);
    EXPECT_THAT(form->lvScanFor.selectedRows(), ElementsAre(0, 2)) << "selection follows the check marks";
    form->lvScanFor.userCheckRow(1, true);
    onlyAreas({2});
    form->btnStart.click();
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    form->Remove_All();
    form->close();

    EXPECT_EQ(value(RegRoot::CurrentUser, regclean::RegCleanKey, "CU"), RegValue::dword(0));
    EXPECT_EQ(value(RegRoot::CurrentUser, regclean::RegCleanKey, "US"), RegValue::dword(0));
    EXPECT_EQ(value(RegRoot::CurrentUser, regclean::RegCleanKey, "LM"), RegValue::dword(1));
    EXPECT_EQ(value(RegRoot::CurrentUser, regclean::RegCleanKey, "SD"), RegValue::dword(0));
    EXPECT_EQ(ReadCounter(counter::RegRefs), 5);
    const std::string stamp = "3/14/2026 3:30:00 PM";
    EXPECT_THAT(lines(logfile::ManualRegistry),
                ElementsAreArray(std::vector<std::string>{kSeparator, "SESSION START: " + stamp, kSeparator, "",
                            "  Scanning registry for invalid references.", "  Analyzing: HKEY_LOCAL_MACHINE...",
                            "  Scan complete. 1 invalid references found.", "  Removing invalid reference...",
                            "      KEY: HKEY_LOCAL_MACHINE\\Software\\Vendor", "      VALUE: Dll", "", kSeparator,
                            "CLOSE SESSION: " + stamp, "NUMBER OF INVALID REFERENCES REMOVED: 1", kSeparator, ""}));
}

TEST_F(RegCleanTest, WithTheManualSwitchOffNothingIsLoggedButTheCounterStillGrows) {
    WriteSettingBool(StatisticsKey, logswitch::DoReg, false);
    open();
    onlyAreas({1});
    form->btnStart.click();
    m.dlg().expectMessage("Are you sure you want to remove all displayed entries from the Registry?", MsgAnswer::Yes);
    form->Remove_All();
    form->close();
    EXPECT_EQ(file(logfile::ManualRegistry), "<missing>");
    EXPECT_EQ(ReadCounter(counter::RegRefs), 1);
}

TEST_F(RegCleanTest, TheWindowFollowsItsSize) {
    open();
    form->setClientSize(900, 520);
    const int others = 116 + 30 + 204;
    EXPECT_EQ(form->lv.column(0).width, form->lv.width() - others - 4);
    EXPECT_EQ(form->Bevel1.width(), 900 - 139);
    EXPECT_EQ(form->StatusBar1.top() + form->StatusBar1.height(), 520);
    EXPECT_EQ(form->btnStart.left() + form->btnStart.width(), 900 - 8);

    form->lv.setColumnWidth(1, 600);  // the other three leave too little: the first keeps its width
    const int first = form->lv.column(0).width;
    form->setClientSize(880, 520);
    EXPECT_EQ(form->lv.column(0).width, first);
}

TEST_F(RegCleanTest, HelpOpensTheRegistryTopic) {
    open();
    form->cmdHelp.click();
    form->userKeyDown(ui::key::F1);
    ASSERT_EQ(m.sh().executed().size(), 2u);
    EXPECT_THAT(m.sh().executed()[0].file, ::testing::EndsWith("#Cleaning_your_system_registry"));
    EXPECT_FALSE(form->cmdHelp.glyph().empty());
}

TEST_F(RegCleanTest, NonAdministratorsAreToldOnceShownAndScheduledRunsNever) {
    m.sys().setAdministrator(false);
    create();
    form->ScheduledRun = true;
    form->ScheduledLogging = false;
    editorExports();
    form->btnStart.click();  // a hint here would stop the unattended run
    form->close();

    std::string shown;
    ui::headlessUi().expectModal<TfrmHint>([&](TfrmHint& hint) { shown = hint.mmoHint.text(); });
    open();
    EXPECT_EQ(shown,
              "In order to utilize the Registry Cleaner's backup and restore functions you must be logged in as an "
              "administrator, thus these features have been temporarily removed.");
}

// --- backup and restore (the 9x family) -----------------------------------------------------------

class RegCleanBackupTest : public RegCleanTest {
protected:
    RegCleanBackupTest() { m.sys().setOsFamily(OsFamily::Win9x); }
};

TEST_F(RegCleanBackupTest, TheBackupTabIsOfferedOnlyOnThe9xFamily) {
    open();
    EXPECT_TRUE(form->tsBackup.tabVisible());
    EXPECT_TRUE(form->cbBackup.checked());
    form->close();
    m.sys().setOsFamily(OsFamily::WinNT);
    open();
    EXPECT_FALSE(form->tsBackup.tabVisible());
    EXPECT_FALSE(form->cbBackup.checked()) << "cleared on NT whatever the storage kept";
}

TEST_F(RegCleanBackupTest, BackupNowExportsTheWholeRegistryThroughTheEditor) {
    editorExports("the whole registry");
    open();
    m.dlg().expectMessage("Registry files successfully backed up to:\r\r" + kBackupFile, MsgAnswer::Ok);
    form->cmdBackup.click();
    ASSERT_EQ(m.sys().launches().size(), 1u);
    EXPECT_EQ(m.sys().launches()[0].program, "Regedit.exe");
    EXPECT_EQ(m.sys().launches()[0].parameters, "/e \"" + kBackupFile + "\"");
    EXPECT_EQ(m.fs().contents(kBackupFile), "the whole registry");
    EXPECT_EQ(status(0), "Registry backup procedure complete...");
    EXPECT_EQ(ui::application().screenCursor(), ui::CursorShape::Default);

    // An existing backup is replaced only when the user says so.
    m.dlg().expectMessage("A backup copy of the registry exists - do you want to update it?", MsgAnswer::No);
    form->cmdBackup.click();
    EXPECT_EQ(m.sys().launches().size(), 1u);
    EXPECT_EQ(status(0), "Registry backup procedure complete...");
    EXPECT_THAT(lines(logfile::ManualRegistry),
                ::testing::Contains("  Backing up registry files.").Times(2));
}

TEST_F(RegCleanBackupTest, ABackupThatDidNotFinishIsReportedAndTheOldOneKept) {
    m.fs().addFile(kBackupFile, "yesterday's backup");
    open();
    const struct {
        const char* what;
        sim::SimSystem::ProgramRun run;
        const char* error;
    } cases[] = {
        {"the editor is missing", nullptr, "2"},
        {"it ran out of time", [](const std::string&) { return sim::SimSystem::stillRunning(); }, "258"},
        {"it failed", [](const std::string&) { return sim::SimSystem::ranAndEnded(5); }, "5"},
        {"it wrote nothing", [](const std::string&) { return sim::SimSystem::ranAndEnded(); }, "2"},
    };
    for (const auto& c : cases) {
        if (c.run) m.sys().setProgram("regedit", c.run);
        m.dlg().expectMessage("A backup copy of the registry exists - do you want to update it?", MsgAnswer::Yes);
        const std::string error = std::string("There was an error while backing up the registry.\r\rError Number: ");
        m.dlg().expectMessage(error + c.error, MsgAnswer::Ok);
        EXPECT_FALSE(form->BackupRegistry(false)) << c.what;
        EXPECT_EQ(m.fs().contents(kBackupFile), "yesterday's backup") << c.what;
        EXPECT_EQ(status(0), "Registry backup procedure complete...");
    }
}

TEST_F(RegCleanBackupTest, EveryScanBeginsWithASilentBackup) {
    editorExports();
    open();
    onlyAreas({1});
    form->btnStart.click();
    EXPECT_EQ(m.sys().launches().size(), 1u);
    EXPECT_TRUE(m.fs().fileExists(kBackupFile));
    EXPECT_EQ(status(0), "Scan successfully completed.");

    m.sys().setProgram("regedit", [](const std::string&) { return sim::SimSystem::ranAndEnded(1); });
    m.dlg().expectMessage("There was an error while backing up the registry.\r\rError Number: 1", MsgAnswer::Ok);
    form->btnStart.click();
    EXPECT_EQ(form->lv.rowCount(), 1) << "the scan goes on";
}

TEST_F(RegCleanBackupTest, RestoreHandsTheBackupToTheEditor) {
    open();
    m.dlg().expectMessage("No backup copy of the registry exists.", MsgAnswer::Ok);
    form->cmdRestore.click();
    EXPECT_TRUE(m.sys().launches().empty());
    EXPECT_EQ(status(0), "Restore procedure complete");

    m.fs().addFile(kBackupFile, "backup");
    m.sys().setProgram("regedit", [](const std::string&) { return sim::SimSystem::ranAndEnded(); });
    form->cmdRestore.click();
    ASSERT_EQ(m.sys().launches().size(), 1u);
    EXPECT_EQ(m.sys().launches()[0].parameters, "/c \"" + kBackupFile + "\"");
    EXPECT_EQ(status(0), "Restore procedure complete");

    m.sys().setProgram("regedit", [](const std::string&) { return sim::SimSystem::ranAndEnded(3); });
    m.dlg().expectMessage("There was an error while restoring the registry.\r\rError Number: 3", MsgAnswer::Ok);
    form->cmdRestore.click();
    EXPECT_THAT(lines(logfile::ManualRegistry),
                ::testing::Contains("  Restoring registry files from backup.").Times(3));
}

}  // namespace
}  // namespace sv::test
