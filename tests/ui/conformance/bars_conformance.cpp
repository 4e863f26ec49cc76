// Page controls, tool bars, menus and status bars as a user meets them, on the
// headless backend and on the real Win32 controls.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/bars.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "platform/ui/picture.h"
#include "platform/ui/progress.h"
#include "support/ui_driver.h"

namespace sv::test {

// What the windows show (headless: the controls' own state); defined with the
// bars actions of each driver.
// Tabs as "General | *Files": "*" marks the selected one.
std::string shownTabs(UiDriver& ui, ui::PageControl& pc);
// Whether the control can be seen (it and every window it is in shown).
bool shownVisible(UiDriver& ui, ui::Control& c);
// Buttons as "Remove v | - | Refresh | (Help)": "v" for a drop-down arrow,
// "-" a separator, parentheses around a disabled one; hidden ones left out.
std::string shownToolBar(UiDriver& ui, ui::ToolBar& tb);
// A form's menu bar as "&File[&Open...\tF3, -, *&Wrap, (E&xit)] | &Edit[...]":
// "*" checked, parentheses around a disabled item; hidden ones left out.
std::string shownMenuBar(UiDriver& ui, ui::Form& form);
// The panels' texts joined by " | ", or the simple text.
std::string shownStatus(UiDriver& ui, ui::StatusBar& sb);

namespace {

using ui::MenuItem;
using ui::PageControl;
using ui::TabSheet;
using ui::ToolButton;
using ui::ToolButtonStyle;

class BarsConformance : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        form = std::make_unique<ui::Form>("frmBars");
        form->setCaption("Bars");
        form->setClientSize(480, 320);
    }
    void TearDown() override {
        form.reset();
        UiConformance::TearDown();
    }
    void show() {
        form->show();
        ui().processMessages();
    }
    std::unique_ptr<ui::Form> form;
    std::vector<std::string> log;
};

// --- page controls ---------------------------------------------------------------

TEST_P(BarsConformance, UserChangesPageOnlyWhenOnChangingAllows) {
    ui::PageControl pc(form.get(), "PageControl1");
    pc.setBounds(8, 8, 300, 200);
    TabSheet general(pc, "tsGeneral", "General"), files(pc, "tsFiles", "Files"), removal(pc, "tsRemoval", "Removal");
    ui::Label onGeneral(&general, "lblGeneral"), onFiles(&files, "lblFiles");
    onGeneral.setBounds(10, 10, 120, 16);
    onFiles.setBounds(10, 10, 120, 16);
    bool refuse = false;
    pc.onChanging = [&](bool& allow) {
        log.push_back("changing from " + pc.activePage()->caption());
        allow = !refuse;
    };
    pc.onChange = [&] { log.push_back("change to " + pc.activePage()->caption()); };
    show();
    EXPECT_EQ(pc.activePage(), &general);
    EXPECT_EQ(shownTabs(ui(), pc), "*General | Files | Removal");
    EXPECT_TRUE(shownVisible(ui(), onGeneral));
    EXPECT_FALSE(shownVisible(ui(), onFiles));

    ui().selectTab(pc, 1);
    EXPECT_EQ(pc.activePageIndex(), 1);
    EXPECT_EQ(shownTabs(ui(), pc), "General | *Files | Removal");
    EXPECT_FALSE(shownVisible(ui(), onGeneral));
    EXPECT_TRUE(shownVisible(ui(), onFiles));

    refuse = true;
    ui().selectTab(pc, 2);
    EXPECT_EQ(pc.activePage(), &files);
    EXPECT_EQ(shownTabs(ui(), pc), "General | *Files | Removal");
    EXPECT_TRUE(shownVisible(ui(), onFiles));

    // Clicking the tab already in front is no change at all.
    ui().selectTab(pc, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"changing from General", "change to Files", "changing from Files"}));

    // Code moves the page without asking anyone.
    log.clear();
    pc.setActivePage(&removal);
    ui().processMessages();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(shownTabs(ui(), pc), "General | Files | *Removal");
    EXPECT_FALSE(shownVisible(ui(), onFiles));
    pc.setActivePageIndex(0);
    EXPECT_TRUE(shownVisible(ui(), onGeneral));
    EXPECT_TRUE(log.empty());
}

TEST_P(BarsConformance, HiddenTabsAreNotShownAndDisabledTabsRefuseSelection) {
    ui::PageControl pc(form.get(), "pcRegistry");
    pc.setBounds(8, 8, 300, 200);
    TabSheet scan(pc, "tsScan", "Scan Options"), backup(pc, "tsBackup", "Backup / Restore"),
        find(pc, "tsFind", "Find"), removal(pc, "tsRemoval", "Removal");
    int changing = 0;
    pc.onChanging = [&](bool&) { ++changing; };
    backup.setTabVisible(false);
    removal.setEnabled(false);
    show();
    EXPECT_EQ(shownTabs(ui(), pc), "*Scan Options | Find | Removal");

    // Tabs count as the user sees them: the second one shown is "Find".
    ui().selectTab(pc, 1);
    EXPECT_EQ(pc.activePage(), &find);
    ui().selectTab(pc, 2);
    EXPECT_EQ(pc.activePage(), &find) << "a disabled tab cannot be selected";
    EXPECT_EQ(changing, 1) << "nor is anyone asked about it";
    EXPECT_EQ(shownTabs(ui(), pc), "Scan Options | *Find | Removal");

    // The page in front loses its tab: the next tab shown takes its place.
    find.setTabVisible(false);
    ui().processMessages();
    EXPECT_EQ(pc.activePage(), &removal);
    EXPECT_EQ(shownTabs(ui(), pc), "Scan Options | *Removal");
    EXPECT_FALSE(shownVisible(ui(), find));
    EXPECT_TRUE(shownVisible(ui(), removal));

    backup.setTabVisible(true);
    removal.setEnabled(true);
    find.setCaption("Find Options");
    find.setTabVisible(true);
    ui().processMessages();
    EXPECT_EQ(shownTabs(ui(), pc), "Scan Options | Backup / Restore | Find Options | *Removal");
    ui().selectTab(pc, 1);
    EXPECT_EQ(pc.activePage(), &backup);

    // A disabled page control takes no change at all.
    pc.setEnabled(false);
    ui().selectTab(pc, 0);
    EXPECT_EQ(pc.activePage(), &backup);
}

// --- tool bars --------------------------------------------------------------------

TEST_P(BarsConformance, ToolButtonsClickAndDropTheirMenus) {
    ui::ToolBar tb(form.get(), "tb");
    tb.setBounds(0, 0, 480, 38);
    ui::PopupMenu pmRemove(*form, "pmRemove");
    MenuItem mnuSelected(pmRemove, "mnuSelected", "&Remove Selected Entries");
    MenuItem mnuAll(pmRemove, "mnuAll", "Remove &All Entries");
    ToolButton remove(tb, "cmdRemove", "Remove", ToolButtonStyle::DropDown);
    ToolButton gap(tb, "sep", "", ToolButtonStyle::Separator);
    ToolButton refresh(tb, "cmdRefresh", "R&efresh");
    ToolButton help(tb, "tbHelp", "&Help");
    ToolButton fix(tb, "cmdFix", "F&ix Shortcuts", ToolButtonStyle::DropDown);
    remove.setDropDownMenu(&pmRemove);
    fix.setDropDownMenu(&pmRemove);
    remove.setHint("Remove the selected reference(s) from the registry ");
    help.setEnabled(false);
    remove.onClick = [&] { log.push_back("remove"); };
    refresh.onClick = [&] { log.push_back("refresh"); };
    help.onClick = [&] { log.push_back("help"); };
    pmRemove.onPopup = [&] { log.push_back("popup"); };
    mnuAll.onClick = [&] { log.push_back("all"); };
    show();
    EXPECT_EQ(shownToolBar(ui(), tb), "Remove v | - | R&efresh | (&Help) | F&ix Shortcuts v");

    ui().clickToolButton(tb, 0);
    ui().clickToolButton(tb, 2);
    ui().clickToolButton(tb, 3);  // disabled
    EXPECT_EQ(log, (std::vector<std::string>{"remove", "refresh"}));

    log.clear();
    help.setEnabled(true);
    refresh.setVisible(false);
    ui().processMessages();
    EXPECT_EQ(shownToolBar(ui(), tb), "Remove v | - | &Help | F&ix Shortcuts v");
    ui().clickToolButton(tb, 3);
    EXPECT_EQ(log, (std::vector<std::string>{"help"}));

    // The arrow drops the menu down; a choice in it is the item's.
    log.clear();
    ui().choosePopupItem(pmRemove, remove, mnuAll);
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "all"}));

    // A drop-down button with nothing of its own to do opens its menu on any click.
    log.clear();
    ui().clickToolButton(tb, 4);
    EXPECT_EQ(log, (std::vector<std::string>{"popup"}));

    // A disabled tool bar takes no clicks.
    log.clear();
    tb.setEnabled(false);
    ui().clickToolButton(tb, 0);
    ui().choosePopupItem(pmRemove, remove, mnuAll);
    EXPECT_TRUE(log.empty());
}

// --- menus --------------------------------------------------------------------------

TEST_P(BarsConformance, MainMenuChoiceRunsOnlyUsableItems) {
    ui::MainMenu menu(*form, "MainMenu1");
    MenuItem file(menu, "mnuFile", "&File"), edit(menu, "mnuEdit", "&Edit");
    MenuItem open(file, "mnuOpen", "&Open..."), line(file, "N1", "-"), wrap(file, "mnuWrap", "&Wrap"),
        exitItem(file, "mnuExit", "E&xit");
    MenuItem del(edit, "mnuDelete", "&Delete"), more(edit, "mnuMore", "&More"), deep(more, "mnuDeep", "&Deep");
    open.setShortCut("F3");
    del.setShortCut("Del");
    wrap.setChecked(true);
    del.setEnabled(false);
    bool rowsSelected = false;
    // Opening the Edit menu brings its items up to date.
    edit.onClick = [&] { del.setEnabled(rowsSelected); };
    for (MenuItem* i : {&open, &wrap, &exitItem, &del, &deep})
        i->onClick = [&, i] { log.push_back(i->name()); };
    show();
    EXPECT_EQ(shownMenuBar(ui(), *form),
              "&File[&Open...\tF3, -, *&Wrap, E&xit] | &Edit[(&Delete\tDel), &More[&Deep]]");

    ui().chooseMenuItem(open);
    ui().chooseMenuItem(del);
    EXPECT_EQ(log, (std::vector<std::string>{"mnuOpen"}));

    rowsSelected = true;
    ui().chooseMenuItem(del);
    ui().chooseMenuItem(deep);
    EXPECT_EQ(log, (std::vector<std::string>{"mnuOpen", "mnuDelete", "mnuDeep"}));

    // Changes show at once; a hidden or disabled item cannot be chosen.
    log.clear();
    exitItem.setEnabled(false);
    wrap.setChecked(false);
    more.setVisible(false);
    open.setCaption("&Open File...");
    ui().processMessages();
    EXPECT_EQ(shownMenuBar(ui(), *form), "&File[&Open File...\tF3, -, &Wrap, (E&xit)] | &Edit[&Delete\tDel]");
    ui().chooseMenuItem(exitItem);
    ui().chooseMenuItem(deep);
    EXPECT_TRUE(log.empty());
}

TEST_P(BarsConformance, RightClickPopsUpTheMenuAfterOnPopupEnablesItems) {
    ui::Panel list(form.get(), "pnlList");
    list.setBounds(10, 10, 200, 120);
    ui::Label inside(&list, "lblInside");
    inside.setBounds(10, 10, 80, 16);
    inside.setCaption("row");
    ui::Panel other(form.get(), "pnlOther");
    other.setBounds(220, 10, 100, 100);
    ui::PopupMenu pm(*form, "pmLinks");
    MenuItem remove(pm, "mnuRemove", "&Remove Selected Shortcut(s)"), browse(pm, "mnuBrowse", "&Browse for missing target");
    remove.setEnabled(false);
    pm.attachTo(list);
    bool rows = false;
    pm.onPopup = [&] {
        log.push_back("popup");
        remove.setEnabled(rows);
    };
    remove.onClick = [&] { log.push_back("remove"); };
    browse.onClick = [&] { log.push_back("browse"); };
    show();

    ui().choosePopupItem(pm, list, remove);
    EXPECT_EQ(log, (std::vector<std::string>{"popup"}));
    rows = true;
    ui().choosePopupItem(pm, list, remove);
    // A control without a menu of its own shows its parent's.
    ui().choosePopupItem(pm, inside, browse);
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "popup", "remove", "popup", "browse"}));

    log.clear();
    ui().choosePopupItem(pm, other, browse);
    pm.setAutoPopup(false);
    ui().choosePopupItem(pm, list, browse);
    EXPECT_TRUE(log.empty());
}

TEST_P(BarsConformance, ShortCutKeysChooseMenuItems) {
    ui::MainMenu menu(*form, "MainMenu1");
    MenuItem view(menu, "mnuView", "&View"), refresh(view, "mnuRefresh", "&Refresh List");
    refresh.setShortCut("F5");
    ui::Panel list(form.get(), "pnlList");
    list.setBounds(10, 10, 200, 120);
    ui::Panel other(form.get(), "pnlOther");
    other.setBounds(220, 10, 100, 100);
    ui::PopupMenu pm(*form, "pmRemove");
    MenuItem clean(pm, "mnuRemove", "Clean &Selected");
    clean.setShortCut("Del");
    clean.setEnabled(false);
    pm.attachTo(list);
    bool selected = false;
    pm.onPopup = [&] { clean.setEnabled(selected); };
    refresh.onClick = [&] { log.push_back("refresh"); };
    clean.onClick = [&] { log.push_back("clean"); };
    list.onKeyDown = [&](int& key, ui::ShiftState) { log.push_back("key " + std::to_string(key)); };
    show();

    ui().pressKey(list, ui::key::F5);
    // The item is disabled for the moment, so the key goes on to the control.
    ui().pressKey(list, ui::key::Delete);
    selected = true;
    ui().pressKey(list, ui::key::Delete);
    // The pop-up menu's keys work only inside the control it belongs to.
    ui().pressKey(other, ui::key::Delete);
    ui().pressKey(other, ui::key::F5);
    EXPECT_EQ(log, (std::vector<std::string>{"refresh", "key 46", "clean", "refresh"}));
}

TEST(MenuShortCut, ReadsAndWritesTheKeysMenusShow) {
    struct Case {
        const char* text;
        int key;
        bool ctrl, shift, alt;
        const char* shown;
    };
    const Case cases[] = {
        {"Del", ui::key::Delete, false, false, false, "Del"},
        {"ctrl+a", 'A', true, false, false, "Ctrl+A"},
        {"Alt+Enter", ui::key::Return, false, false, true, "Alt+Enter"},
        {"Ctrl+Shift+Delete", ui::key::Delete, true, true, false, "Ctrl+Shift+Del"},
        {"Shift+Ctrl+F12", ui::key::F1 + 11, true, true, false, "Ctrl+Shift+F12"},
        {"F5", ui::key::F5, false, false, false, "F5"},
        {"Ctrl+Enter", ui::key::Return, true, false, false, "Ctrl+Enter"},
    };
    for (const auto& c : cases) {
        const ui::ShortCut s = ui::parseShortCut(c.text);
        EXPECT_TRUE(s.matches(c.key, {c.shift, c.ctrl, c.alt})) << c.text;
        EXPECT_FALSE(s.matches(c.key, {c.shift, !c.ctrl, c.alt})) << c.text;
        EXPECT_EQ(ui::shortCutText(s), c.shown);
    }
    EXPECT_TRUE(ui::parseShortCut("").empty());
    for (const char* bad : {"Ctrl+", "Hyper+A", "F13", "Ctrl+Shift"}) EXPECT_THROW(ui::parseShortCut(bad), std::invalid_argument) << bad;
}

// --- status bars -------------------------------------------------------------------

TEST_P(BarsConformance, StatusBarPanelsAndProgressInAPanel) {
    ui::StatusBar sb(form.get(), "sb");
    sb.addPanel(200);
    sb.addPanel(50, "Ready");
    ui::ProgressBar pg(&sb, "pg");
    sb.setPanelControl(0, &pg);
    pg.setVisible(false);
    show();
    EXPECT_EQ(sb.top() + sb.height(), form->clientHeight()) << "the status bar sits along the bottom";
    EXPECT_EQ(sb.width(), form->clientWidth());
    EXPECT_EQ(shownStatus(ui(), sb), " | Ready");
    EXPECT_FALSE(shownVisible(ui(), pg));

    // A scan shows its progress in the first panel and its findings in the second.
    pg.setMax(40);
    pg.setVisible(true);
    pg.setPosition(10);
    sb.setPanelText(1, "3 invalid shortcut(s)");
    ui().processMessages();
    EXPECT_TRUE(shownVisible(ui(), pg));
    const ui::Rect panel = sb.panelRect(0);
    EXPECT_GE(pg.left(), panel.left);
    EXPECT_LE(pg.left() + pg.width(), panel.right);
    EXPECT_GT(pg.width(), panel.width() / 2);
    EXPECT_GE(pg.top(), 0);
    EXPECT_LE(pg.top() + pg.height(), sb.height());
    EXPECT_EQ(shownStatus(ui(), sb), " | 3 invalid shortcut(s)");

    // The bar follows its form's size.
    form->setClientSize(520, 360);
    ui().processMessages();
    sb.alignToParent();
    EXPECT_EQ(sb.top() + sb.height(), 360);
    EXPECT_EQ(sb.width(), 520);

    sb.setSimplePanel(true);
    sb.setSimpleText("Total space recovered: 1,024 bytes");
    ui().processMessages();
    EXPECT_EQ(shownStatus(ui(), sb), "Total space recovered: 1,024 bytes");
    sb.setSimplePanel(false);
    ui().processMessages();
    EXPECT_EQ(shownStatus(ui(), sb), " | 3 invalid shortcut(s)");
}

SV_UI_SUITE(BarsConformance);

}  // namespace
}  // namespace sv::test
