// The drive list, the file list and the folder lists on the simulated machine;
// the cases where a user's click matters run on both window backends.
#include "common/listviews.h"

#include <memory>
#include <string>
#include <vector>

#include "common/folderlists.h"
#include "common/formats.h"
#include "common/regaccess.h"
#include "platform/ui/form.h"
#include "support/sim_test.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

std::vector<std::string> captions(const ui::ListView& lv) {
    std::vector<std::string> out;
    for (const auto& r : lv.rows()) out.push_back(r.caption);
    return out;
}

std::vector<bool> marks(const ui::ListView& lv) {
    std::vector<bool> out;
    for (const auto& r : lv.rows()) out.push_back(r.checked);
    return out;
}

FileTime utc(int y, int mo, int d, int h, int mi) {
    SystemTime st;
    st.year = y, st.month = mo, st.day = d, st.hour = h, st.minute = mi;
    return systemTimeToFileTime(st);
}

class ListViewsTest : public SimTest {
protected:
    void TearDown() override {
        ResetProcessDateTimeFormats();
        SimTest::TearDown();
    }
    // C (fixed, no label) is the sim's own; D is a CD, E a network drive, Z the host.
    void addDrives() {
        m.fs().addDrive('D', DriveType::CdRom, "Setup (v2)");
        m.fs().addDrive('E', DriveType::Remote, "share");
        m.fs().addDrive('Z', DriveType::Fixed, "");
        m.fs().setWholeHostDrive('Z', true);
    }
    ui::Form form{"frmTest"};
};

// --- drives ---------------------------------------------------------------------------

TEST_F(ListViewsTest, DriveRowsShowTheShellsNamesAndIconsAndSelectLocalDrives) {
    addDrives();
    TDiskListView lv(&form, "DiskListView1");
    EXPECT_EQ(lv.column(0).caption, "Select drives");
    EXPECT_FALSE(lv.columnClick());
    EXPECT_TRUE(lv.multiSelect());
    lv.refreshDrives();

    EXPECT_EQ(captions(lv), (std::vector<std::string>{" (C:)", "Setup (v2) (D:)", "share (E:)", " (Z:)"}));
    ASSERT_EQ(lv.images().count(), 4);
    EXPECT_FALSE(lv.images().masked());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(lv.row(i).imageIndex, i);
    // The fixed drive is chosen; the host's whole file system never is.
    EXPECT_EQ(lv.driveSet(), "C");

    lv.setSelectLocalDrives(false);
    lv.refreshDrives();
    EXPECT_EQ(lv.rowCount(), 4);
    EXPECT_EQ(lv.images().count(), 4);
    EXPECT_EQ(lv.driveSet(), "");
    lv.selectAll();
    // The letter follows the first " (": a label holding " (" names the wrong one,
    // which the drive set reports as it is.
    EXPECT_EQ(lv.driveSet(), "CVEZ");
}

TEST_F(ListViewsTest, DriveLetterOfACaption) {
    const std::vector<std::pair<std::string, char>> cases{
        {"Local Disk (C:)", 'C'}, {" (d:)", 'd'}, {"My (E:) stuff (F:)", 'E'}, {"No letter", 0},
        {"Odd (C)", 0},           {"(C:)", 0},    {"Trailing (", 0}};
    for (const auto& [caption, letter] : cases) EXPECT_EQ(TDiskListView::driveLetterOf(caption), letter) << caption;
}

TEST_F(ListViewsTest, AStoredDriveSetChecksItsDrivesAndSelectionFollowsTheMarks) {
    addDrives();
    TDiskListView lv(&form, "DiskListView1");
    lv.setCheckBoxes(true);
    lv.refreshDrives();
    struct Case {
        std::string stored;
        std::vector<bool> checked;
    };
    const std::vector<Case> cases{
        {"---", {false, false, false, false}},
        {"DE", {false, true, true, false}},
        {"ECZ", {true, false, true, true}},
        // Only as many characters as there are drives count.
        {"----Z", {false, false, false, false}},
    };
    for (const auto& c : cases) {
        CheckAllRows(false, lv);
        lv.checkDrives(c.stored);
        EXPECT_EQ(marks(lv), c.checked) << c.stored;
    }
    lv.checkDrives("EZ");
    lv.selectCheckedRows();
    EXPECT_EQ(lv.driveSet(), "EZ");
}

TEST_F(ListViewsTest, FirstUseDefaultChecksTheFixedDrivesOfARealDriveList) {
    addDrives();
    m.fs().addDrive('F', DriveType::Fixed, "Data");
    TDiskListView lv(&form, "DiskListView1");
    lv.setCheckBoxes(true);
    lv.refreshDrives();
    lv.setChecked(2, true);  // E, the network drive, chosen before
    InitDriveChecks("software\\Kettrel\\Sorvane\\junk", "pos", lv);
    EXPECT_EQ(marks(lv), (std::vector<bool>{true, false, true, true, false}));
}

// --- files ----------------------------------------------------------------------------

TEST_F(ListViewsTest, FileRowsHoldPathSizeTypeTimeAttributesAndVersions) {
    m.fs().addFile("C:\\Temp\\Report.TMP", "12345", attr::ReadOnly | attr::Archive, utc(2026, 3, 1, 17, 4));
    m.fs().addFile("C:\\Temp\\Midnight.txt", "", attr::Hidden | attr::System, utc(2025, 12, 31, 0, 0));
    m.fs().addFile("C:\\Tools\\Tool.exe", std::string(2048, 'x'));
    m.fs().addFile("C:\\Tools\\README");
    m.sh().setTypeName("txt", "  Text Document ");
    m.sh().setFileVersion("c:\\tools\\tool.EXE", "1.2.3.4", "1.2");

    TFileListView lv(&form, "lvFiles");
    EXPECT_EQ(ProcessDateTimeFormats().shortDate, "yyyy/mm/dd");
    EXPECT_EQ(ProcessDateTimeFormats().longTime, "hh:nn");
    std::vector<std::string> shown;
    for (const char* path : {"C:\\Temp\\Report.TMP", "C:\\Temp\\Midnight.txt", "C:\\Tools\\Tool.exe", "C:\\Tools\\README"}) {
        uint64_t size = 99;
        ASSERT_TRUE(lv.addFileRow(path, size)) << path;
        const auto& r = lv.row(lv.rowCount() - 1);
        EXPECT_EQ(std::to_string(size), r.subItems[0]);
        std::string line = r.caption;
        for (const auto& s : r.subItems) line += "|" + s;
        shown.push_back(line);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "c:\\temp\\report.tmp|5|TMP File|2026/03/01 17:04|R  A||",
                         "c:\\temp\\midnight.txt|0|Text Document|2025/12/31| HS ||",
                         "c:\\tools\\tool.exe|2048|EXE File|2026/03/14 09:05|   A|1.2.3.4|1.2",
                         "c:\\tools\\readme|0|File|2026/03/14 09:05|   A||",
                     }));
}

TEST_F(ListViewsTest, AFileThatIsGoneAddsNoRow) {
    TFileListView lv(&form, "lvFiles");
    uint64_t size = 7;
    EXPECT_FALSE(lv.addFileRow("C:\\Temp\\gone.tmp", size));
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(lv.rowCount(), 0);
}

TEST_F(ListViewsTest, FileListColumnsAndSortState) {
    TFileListView lv(&form, "lvFiles");
    std::string columns;
    for (int i = 0; i < lv.columnCount(); ++i) {
        const auto& c = lv.column(i);
        columns += c.caption + ":" + std::to_string(c.width) + ":" + (c.alignment == ui::Alignment::Right ? "R" : "L") + " ";
    }
    EXPECT_EQ(columns, "Name:50:L Size:80:R Type:50:L Modified:50:L Attr:50:R File Ver:50:R Prod Ver:-2:R ");
    EXPECT_EQ(lv.sortColumn(), TFileListView::Size);
    EXPECT_TRUE(lv.sortAscending());
    EXPECT_TRUE(lv.rowSelect());
    EXPECT_FALSE(lv.hideSelection());
}

TEST_F(ListViewsTest, RowsCompareByTheRulesOfTheirColumn) {
    TFileListView lv(&form, "lvFiles");  // sets the formats the dates are read in
    auto row = [](std::string caption, std::string size, std::string type, std::string modified) {
        return ui::ListRow{std::move(caption), {std::move(size), std::move(type), std::move(modified), "", "", ""}};
    };
    struct Case {
        ui::ListRow a, b;
        int column, expected;
    };
    // The sim's clock stands at 2026/03/14 09:05 local time.
    const std::vector<Case> cases{
        {row("c:\\B.txt", "", "", ""), row("C:\\a.txt", "", "", ""), 0, 1},
        {row("c:\\a.txt", "", "", ""), row("C:\\A.TXT", "", "", ""), 0, 0},
        {row("", "900", "", ""), row("", "1000", "", ""), 1, -1},
        {row("", "12x", "", ""), row("", "0", "", ""), 1, 0},
        {row("", "", "", ""), row("", "-3", "", ""), 1, 1},
        {row("", "", "", "2026/03/14 09:04"), row("", "", "", "2026/03/14 09:05"), 3, -1},
        {row("", "", "", "2025/12/31"), row("", "", "", "2025/12/30 23:59"), 3, 1},
        {row("", "", "", "not a date"), row("", "", "", "2026/03/14 09:05"), 3, 0},
        {row("", "", "", "2026/02/30 10:00"), row("", "", "", "2026/03/14 09:06"), 3, -1},
        {row("", "", "exe file", ""), row("", "", "EXE File", ""), 2, 0},
        {row("", "", "Zip", ""), row("", "", "text", ""), 2, 1},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(TFileListView::compareByColumn(c.a, c.b, c.column), c.expected) << "case " << i;
        EXPECT_EQ(TFileListView::compareByColumn(c.b, c.a, c.column), -c.expected) << "case " << i;
    }
}

TEST_F(ListViewsTest, CompareRowsUsesByteOrderAndLeavesRowsWithoutTheColumnAlone) {
    const ui::ListRow a{"b", {"x", "Z"}}, b{"a", {"x", "a"}}, shortRow{"c", {"y"}};
    struct Case {
        const ui::ListRow &first, &second;
        int column, start, expected;
    };
    const std::vector<Case> cases{{a, b, 0, 0, 1}, {b, a, 0, 0, -1}, {a, b, 1, 9, 0},
                                  {a, b, 2, 0, -1},  // "Z" before "a": letter case matters
                                  {a, shortRow, 2, 5, 5}, {shortRow, a, 2, 0, 0}, {a, a, 0, 3, 0}};
    for (size_t i = 0; i < cases.size(); ++i) {
        int result = cases[i].start;
        CompareRows(cases[i].first, cases[i].second, cases[i].column, result);
        EXPECT_EQ(result, cases[i].expected) << "case " << i;
    }
}

TEST_F(ListViewsTest, CheckAllRowsSetsEveryMark) {
    ui::ListView lv(&form, "lvResults");
    for (const char* c : {"a", "b", "c"}) lv.addRow(c);
    lv.setChecked(1, true);
    CheckAllRows(true, lv);
    EXPECT_EQ(marks(lv), (std::vector<bool>{true, true, true}));
    CheckAllRows(false, lv);
    EXPECT_EQ(marks(lv), (std::vector<bool>{false, false, false}));
}

// --- folder lists ---------------------------------------------------------------------

constexpr const char* kFolders = "\\software\\kettrel\\Sorvane\\junk\\folders";

TEST_F(ListViewsTest, AFolderListSavedAndLoadedKeepsRowsMarksAndDescriptions) {
    ui::ListView lv(&form, "lvFolderFind");
    lv.setCheckBoxes(true);
    m.dlg().expectInput("Enter a description for this folder", "Old downloads");
    AddFolderRow(lv, "C:\\Downloads", false, false);
    m.dlg().expectInput("Enter a description for this folder", std::nullopt);  // Cancel keeps the blank
    AddFolderRow(lv, "D:\\Cache\\", true, false);
    lv.addRow("E:\\Bare\\");  // no description at all
    EXPECT_EQ(captions(lv), (std::vector<std::string>{"C:\\Downloads\\", "D:\\Cache\\", "E:\\Bare\\"}));
    EXPECT_EQ(lv.row(0).imageIndex, 9);
    EXPECT_EQ(m.dlg().shown().at(0).title, "Folder Description");
    EXPECT_EQ(m.dlg().shown().at(0).initial, " ");

    // A stale row in the store goes when the list is saved.
    RegAccess(RegRoot::CurrentUser, kFolders, true).writeBool("X:\\Old\\", true);
    SaveFolderList(lv, kFolders);

    RegAccess key(RegRoot::CurrentUser, kFolders, false);
    EXPECT_EQ(key.valueNames(), (std::vector<std::string>{"C:\\Downloads\\", "D:\\Cache\\", "E:\\Bare\\"}));
    EXPECT_EQ(key.key()->readValue("C:\\Downloads\\"), RegValue::dword(0));
    EXPECT_EQ(key.key()->readValue("D:\\Cache\\"), RegValue::dword(1));
    RegAccess desc(RegRoot::CurrentUser, std::string(kFolders) + "\\Desc", false);
    EXPECT_EQ(desc.key()->readValue("C:\\Downloads\\"), RegValue::text("Old downloads"));
    EXPECT_EQ(desc.key()->readValue("D:\\Cache\\"), RegValue::text(" "));
    EXPECT_EQ(desc.key()->readValue("E:\\Bare\\"), RegValue::text(" "));

    ui::ListView loaded(&form, "lvFolderFind");
    loaded.addRow("designed row");
    LoadFolderList(loaded, kFolders);
    ASSERT_EQ(loaded.rowCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.row(i).caption, lv.row(i).caption);
        EXPECT_EQ(loaded.row(i).checked, lv.row(i).checked);
        EXPECT_EQ(loaded.row(i).imageIndex, 9);
    }
    EXPECT_EQ(loaded.row(0).subItems, (std::vector<std::string>{"Old downloads"}));
    EXPECT_EQ(loaded.row(2).subItems, (std::vector<std::string>{" "}));
}

TEST_F(ListViewsTest, LoadingANeverSavedListChecksTheDesignedRows) {
    struct Case {
        const char* name;
        int picture, firstWidth;
    };
    for (const auto& c : std::vector<Case>{{"lvFiles", 10, 67}, {"lvXFiles", 12, 200}, {"lvExclude", 3, 200}}) {
        ui::ListView lv(&form, c.name);
        lv.addColumn("File", 200);
        lv.addRow("*.bak", {"Backups"});
        lv.addRow("C:\\pagefile.sys");
        LoadFolderList(lv, std::string("\\software\\kettrel\\Sorvane\\dupelist\\") + c.name);
        EXPECT_EQ(marks(lv), (std::vector<bool>{true, true})) << c.name;
        EXPECT_EQ(lv.row(0).subItems, (std::vector<std::string>{"Backups"}));
        EXPECT_EQ(lv.column(0).width, c.firstWidth) << c.name;
        EXPECT_EQ(FolderListPicture(lv), c.picture);
    }
}

TEST_F(ListViewsTest, EditingARowRenamesItAndAsksForItsDescription) {
    ui::ListView lv(&form, "lvFolderExclude");
    lv.setCheckBoxes(true);
    lv.addRow("C:\\Old\\", {"Was here"});
    lv.addRow("C:\\Bare\\");
    lv.setChecked(0, false);

    lv.setItemIndex(0);
    m.dlg().expectFolder("C:\\Windows");
    m.dlg().expectInput("Enter a description for this excluded folder", "Now here");
    BrowseFolder(lv, true);
    EXPECT_EQ(m.dlg().shown().at(0).initial, "C:\\Old\\");  // the browser starts at the row
    EXPECT_EQ(m.dlg().shown().at(1).initial, "Was here");
    EXPECT_EQ(lv.row(0).caption, "C:\\Windows\\");
    EXPECT_EQ(lv.row(0).subItems, (std::vector<std::string>{"Now here"}));
    EXPECT_FALSE(lv.row(0).checked);

    lv.setItemIndex(1);
    m.dlg().expectInput("Enter a description for this excluded folder", std::nullopt);
    AddFolderRow(lv, "C:\\Temp", true, true);
    EXPECT_EQ(m.dlg().shown().at(2).initial, " ");
    EXPECT_EQ(lv.row(1).caption, "C:\\Temp\\");
    EXPECT_EQ(lv.row(1).subItems, (std::vector<std::string>{" "}));

    // A new folder from the browser is checked; a cancelled browser adds nothing.
    m.dlg().expectFolder("C:\\Windows\\System32");
    m.dlg().expectInput("Enter a description for this folder", "System");
    BrowseFolder(lv, false);
    EXPECT_EQ(m.dlg().shown().at(3).initial, "");
    m.dlg().expectFolder(std::nullopt);
    BrowseFolder(lv, false);
    EXPECT_EQ(captions(lv), (std::vector<std::string>{"C:\\Windows\\", "C:\\Temp\\", "C:\\Windows\\System32\\"}));
    EXPECT_TRUE(lv.row(2).checked);
    EXPECT_EQ(lv.row(2).imageIndex, 3);
}

TEST_F(ListViewsTest, DeletingTheSelectedRowSelectsTheOneBefore) {
    struct Case {
        int selected;
        std::vector<std::string> left;
        int nowSelected;
    };
    for (const auto& c : std::vector<Case>{{0, {"b", "c"}, 0}, {2, {"a", "b"}, 1}, {1, {"a", "c"}, 0}, {-1, {"a", "b", "c"}, -1}}) {
        ui::ListView lv(&form, "lvFolders");
        for (const char* r : {"a", "b", "c"}) lv.addRow(r);
        lv.setItemIndex(c.selected);
        DeleteSelectedRow(lv);
        EXPECT_EQ(captions(lv), c.left);
        EXPECT_EQ(lv.itemIndex(), c.nowSelected);
    }
    ui::ListView single(&form, "lvFolders");
    single.addRow("only");
    single.setItemIndex(0);
    DeleteSelectedRow(single);
    EXPECT_EQ(single.rowCount(), 0);
}

// --- what a user does, on both window backends -----------------------------------------

class ListViewsUi : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        form = std::make_unique<ui::Form>("frmLists");
        form->setClientSize(640, 300);
    }
    void TearDown() override {
        owned.reset();
        form.reset();
        ResetProcessDateTimeFormats();
        UiConformance::TearDown();
    }
    std::vector<std::string> shown(ui::ListView& lv) {
        std::vector<std::string> out;
        for (int i = 0, n = shownListRowCount(ui(), lv); i < n; ++i) out.push_back(shownListRow(ui(), lv, i));
        return out;
    }
    std::unique_ptr<ui::Form> form;
    std::unique_ptr<ui::ListView> owned;  // goes before the form, as a form's own component would
};

TEST_P(ListViewsUi, ClickingHeadersSortsTheFileList) {
    m.fs().addFile("C:\\b.tmp", std::string(300, 'x'), attr::Archive, utc(2026, 1, 2, 8, 0));
    m.fs().addFile("C:\\A.tmp", std::string(20, 'x'), attr::Archive, utc(2026, 1, 3, 8, 0));
    m.fs().addFile("C:\\c.tmp", std::string(1000, 'x'), attr::Archive, utc(2026, 1, 1, 8, 0));
    auto* lv = new TFileListView(form.get(), "lvResults");
    owned.reset(lv);
    lv->setBounds(8, 8, 620, 280);
    for (const char* p : {"C:\\b.tmp", "C:\\A.tmp", "C:\\c.tmp"}) {
        uint64_t size = 0;
        ASSERT_TRUE(lv->addFileRow(p, size));
    }
    form->show();
    ui().processMessages();
    auto names = [&] {
        std::vector<std::string> out;
        for (const auto& line : shown(*lv)) out.push_back(line.substr(0, line.find(' ')));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(), (V{"c:\\b.tmp", "c:\\a.tmp", "c:\\c.tmp"}));  // new rows are not sorted
    // Size is the sort column already, so its first click turns the order round.
    ui().clickColumn(*lv, TFileListView::Size);
    EXPECT_EQ(names(), (V{"c:\\c.tmp", "c:\\b.tmp", "c:\\a.tmp"}));
    EXPECT_FALSE(lv->sortAscending());
    std::vector<int> clicks;
    lv->onColumnClick = [&](int column) {
        clicks.push_back(column);
        lv->sortByColumn(column);
    };
    ui().clickColumn(*lv, TFileListView::Modified);
    EXPECT_EQ(clicks, (std::vector<int>{3}));
    EXPECT_EQ(lv->sortColumn(), TFileListView::Modified);
    EXPECT_EQ(names(), (V{"c:\\c.tmp", "c:\\b.tmp", "c:\\a.tmp"}));
    EXPECT_TRUE(lv->sortAscending());
    ui().clickColumn(*lv, TFileListView::Name);
    EXPECT_EQ(names(), (V{"c:\\a.tmp", "c:\\b.tmp", "c:\\c.tmp"}));
    ui().clickColumn(*lv, TFileListView::Name);
    EXPECT_EQ(names(), (V{"c:\\c.tmp", "c:\\b.tmp", "c:\\a.tmp"}));
    EXPECT_EQ(lv->sortColumn(), TFileListView::Name);
    EXPECT_EQ(shown(*lv).at(0), "c:\\c.tmp | 1000 | TMP File | 2026/01/01 08:00 |    A |  | ");
}

TEST_P(ListViewsUi, CheckingDrivesChangesTheDriveSet) {
    m.fs().addDrive('D', DriveType::CdRom, "Setup");
    m.fs().addDrive('E', DriveType::Remote, "share");
    auto* lv = new TDiskListView(form.get(), "DiskListView1");
    owned.reset(lv);
    lv->setBounds(8, 8, 300, 200);
    lv->setCheckBoxes(true);
    lv->setViewStyle(ui::ViewStyle::List);
    // What the tools do on every change: selection follows the check marks.
    lv->onChange = [lv] { lv->selectCheckedRows(); };
    lv->refreshDrives();
    InitDriveChecks("software\\Kettrel\\Sorvane\\shortcuts", "pos", *lv);
    form->show();
    ui().processMessages();
    EXPECT_EQ(shown(*lv), (std::vector<std::string>{"*[x]  (C:)", "[ ] Setup (D:)", "[ ] share (E:)"}));

    ui().checkRow(*lv, 2, true);
    ui().checkRow(*lv, 0, false);
    EXPECT_EQ(lv->driveSet(), "E");
    EXPECT_EQ(shown(*lv), (std::vector<std::string>{"[ ]  (C:)", "[ ] Setup (D:)", "*[x] share (E:)"}));
}

SV_UI_SUITE(ListViewsUi);

}  // namespace
}  // namespace sv::test
