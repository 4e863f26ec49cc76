// List views as a user meets them: what the window shows, check boxes,
// selection, column clicks with sorting, in-place edits and keys, on the
// headless backend and on the real (virtual) Win32 list view.
#include "platform/ui/listview.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/ui/form.h"
#include "platform/ui/imagelist.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

using ui::ListView;

class ListViewCase : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        form = std::make_unique<ui::Form>("frmList");
        form->setClientSize(420, 300);
        lv = new ListView(form.get(), "lv");
        lv->setBounds(8, 8, 400, 280);
        lv->addColumn("Name", 150);
        lv->addColumn("Size", 70, ui::Alignment::Right);
        lv->addColumn("Type", 90, ui::Alignment::Center);
        owned.reset(lv);
    }
    void TearDown() override {
        owned.reset();
        form.reset();
        UiConformance::TearDown();
    }
    void show() {
        form->show();
        ui().processMessages();
    }
    void addRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (const auto& [name, size] : rows) lv->addRow(name, {size, "file"});
    }
    // Every row as the window shows it.
    std::vector<std::string> shown() {
        std::vector<std::string> out;
        const int n = shownListRowCount(ui(), *lv);
        for (int i = 0; i < n; ++i) out.push_back(shownListRow(ui(), *lv, i));
        return out;
    }
    std::vector<std::string> captions() {
        std::vector<std::string> out;
        for (const auto& r : lv->rows()) out.push_back(r.caption);
        return out;
    }

    std::unique_ptr<ui::Form> form;
    ListView* lv = nullptr;
    std::unique_ptr<ListView> owned;  // goes before the form, as a form's own component would
};

TEST_P(ListViewCase, ShowsRowsAndColumnsAsSetAndFollowsLaterChanges) {
    lv->setCheckBoxes(true);
    lv->setMultiSelect(true);
    ui::ImageList images(form.get(), "ilIcons");
    ui::Bitmap red{16, 16, std::vector<uint32_t>(256, ui::rgbPixel(255, 0, 0))};
    images.addMasked(red, ui::rgbPixel(255, 0, 255));
    lv->setSmallImages(&images);
    lv->addRow("c:\\windows\\grüße.txt", {"2048", "Text Document"});
    lv->addRow("c:\\temp\\a.tmp");  // no sub-items: the other columns stay empty
    lv->setChecked(0, true);
    lv->setImageIndex(0, 0);
    lv->setSelected(1, true);
    show();

    EXPECT_EQ(shownListColumns(ui(), *lv), "Name:150:L | Size:70:R | Type:90:C");
    EXPECT_EQ(shown(), (std::vector<std::string>{"[x] c:\\windows\\grüße.txt | 2048 | Text Document",
                                                 "*[ ] c:\\temp\\a.tmp |  | "}));

    // Changes made while the window is up: texts, marks, rows added, inserted
    // before a selected row and deleted, and columns.
    lv->setSubItem(1, 1, "Temporary");
    lv->setChecked(0, false);
    lv->addRow("d:\\x.log", {"1", "Log"});
    lv->insertRow(0, ListView::Row{"a:\\first", {"5"}, -1, true});
    lv->setSelected(3, true);
    lv->deleteRow(1);
    lv->setColumnCaption(2, "Kind");
    lv->addColumn("Attr", 40, ui::Alignment::Right);
    EXPECT_EQ(shownListColumns(ui(), *lv), "Name:150:L | Size:70:R | Kind:90:C | Attr:40:R");
    EXPECT_EQ(shown(), (std::vector<std::string>{"[x] a:\\first | 5 |  | ",
                                                 "*[ ] c:\\temp\\a.tmp |  | Temporary | ",
                                                 "*[ ] d:\\x.log | 1 | Log | "}));
    EXPECT_EQ(lv->selCount(), 2);

    lv->setCheckBoxes(false);
    lv->clear();
    lv->addRow("only");
    EXPECT_EQ(shown(), (std::vector<std::string>{"only |  |  | "}));
    lv->setSmallImages(nullptr);
}

TEST_P(ListViewCase, UserChecksAndUnchecksRowsWithoutTouchingTheSelection) {
    lv->setCheckBoxes(true);
    addRows({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    lv->setSelected(0, true);
    std::vector<std::string> events;
    lv->onItemChecked = [&](int row) { events.push_back("checked " + std::to_string(row) + (lv->row(row).checked ? " on" : " off")); };
    lv->onChange = [&] { events.push_back("change"); };
    lv->onSelectItem = [&](int row, bool on) { events.push_back("select " + std::to_string(row)); };
    show();

    ui().checkRow(*lv, 2, true);
    ui().checkRow(*lv, 1, true);
    ui().checkRow(*lv, 2, false);
    EXPECT_EQ(events, (std::vector<std::string>{"checked 2 on", "change", "checked 1 on", "change", "checked 2 off", "change"}));
    EXPECT_FALSE(lv->row(0).checked);
    EXPECT_TRUE(lv->row(1).checked);
    EXPECT_FALSE(lv->row(2).checked);
    EXPECT_EQ(lv->selectedRows(), std::vector<int>{0});
    EXPECT_EQ(shown(), (std::vector<std::string>{"*[ ] a | 1 | file", "[x] b | 2 | file", "[ ] c | 3 | file"}));

    // Code sets marks without events; the window shows them all the same.
    events.clear();
    lv->setChecked(0, true);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(shownListRow(ui(), *lv, 0), "*[x] a | 1 | file");
}

TEST_P(ListViewCase, SelectsOneRowOrSeveralWithCtrl) {
    addRows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    std::vector<std::pair<int, bool>> selectEvents;
    int changes = 0;
    lv->onSelectItem = [&](int row, bool on) { selectEvents.emplace_back(row, on); };
    lv->onChange = [&] { ++changes; };
    show();

    // Single selection: a Ctrl click still leaves one row selected.
    ui().selectRow(*lv, 1);
    ui().selectRow(*lv, 3, true);
    EXPECT_EQ(lv->selectedRows(), std::vector<int>{3});
    EXPECT_EQ(lv->itemIndex(), 3);
    EXPECT_EQ(lv->itemFocused(), 3);
    EXPECT_EQ(selectEvents, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {3, true}}));
    EXPECT_EQ(changes, 3);

    lv->setMultiSelect(true);
    ui().selectRow(*lv, 0, true);
    ui().selectRow(*lv, 2, true);
    EXPECT_EQ(lv->selectedRows(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(lv->selCount(), 3);
    ui().selectRow(*lv, 3, true);  // Ctrl on a selected row takes it out
    EXPECT_EQ(lv->selectedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"*a | 1 | file", "b | 2 | file", "*c | 3 | file", "d | 4 | file"}));

    // A plain click selects just the clicked row again.
    selectEvents.clear();
    ui().selectRow(*lv, 1);
    EXPECT_EQ(lv->selectedRows(), std::vector<int>{1});
    std::sort(selectEvents.begin(), selectEvents.end());
    EXPECT_EQ(selectEvents, (std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2, false}}));

    // Selection from code shows without events.
    selectEvents.clear();
    lv->setItemIndex(2);
    EXPECT_TRUE(selectEvents.empty());
    EXPECT_EQ(shown(), (std::vector<std::string>{"a | 1 | file", "b | 2 | file", "*c | 3 | file", "d | 4 | file"}));
}

TEST_P(ListViewCase, ColumnClickSortsWithTheHandlerAndRowsKeepTheirMarks) {
    lv->setCheckBoxes(true);
    lv->setMultiSelect(true);
    addRows({{"b", "300"}, {"a", "20"}, {"d", "1000"}, {"c", "4"}});
    lv->setChecked(0, true);       // b
    lv->setSelected(2, true);      // d
    lv->setSelected(3, true);      // c
    lv->setItemFocused(3);
    for (int i = 0; i < lv->rowCount(); ++i) lv->setData(i, static_cast<uint64_t>(100 + i));
    std::vector<int> clicked;
    // What a tool does: the clicked column decides the order (sizes as numbers).
    lv->onCompare = [](const ListView::Row& a, const ListView::Row& b, int column, int& result) {
        if (column == 1) result = std::stoi(a.text(1)) - std::stoi(b.text(1));
        else result = a.text(column).compare(b.text(column));
    };
    lv->onColumnClick = [&](int column) {
        clicked.push_back(column);
        lv->customSort(column);
    };
    show();

    ui().clickColumn(*lv, 1);
    EXPECT_EQ(clicked, std::vector<int>{1});
    EXPECT_EQ(captions(), (std::vector<std::string>{"c", "a", "b", "d"}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"*[ ] c | 4 | file", "[ ] a | 20 | file", "[x] b | 300 | file",
                                                 "*[ ] d | 1000 | file"}));
    EXPECT_EQ(lv->itemFocused(), 0);  // the focus went with c
    EXPECT_EQ(lv->row(2).data, 100u);  // b's own record

    ui().clickColumn(*lv, 0);
    EXPECT_EQ(captions(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(lv->selectedRows(), (std::vector<int>{2, 3}));

    // A compare function from code, descending by caption.
    lv->sort([](const ListView::Row& a, const ListView::Row& b) { return b.caption.compare(a.caption); });
    EXPECT_EQ(shown(), (std::vector<std::string>{"*[ ] d | 1000 | file", "*[ ] c | 4 | file", "[x] b | 300 | file",
                                                 "[ ] a | 20 | file"}));

    // Headers that are not buttons report nothing.
    lv->setColumnClick(false);
    ui().clickColumn(*lv, 1);
    EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
}

TEST_P(ListViewCase, EditsCaptionsInPlaceWhenTheHandlerAccepts) {
    addRows({{"c:\\temp", ""}, {"c:\\data\\", ""}});
    std::vector<int> editing;
    lv->onEditing = [&](int row, bool&) { editing.push_back(row); };
    // As the folder lists do: a folder ends in a backslash, and an empty text is refused.
    lv->onEdited = [&](int, std::string& text, bool& accept) {
        if (text.empty()) accept = false;
        else if (text.back() != '\\') text += '\\';
    };
    show();

    struct Case {
        int row;
        std::string typed, caption;
    };
    for (const Case& c : {Case{0, "d:\\games", "d:\\games\\"}, Case{1, "", "c:\\data\\"}, Case{1, "e:\\x\\", "e:\\x\\"}}) {
        ui().editCaption(*lv, c.row, c.typed);
        EXPECT_EQ(lv->row(c.row).caption, c.caption) << "typed \"" << c.typed << "\"";
        EXPECT_EQ(shownListRow(ui(), *lv, c.row), "*" + c.caption + " |  | file");
        EXPECT_EQ(lv->editingRow(), -1);
    }
    EXPECT_EQ(editing, (std::vector<int>{0, 1, 1}));

    // A handler can refuse to start an edit; a read-only list never starts one.
    lv->onEditing = [&](int row, bool& allow) {
        editing.push_back(row);
        allow = false;
    };
    ui().editCaption(*lv, 0, "refused");
    lv->setReadOnly(true);
    ui().editCaption(*lv, 0, "read-only");
    EXPECT_EQ(editing, (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(lv->row(0).caption, "d:\\games\\");
}

TEST_P(ListViewCase, DeleteKeyAndDoubleClickReachTheTool) {
    lv->setMultiSelect(true);
    lv->setRowSelect(true);
    addRows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    std::vector<std::string> doubleClicked;
    lv->onDblClick = [&] { doubleClicked.push_back(lv->row(lv->itemIndex()).caption); };
    // The tool's Delete: remove the selected rows, then select the row before the first.
    lv->onKeyDown = [&](int& key, ui::ShiftState) {
        if (key != ui::key::Delete) return;
        const int first = lv->itemIndex();
        lv->beginUpdate();
        for (int i = lv->rowCount() - 1; i >= 0; --i)
            if (lv->row(i).selected) lv->deleteRow(i);
        lv->endUpdate();
        if (lv->rowCount() > 0) lv->setItemIndex(std::max(0, first - 1));
        key = 0;
    };
    show();

    ui().doubleClickRow(*lv, 2);
    EXPECT_EQ(doubleClicked, std::vector<std::string>{"c"});

    ui().selectRow(*lv, 1);
    ui().selectRow(*lv, 2, true);
    ui().pressKey(*lv, ui::key::Delete);
    EXPECT_EQ(captions(), (std::vector<std::string>{"a", "d"}));
    EXPECT_EQ(shown(), (std::vector<std::string>{"*a | 1 | file", "d | 4 | file"}));

    // Deleting one row from code moves the selection of the rows after it up with them.
    lv->setItemIndex(1);
    lv->deleteRow(0);
    EXPECT_EQ(shown(), (std::vector<std::string>{"*d | 4 | file"}));
}

TEST_P(ListViewCase, RightClickSelectsTheRowUnderThePointerForThePopUpMenu) {
    addRows({{"abcdefghijkl", "1"}, {"mnopqrstuvwx", "2"}});
    lv->setSelected(1, true);
    std::vector<std::string> ups;
    lv->onMouseUp = [&](ui::MouseButton b, ui::ShiftState, int x, int y) {
        if (b == ui::MouseButton::Right) ups.push_back("right over " + std::to_string(lv->rowAt(x, y)));
    };
    show();
    // Over the first row's caption, below the column headers.
    ui().mouseDown(*lv, 20, 22, ui::MouseButton::Right);
    ui().mouseUp(*lv, 20, 22, ui::MouseButton::Right);
    EXPECT_EQ(ups, std::vector<std::string>{"right over 0"});
    EXPECT_EQ(lv->selectedRows(), std::vector<int>{0});
    EXPECT_EQ(shownListRow(ui(), *lv, 0), "*abcdefghijkl | 1 | file");
}

TEST_P(ListViewCase, HundredThousandRowsInOneUpdate) {
    constexpr int kRows = 100'000;
    lv->setCheckBoxes(true);
    lv->setMultiSelect(true);
    show();
    lv->beginUpdate();
    lv->reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        ListView::Row r;
        r.caption = "c:\\files\\" + std::to_string(i) + ".tmp";
        r.subItems = {std::to_string(i * 10), "Temporary"};
        r.checked = i % 10 == 0;
        lv->addRow(std::move(r));
    }
    lv->endUpdate();

    EXPECT_EQ(shownListRowCount(ui(), *lv), kRows);
    EXPECT_EQ(shownListRow(ui(), *lv, 99'990), "[x] c:\\files\\99990.tmp | 999900 | Temporary");
    lv->scrollIntoView(99'995);
    ui().checkRow(*lv, 99'995, true);
    ui().selectRow(*lv, 99'996);
    EXPECT_TRUE(lv->row(99'995).checked);
    EXPECT_EQ(lv->selectedRows(), std::vector<int>{99'996});

    // Sorting them all keeps each row's mark and selection.
    lv->sort([](const ListView::Row& a, const ListView::Row& b) { return b.caption.compare(a.caption); });
    EXPECT_EQ(lv->row(0).caption, "c:\\files\\99999.tmp");
    EXPECT_EQ(shownListRow(ui(), *lv, 3), "*[ ] c:\\files\\99996.tmp | 999960 | Temporary");
    EXPECT_EQ(shownListRow(ui(), *lv, 4), "[x] c:\\files\\99995.tmp | 999950 | Temporary");

    lv->selectAll();
    EXPECT_EQ(lv->selCount(), kRows);
    EXPECT_EQ(shownListRow(ui(), *lv, kRows - 1).substr(0, 2), "*[");
    lv->clear();
    EXPECT_EQ(shownListRowCount(ui(), *lv), 0);
}

SV_UI_SUITE(ListViewCase);

}  // namespace
}  // namespace sv::test
