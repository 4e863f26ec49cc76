// The junk cleaner's window and its settings: the five tabs, their commands,
// and loading and saving what the user chose.
#include "junk/junk_form.h"

#include "common/filefunc.h"
#include "common/folderlists.h"
#include "common/regaccess.h"
#include "common/settings.h"
#include "common/text.h"
#include "common/toollog.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "shell/commontools.h"
#include "shell/hints.h"

namespace sv {
namespace {

constexpr const char* kHelpTopic = "Cleaning_your_system_of_junk_and_obsolete_files";
constexpr int kToolBarHeight = 38;
constexpr int kResultsTop = 246;

const char* const kAddHint =
    "Use this option to add specific files or file extensions to look for when scanning your drives.  Wildcards such "
    "as \"*\" and \"?\" are supported.";
const char* const kFindFoldersHint =
    "Using this option you may add specific folders to look within when scanning for junk and obsolete files.  Any "
    "files contained in these folders will be listed as candidates for removal, regardless of the settings under the "
    "\"Files to Find\" tab.";
const char* const kExcludeFoldersHint =
    "Using this option you may exclude specific folders from the file search.  Any files within the folders in this "
    "list will be ignored.";
const char* const kRemoveQuestion =
    "Are you sure you wish to permanently remove the selected item?  This procedure cannot be reversed.\r\r"
    "If you would merely like to exclude this item you may do so by \"unchecking\" its corresponding box.";
const char* const kNeedMoveFolder =
    "You must specify a valid folder to move files to if you are going to use this removal option.";

// Shares a picture the holder keeps for the whole run.
void share(ui::Picture& p, const ui::Bitmap& b) {
    p.setPicture(std::shared_ptr<const ui::Bitmap>(&b, [](const ui::Bitmap*) {}));
}

bool folderExists(const std::string& path) {
    if (path.empty()) return false;
    const auto a = machine().files().attributes(withoutBackslash(path));
    return a && (*a & attr::Directory);
}

bool askRemoveItem() {
    MessageRequest q;
    q.title = "Please Confirm";
    q.text = kRemoveQuestion;
    q.buttons = MsgButtons::YesNo;
    return machine().dialogs().messageBox(q) == MsgAnswer::Yes;
}

}  // namespace

TfrmJunk::TfrmJunk() : ui::Form("frmJunk") {
    buildLayout();
    wireEvents();
    FormCreate();
}

TfrmJunk::~TfrmJunk() = default;

void TfrmJunk::buildLayout() {
    setCaption("Find and Clean Junk and Obsolete Files");
    setBorderStyle(ui::BorderStyle::Single);
    setPosition(ui::FormPosition::ScreenCenter);
    setKeyPreview(true);
    setClientSize(620, 540);

    PageControl1.setBounds(8, 8, 500, 232);
    PageControl1.setActivePage(&tsDrives);

    // Drives.
    lblDrives.setCaption("Check the boxes of the drive(s) you wish to scan.");
    lblDrives.setBounds(8, 8, 470, 16);
    DiskListView1.setBounds(8, 28, 474, 170);
    DiskListView1.setCheckBoxes(true);
    DiskListView1.setColumns({{"Drives to scan", 440, ui::Alignment::Left}});
    DiskListView1.setSelectLocalDrives(false);

    // File types.
    lvScan.setBounds(8, 8, 380, 190);
    lvScan.setViewStyle(ui::ViewStyle::Report);
    lvScan.setCheckBoxes(true);
    lvScan.setReadOnly(true);
    lvScan.setRowSelect(true);
    lvScan.setHideSelection(false);
    lvScan.setColumnClick(false);
    lvScan.setColumns({{"File type", 110, ui::Alignment::Left}, {"Description", 246, ui::Alignment::Left}});
    cmdAddNew.setCaption("&Add...");
    cmdEdit.setCaption("&Edit");
    cmdRemove.setCaption("&Remove");
    cmdAddNew.setBounds(396, 8, 88, 25);
    cmdEdit.setBounds(396, 40, 88, 25);
    cmdRemove.setBounds(396, 72, 88, 25);
    mnuAddNew.setShortCut("Ctrl+A");
    mnuEditItem.setShortCut("Alt+Enter");
    mnuRemoveItem.setShortCut("Del");
    PopupMenu1.attachTo(lvScan);

    // Folders: what to take whole, and what to leave out.
    for (ui::ListView* list : {&lvFolderFind, &lvFolderExclude}) {
        list->setViewStyle(ui::ViewStyle::Report);
        list->setCheckBoxes(true);
        list->setRowSelect(true);
        list->setHideSelection(false);
        list->setColumnClick(false);
        list->setColumns({{"Folder Location", 220, ui::Alignment::Left}, {"Description", 136, ui::Alignment::Left}});
        if (commontools()) list->setSmallImages(&commontools()->ilCommon16);
    }
    struct FolderBlock {
        ui::Label& label;
        ui::ListView& list;
        ui::Button &add, &edit, &remove;
        const char *text, *addText, *editText, *removeText;
        int top;
    };
    for (const FolderBlock& b :
         {FolderBlock{lblFolderFind, lvFolderFind, cmdAddFind, cmdEditFind, cmdRemoveFind,
                      "Find ALL files in these folders, regardless type...", "&Add Folder...", "&Edit", "&Remove", 4},
          FolderBlock{lblFolderExclude, lvFolderExclude, cmdExcludeAdd, cmdEditExclude, cmdRemoveExclude,
                      "Exclude all of the files in these folders...", "A&dd Folder...", "Edi&t", "Re&move", 104}}) {
        b.label.setCaption(b.text);
        b.label.setBounds(8, b.top, 380, 15);
        b.list.setBounds(8, b.top + 16, 380, 78);
        b.add.setCaption(b.addText);
        b.edit.setCaption(b.editText);
        b.remove.setCaption(b.removeText);
        b.add.setBounds(396, b.top + 16, 88, 24);
        b.edit.setBounds(396, b.top + 43, 88, 24);
        b.remove.setBounds(396, b.top + 70, 88, 24);
    }
    for (ui::MenuItem* m : {&mnuFindAdd, &mnuExclAdd}) m->setShortCut("Ctrl+A");
    for (ui::MenuItem* m : {&mnuFindEdit, &mnuExclEdit}) m->setShortCut("Ctrl+Enter");
    for (ui::MenuItem* m : {&mnuFindRemove, &mnuExclRemove}) m->setShortCut("Del");
    pmFolderFind.attachTo(lvFolderFind);
    pmFolderExclude.attachTo(lvFolderExclude);

    // Other considerations.
    cbDays.setCaption("&Only find files that have not been accessed in");
    cbDays.setBounds(12, 14, 262, 20);
    meDays.setMask("!999;1;_");
    meDays.setText(" 30");
    meDays.setBounds(276, 13, 34, 21);
    udDays.setBounds(310, 13, 16, 21);
    udDays.setRange(0, 999);
    udDays.setPosition(30);
    udDays.associate(meDays);
    meDays.setText(" 30");
    lblDays.setCaption("days");
    lblDays.setBounds(332, 16, 40, 16);
    cbSkipAttr.setCaption("&Skip read-only and system files");
    cbSkipAttr.setChecked(true);
    cbInUse.setCaption("S&kip files that are currently being used by their associated application");
    cbInUse.setChecked(true);
    cbTemp.setCaption("Find &unused files in the Windows \"Temporary\" folder");
    cbZeroLength.setCaption("&Find zero length files");
    cbSkipAttr.setBounds(12, 48, 470, 20);
    cbInUse.setBounds(12, 78, 470, 20);
    cbTemp.setBounds(12, 108, 470, 20);
    cbZeroLength.setBounds(12, 138, 470, 20);

    // Removal.
    gbRemoval.setCaption("Removal Options");
    gbRemoval.setBounds(8, 4, 476, 194);
    const int pictureLeft = 14, optionLeft = 54;
    share(imgRecycle, ui::artwork("rm_recycle"));
    share(imgDelete, ui::artwork("rm_delete"));
    share(imgMoveTo, ui::artwork("rm_moveto"));
    share(imgConfirm, ui::artwork("rm_confirm"));
    imgRecycle.setBounds(pictureLeft, 20, 32, 32);
    imgDelete.setBounds(pictureLeft, 60, 32, 32);
    imgMoveTo.setBounds(pictureLeft, 100, 32, 32);
    imgConfirm.setBounds(pictureLeft, 148, 32, 32);
    for (ui::Picture* p : {&imgRecycle, &imgDelete, &imgMoveTo, &imgConfirm}) p->setCursor(ui::Cursor::Hand);
    optRecycle.setCaption("&Move removed files to recycle bin");
    optDelete.setCaption("&Permanently delete removed files");
    optMove.setCaption("M&ove removed files to:");
    optRecycle.setBounds(optionLeft, 26, 300, 20);
    optDelete.setBounds(optionLeft, 66, 300, 20);
    optMove.setBounds(optionLeft, 106, 146, 20);
    deMove.setBounds(202, 105, 262, 22);
    deMove.setDialogTitle("Move removed files to");
    deMove.setAllowCreate(true);
    optRecycle.setChecked(true);
    deMove.setEnabled(false);
    cbConfirm.setCaption("&Confirm before removing files");
    cbConfirm.setBounds(optionLeft, 154, 300, 20);
    cbConfirm.setChecked(true);

    // Buttons.
    cmdGo.setCaption("&Scan");
    cmdGo.setHint("Begin scanning for files");
    cmdGo.setDefault(true);
    cmdExit.setCaption("&Exit");
    cmdHelp.setCaption("&Help");
    cmdGo.setBounds(518, 30, 94, 27);
    cmdExit.setBounds(518, 64, 94, 27);
    cmdHelp.setBounds(518, 98, 94, 27);
    if (commontools()) cmdHelp.setGlyph(std::shared_ptr<const ui::Bitmap>(&commontools()->imgHelp16, [](const ui::Bitmap*) {}));
    aviSearch.setBounds(525, 132, 80, 64);
    aviSearch.hide();

    // Results.
    if (commontools()) tb.setImages(&commontools()->ilCommon16);
    tbRemove.setImageIndex(pic::Remove);
    tbView.setImageIndex(pic::QuickView);
    tbProps.setImageIndex(pic::Properties);
    tbRemove.setHint("Remove the selected file(s)");
    tbView.setHint("View the selected file");
    tbProps.setHint("Show the properties of the selected file");
    tbRemove.setDropDownMenu(&pmDelete);
    D1.setShortCut("Ctrl+Shift+Del");
    mnuRemove.setShortCut("Del");
    mnuView.setShortCut("Enter");
    mnuProps.setShortCut("Alt+Enter");
    mnuSelAll.setShortCut("Ctrl+A");
    pmToolFunc.attachTo(lv);

    lv.setColumns({{"Name", 176, ui::Alignment::Left},
                   {"Size", 62, ui::Alignment::Right},
                   {"Type", 80, ui::Alignment::Left},
                   {"Last Modified", 96, ui::Alignment::Left},
                   {"Attributes", 58, ui::Alignment::Right},
                   {"File Version", 66, ui::Alignment::Right},
                   {"Product Version", ui::kWidthOfHeader, ui::Alignment::Right}});
    lv.reserve(1024);
    lv.setSmallImages(&ilFileIcons);
    ilFileIcons.addMasked(CommonPicture(pic::File), kCommonPictureSeeThrough);

    for (ui::CheckBox* c : {&cbConfirm, &cbDays, &cbInUse, &cbSkipAttr, &cbTemp, &cbZeroLength}) FormStorage1.addChecked(*c);
    FormStorage1.addText(meDays);
    FormStorage1.addText(deMove);
    for (ui::RadioButton* o : {&optDelete, &optMove, &optRecycle}) FormStorage1.addChecked(*o);

    sb.alignToParent();
    sb.addPanel(160);
    sb.addPanel(440);
    sb.setPanelControl(0, &pg);
    showToolBar(false);
}

void TfrmJunk::showToolBar(bool on) {
    const int toolBar = on ? kToolBarHeight : 0;
    tb.setBounds(8, kResultsTop, 604, toolBar);
    tb.setVisible(on);
    const int top = kResultsTop + toolBar;
    lv.setBounds(8, top, 604, sb.top() - 4 - top);
}

void TfrmJunk::wireEvents() {
    onShow = [this] { FormShow(); };
    onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    onKeyDown = [](int& key, ui::ShiftState) {
        if (key == ui::key::F1) {
            ui::application().showHelpTopic(kHelpTopic);
            key = 0;
        }
    };
    cmdHelp.onClick = [] { ui::application().showHelpTopic(kHelpTopic); };
    cmdExit.onClick = [this] {
        clearResults();
        close();
    };
    cmdGo.onClick = [this] { cmdGoClick(); };

    DiskListView1.onChange = [this] { DiskListView1.selectCheckedRows(); };

    // File types.
    cmdAddNew.onClick = [this] { cmdAddNewClick(); };
    mnuAddNew.onClick = [this] { cmdAddNewClick(); };
    cmdEdit.onClick = [this] { lvScanDblClick(); };
    mnuEditItem.onClick = [this] { lvScanDblClick(); };
    lvScan.onDblClick = [this] { lvScanDblClick(); };
    cmdRemove.onClick = [this] { cmdRemoveClick(); };
    mnuRemoveItem.onClick = [this] { cmdRemoveClick(); };
    mnuCheckAll.onClick = [this] { CheckAllRows(true, lvScan); };
    mnuUncheckAll.onClick = [this] { CheckAllRows(false, lvScan); };
    auto scanListChanged = [this] {
        enableListCommands(lvScan, cmdEdit, cmdRemove, mnuEditItem, mnuRemoveItem, mnuCheckAll, mnuUncheckAll);
    };
    lvScan.onChange = scanListChanged;
    PopupMenu1.onPopup = scanListChanged;

    folderListCommands(lvFolderFind, junk::FoldersKey, kFindFoldersHint, cmdAddFind, cmdEditFind, cmdRemoveFind,
                       pmFolderFind, mnuFindAdd, mnuFindEdit, mnuFindRemove, mnuFindCheck, mnuFindUncheck);
    folderListCommands(lvFolderExclude, junk::ExcludedFoldersKey, kExcludeFoldersHint, cmdExcludeAdd, cmdEditExclude,
                       cmdRemoveExclude, pmFolderExclude, mnuExclAdd, mnuExclEdit, mnuExclRemove, mnuExclCheck,
                       mnuExclUncheck);

    // Removal options; each picture chooses the option beside it.
    optRecycle.onClick = [this] { chooseRemovalOption(optRecycle); };
    optDelete.onClick = [this] { chooseRemovalOption(optDelete); };
    optMove.onClick = [this] { chooseRemovalOption(optMove); };
    imgRecycle.onClick = [this] { optRecycle.userChoose(); };
    imgDelete.onClick = [this] { optDelete.userChoose(); };
    imgMoveTo.onClick = [this] { optMove.userChoose(); };
    imgConfirm.onClick = [this] { optMove.userChoose(); };
    PageControl1.onChanging = [this](bool& allow) { PageControl1Changing(allow); };

    // The result list.
    lv.onChange = [this] { lvChange(); };
    lv.onDblClick = [this] { lvDblClick(); };
    lv.onKeyDown = [this](int& key, ui::ShiftState s) {
        if (key == ui::key::Delete && s.ctrl && s.shift) {
            key = 0;
            D1Click();
        }
    };
    pmToolFunc.onPopup = [this] { lvChange(); };
    tbRemove.onClick = [this] {
        if (lv.selCount() > 0) cmdDeleteClick();
    };
    R1.onClick = [this] {
        if (lv.selCount() > 0) cmdDeleteClick();
    };
    mnuRemove.onClick = [this] { cmdDeleteClick(); };
    D1.onClick = [this] { D1Click(); };
    tbView.onClick = [this] { cmdViewClick(); };
    mnuView.onClick = [this] { cmdViewClick(); };
    tbProps.onClick = [this] { cmdPropsClick(); };
    mnuProps.onClick = [this] { cmdPropsClick(); };
    mnuSelAll.onClick = [this] { mnuSelAllClick(); };

    ts.findHiddenFiles = ts.findHiddenFolders = true;
    tsZero.findHiddenFiles = tsZero.findHiddenFolders = true;
    tsZero.setFileMask("*.*");
    ts.onDirectoryFound = tsZero.onDirectoryFound = [this](TTreeScanner& s) {
        sb.setPanelText(1, "Scanning: " + s.fileFound() + "...");
    };
    ts.onFileFound = [this](TTreeScanner& s) { fileFound(s, false); };
    tsZero.onFileFound = [this](TTreeScanner& s) { fileFound(s, true); };
    ts.onSearchDone = tsZero.onSearchDone = [this](TTreeScanner& s) { searchDone(s); };
}

void TfrmJunk::enableListCommands(ui::ListView& list, ui::Button& edit, ui::Button& remove, ui::MenuItem& mEdit,
                                  ui::MenuItem& mRemove, ui::MenuItem& mCheck, ui::MenuItem& mUncheck) {
    const bool selected = list.selCount() > 0;
    edit.setEnabled(selected);
    remove.setEnabled(selected);
    mEdit.setEnabled(selected);
    mRemove.setEnabled(selected);
    mCheck.setEnabled(list.rowCount() > 0);
    mUncheck.setEnabled(list.rowCount() > 0);
}

void TfrmJunk::folderListCommands(ui::ListView& list, const char* key, const char* hintText, ui::Button& add,
                                  ui::Button& edit, ui::Button& remove, ui::PopupMenu& menu, ui::MenuItem& mAdd,
                                  ui::MenuItem& mEdit, ui::MenuItem& mRemove, ui::MenuItem& mCheck,
                                  ui::MenuItem& mUncheck) {
    auto enable = [this, &list, &edit, &remove, &mEdit, &mRemove, &mCheck, &mUncheck] {
        enableListCommands(list, edit, remove, mEdit, mRemove, mCheck, mUncheck);
    };
    auto addFolder = [&list, key, hintText, enable] {
        ShowToolHint("JunkFolders", hintText);
        BrowseFolder(list, false);
        SaveFolderList(list, key);
        enable();
    };
    auto editFolder = [&list, key, enable] {
        if (list.itemIndex() < 0) return;
        BrowseFolder(list, true);
        SaveFolderList(list, key);
        enable();
    };
    auto removeFolder = [&list, key, enable] {
        if (list.itemIndex() < 0 || list.editingRow() >= 0) return;
        if (!askRemoveItem()) return;
        DeleteSelectedRow(list);
        SaveFolderList(list, key);
        enable();
    };
    auto checkAll = [&list, key](bool mark) {
        CheckAllRows(mark, list);
        SaveFolderList(list, key);
    };
    add.onClick = addFolder;
    mAdd.onClick = addFolder;
    edit.onClick = editFolder;
    mEdit.onClick = editFolder;
    list.onDblClick = editFolder;
    remove.onClick = removeFolder;
    mRemove.onClick = removeFolder;
    mCheck.onClick = [checkAll] { checkAll(true); };
    mUncheck.onClick = [checkAll] { checkAll(false); };
    list.onChange = enable;
    list.onItemChecked = [&list, key](int) { SaveFolderList(list, key); };
    menu.onPopup = enable;
}

// --- settings --------------------------------------------------------------------------------

void TfrmJunk::FormCreate() {
    ManualLogging = ReadSettingBool(StatisticsKey, logswitch::DoJunk);
    RemovedBytes = 0;
    RemovedFiles = 0;
    // Restored now, not when shown: the scheduled run never shows the window.
    FormStorage1.restore();
    deMove.setEnabled(optMove.checked());
    LoadSettings();
    enableListCommands(lvScan, cmdEdit, cmdRemove, mnuEditItem, mnuRemoveItem, mnuCheckAll, mnuUncheckAll);
    enableListCommands(lvFolderFind, cmdEditFind, cmdRemoveFind, mnuFindEdit, mnuFindRemove, mnuFindCheck,
                       mnuFindUncheck);
    enableListCommands(lvFolderExclude, cmdEditExclude, cmdRemoveExclude, mnuExclEdit, mnuExclRemove, mnuExclCheck,
                       mnuExclUncheck);
}

void TfrmJunk::LoadSettings() {
    IniRegistry ini(RegRoot::CurrentUser, junk::JunkKey);
    std::vector<junk::FileType> types = junk::ParseScanFor(ini.readString("", "ScanFor", junk::DefaultScanFor()));
    junk::ApplyScanDesc(types, ini.readString("", "ScanDesc", junk::DefaultScanDesc()));
    setFileTypes(types);

    DiskListView1.refreshDrives();
    DiskListView1.checkDrives(ini.readString("", "Drives", "---"));
    DiskListView1.selectCheckedRows();

    LoadFolderList(lvFolderFind, junk::FoldersKey);
    LoadFolderList(lvFolderExclude, junk::ExcludedFoldersKey);
}

void TfrmJunk::SaveSettings() {
    IniRegistry ini(RegRoot::CurrentUser, junk::JunkKey);
    const std::vector<junk::FileType> types = fileTypes();
    ini.writeString("", "ScanFor", junk::ScanForText(types));
    ini.writeString("", "ScanDesc", junk::ScanDescText(types));
    ini.writeString("", "Drives", DiskListView1.driveSet());
    SaveFolderList(lvFolderFind, junk::FoldersKey);
    SaveFolderList(lvFolderExclude, junk::ExcludedFoldersKey);
}

std::vector<junk::FileType> TfrmJunk::fileTypes() const {
    std::vector<junk::FileType> types;
    for (const ui::ListRow& r : lvScan.rows()) types.push_back({r.caption, r.text(1), r.checked});
    return types;
}

void TfrmJunk::setFileTypes(const std::vector<junk::FileType>& types) {
    lvScan.beginUpdate();
    lvScan.clear();
    for (const junk::FileType& t : types) {
        ui::ListRow r;
        r.caption = t.mask;
        r.subItems = {t.description};
        r.checked = t.checked;
        lvScan.addRow(std::move(r));
    }
    lvScan.endUpdate();
}

void TfrmJunk::FormShow() {
    if (!ScheduledRun && ManualLogging) SessionOpen(logfile::ManualJunk, OpenSessionLabel);
    InitDriveChecks(junk::StorageKey, junk::StorageSection, DiskListView1);
    DiskListView1.selectCheckedRows();
}

bool TfrmJunk::RestrictedFile(const std::string& path) const {
    junk::SkipOptions o;
    o.skipReadOnlyAndSystem = cbSkipAttr.checked();
    o.ageTest = cbDays.checked();
    o.days = meDays.text();
    o.skipInUse = cbInUse.checked();
    return junk::RestrictedFile(path, o);
}

void TfrmJunk::Log(const std::string& line) const {
    if (ScheduledRun && ScheduledLogging) AppendToolLog(logfile::ScheduledJunk, line);
    else if (!ScheduledRun && ManualLogging) AppendToolLog(logfile::ManualJunk, line);
}

// --- file types ------------------------------------------------------------------------------

void TfrmJunk::cmdAddNewClick() {
    ShowToolHint("JunkAdd", kAddHint);
    IDialogs& dialogs = machine().dialogs();
    const std::string mask = dialogs.inputBox("Add New File Type", "Extension or name of the file you wish to scan for:", "");
    if (mask.empty()) return;
    const std::string description =
        dialogs.inputBox("New File Type Description", "Enter a short description for this new file type:", " ");
    ui::ListRow r;
    r.caption = mask;
    r.subItems = {description};
    r.checked = true;
    lvScan.addRow(std::move(r));
    enableListCommands(lvScan, cmdEdit, cmdRemove, mnuEditItem, mnuRemoveItem, mnuCheckAll, mnuUncheckAll);
}

void TfrmJunk::lvScanDblClick() {
    const int index = lvScan.itemIndex();
    if (index < 0) return;
    IDialogs& dialogs = machine().dialogs();
    std::string mask = lvScan.row(index).caption;
    if (dialogs.inputQuery("Modify File Type", "Extension or name of the file you wish to scan for:", mask))
        lvScan.setRowCaption(index, mask);
    std::string description = lvScan.row(index).text(1);
    if (dialogs.inputQuery("Modify File Type Description", "Enter a short description for this file type:", description))
        lvScan.setSubItem(index, 0, description);
}

void TfrmJunk::cmdRemoveClick() {
    if (lvScan.itemIndex() < 0) return;
    if (!askRemoveItem()) return;
    DeleteSelectedRow(lvScan);
    enableListCommands(lvScan, cmdEdit, cmdRemove, mnuEditItem, mnuRemoveItem, mnuCheckAll, mnuUncheckAll);
}

// --- removal options ---------------------------------------------------------------------------

void TfrmJunk::chooseRemovalOption(ui::RadioButton& option) {
    if (&option != &optMove) {
        deMove.setEnabled(false);
        return;
    }
    deMove.setEnabled(true);
    if (!folderExists(deMove.text())) deMove.userBrowse();
}

void TfrmJunk::PageControl1Changing(bool& allowChange) {
    if (PageControl1.activePage() != &tsRemoval || !optMove.checked() || folderExists(deMove.text())) return;
    allowChange = false;
    MessageRequest m;
    m.title = ui::application().title();
    m.text = kNeedMoveFolder;
    machine().dialogs().messageBox(m);
    deMove.setFocus();
    deMove.selectAll();
}

void OpenJunkCleaner() {
    TfrmJunk form;
    form.showModal();
}

}  // namespace sv
