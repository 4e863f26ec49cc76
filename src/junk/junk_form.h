// The junk file cleaner's window: what to look for (five tabs of settings), the
// scan, the list of what was found, and its removal.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "common/listviews.h"
#include "common/treescan.h"
#include "junk/junk_rules.h"
#include "platform/ui/animation.h"
#include "platform/ui/bars.h"
#include "platform/ui/buttons.h"
#include "platform/ui/edits.h"
#include "platform/ui/folderedit.h"
#include "platform/ui/form.h"
#include "platform/ui/formstorage.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/listview.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "platform/ui/picture.h"
#include "platform/ui/progress.h"

namespace sv {

class TfrmJunk : public ui::Form {
public:
    TfrmJunk();
    ~TfrmJunk() override;

    // Set only by the scheduled run, before it presses Scan.
    bool ScheduledRun = false;
    bool ScheduledLogging = false;
    // Read once, when the window is created.
    bool ManualLogging = true;
    // What Remove handed to the shell since the window was created.
    int64_t RemovedBytes = 0;
    int32_t RemovedFiles = 0;

    // --- tabs -------------------------------------------------------------------------
    ui::PageControl PageControl1{this, "PageControl1"};
    ui::TabSheet tsDrives{PageControl1, "tsDrives", "Drive(s) to Scan"};
    ui::TabSheet tsFiles{PageControl1, "tsFiles", "Files to Find"};
    ui::TabSheet tsFolders{PageControl1, "tsFolders", "Folders"};
    ui::TabSheet tsOther{PageControl1, "tsOther", "Other Considerations"};
    ui::TabSheet tsRemoval{PageControl1, "tsRemoval", "Removal"};

    ui::Label lblDrives{&tsDrives, "lblDrives"};
    TDiskListView DiskListView1{&tsDrives, "DiskListView1"};

    ui::ListView lvScan{&tsFiles, "lvScan"};
    ui::Button cmdAddNew{&tsFiles, "cmdAddNew"};
    ui::Button cmdEdit{&tsFiles, "cmdEdit"};
    ui::Button cmdRemove{&tsFiles, "cmdRemove"};

    ui::Label lblFolderFind{&tsFolders, "lblFolderFind"};
    ui::ListView lvFolderFind{&tsFolders, "lvFolderFind"};
    ui::Button cmdAddFind{&tsFolders, "cmdAddFind"};
    ui::Button cmdEditFind{&tsFolders, "cmdEditFind"};
    ui::Button cmdRemoveFind{&tsFolders, "cmdRemoveFind"};
    ui::Label lblFolderExclude{&tsFolders, "lblFolderExclude"};
    ui::ListView lvFolderExclude{&tsFolders, "lvFolderExclude"};
    ui::Button cmdExcludeAdd{&tsFolders, "cmdExcludeAdd"};
    ui::Button cmdEditExclude{&tsFolders, "cmdEditExclude"};
    ui::Button cmdRemoveExclude{&tsFolders, "cmdRemoveExclude"};

    ui::CheckBox cbDays{&tsOther, "cbDays"};
    ui::MaskedEdit meDays{&tsOther, "meDays"};
    ui::UpDown udDays{&tsOther, "udDays"};
    ui::Label lblDays{&tsOther, "lblDays"};
    ui::CheckBox cbSkipAttr{&tsOther, "cbSkipAttr"};
    ui::CheckBox cbInUse{&tsOther, "cbInUse"};
    ui::CheckBox cbTemp{&tsOther, "cbTemp"};
    ui::CheckBox cbZeroLength{&tsOther, "cbZeroLength"};

    ui::GroupBox gbRemoval{&tsRemoval, "gbRemoval"};
    ui::Picture imgRecycle{&gbRemoval, "imgRecycle"};
    ui::RadioButton optRecycle{&gbRemoval, "optRecycle"};
    ui::Picture imgDelete{&gbRemoval, "imgDelete"};
    ui::RadioButton optDelete{&gbRemoval, "optDelete"};
    ui::Picture imgMoveTo{&gbRemoval, "imgMoveTo"};
    ui::RadioButton optMove{&gbRemoval, "optMove"};
    ui::FolderEdit deMove{&gbRemoval, "deMove"};
    ui::Picture imgConfirm{&gbRemoval, "imgConfirm"};
    ui::CheckBox cbConfirm{&gbRemoval, "cbConfirm"};

    // --- buttons at the right -------------------------------------------------------------
    ui::Button cmdGo{this, "cmdGo"};
    ui::Button cmdExit{this, "cmdExit"};
    ui::Button cmdHelp{this, "cmdHelp"};
    ui::SearchAnimation aviSearch{this, "aviSearch"};

    // --- results --------------------------------------------------------------------------
    ui::ToolBar tb{this, "tb"};
    ui::ToolButton tbRemove{tb, "tbRemove", "Remove", ui::ToolButtonStyle::DropDown};
    ui::ToolButton tbView{tb, "tbView", "QuickView"};
    ui::ToolButton tbProps{tb, "tbProps", "Properties"};
    TFileListView lv{this, "lv"};
    ui::ImageList ilFileIcons{this, "ilFileIcons"};
    ui::StatusBar sb{this, "sb"};
    ui::ProgressBar pg{&sb, "pg"};

    // --- menus ----------------------------------------------------------------------------
    ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
    ui::MenuItem mnuAddNew{PopupMenu1, "mnuAddNew", "&Add New Item"};
    ui::MenuItem mnuEditItem{PopupMenu1, "mnuEditItem", "&Edit Selected Item"};
    ui::MenuItem mnuRemoveItem{PopupMenu1, "mnuRemoveItem", "&Remove Selected Item"};
    ui::MenuItem mnuScanSep{PopupMenu1, "mnuScanSep", "-"};
    ui::MenuItem mnuCheckAll{PopupMenu1, "mnuCheckAll", "&Check all items"};
    ui::MenuItem mnuUncheckAll{PopupMenu1, "mnuUncheckAll", "U&ncheck all items"};

    ui::PopupMenu pmFolderFind{*this, "pmFolderFind"};
    ui::MenuItem mnuFindAdd{pmFolderFind, "mnuFindAdd", "&Add New Item"};
    ui::MenuItem mnuFindEdit{pmFolderFind, "mnuFindEdit", "&Edit Selected Item"};
    ui::MenuItem mnuFindRemove{pmFolderFind, "mnuFindRemove", "&Remove Selected Item"};
    ui::MenuItem mnuFindSep{pmFolderFind, "mnuFindSep", "-"};
    ui::MenuItem mnuFindCheck{pmFolderFind, "mnuFindCheck", "&Check all items"};
    ui::MenuItem mnuFindUncheck{pmFolderFind, "mnuFindUncheck", "U&ncheck all items"};

    ui::PopupMenu pmFolderExclude{*this, "pmFolderExclude"};
    ui::MenuItem mnuExclAdd{pmFolderExclude, "mnuExclAdd", "&Add New Item"};
    ui::MenuItem mnuExclEdit{pmFolderExclude, "mnuExclEdit", "&Edit Selected Item"};
    ui::MenuItem mnuExclRemove{pmFolderExclude, "mnuExclRemove", "&Remove Selected Item"};
    ui::MenuItem mnuExclSep{pmFolderExclude, "mnuExclSep", "-"};
    ui::MenuItem mnuExclCheck{pmFolderExclude, "mnuExclCheck", "&Check all items"};
    ui::MenuItem mnuExclUncheck{pmFolderExclude, "mnuExclUncheck", "U&ncheck all items"};

    ui::PopupMenu pmDelete{*this, "pmDelete"};
    ui::MenuItem R1{pmDelete, "R1", "&Remove Selected File(s)"};
    ui::MenuItem D1{pmDelete, "D1", "Remove &all listed files"};

    ui::PopupMenu pmToolFunc{*this, "pmToolFunc"};
    ui::MenuItem mnuRemove{pmToolFunc, "mnuRemove", "&Remove"};
    ui::MenuItem mnuView{pmToolFunc, "mnuView", "&QuickView"};
    ui::MenuItem mnuProps{pmToolFunc, "mnuProps", "P&roperties"};
    ui::MenuItem mnuToolSep{pmToolFunc, "mnuToolSep", "-"};
    ui::MenuItem mnuSelAll{pmToolFunc, "mnuSelAll", "&Select All"};

    // Declared after the controls it keeps, so that it saves before they go.
    ui::FormStorage FormStorage1{*this, junk::StorageKey, junk::StorageSection, ui::Placement::Position};

    // --- settings (junk_form.cpp) ---------------------------------------------------------
    void FormCreate();
    void FormShow();
    std::vector<junk::FileType> fileTypes() const;
    void setFileTypes(const std::vector<junk::FileType>& types);
    void LoadSettings();
    void SaveSettings();
    bool RestrictedFile(const std::string& path) const;
    // Appends a line to the log this run writes to (none, the manual or the scheduled one).
    void Log(const std::string& line) const;
    void cmdAddNewClick();
    void lvScanDblClick();
    void cmdRemoveClick();
    void PageControl1Changing(bool& allowChange);

    // --- the scan (junk_scan.cpp) -----------------------------------------------------------
    void cmdGoClick();
    void ScanStart();
    void ScanEnd(bool completed);
    int64_t NumBytes() const;
    bool IsInListView(const std::string& path) const;
    void AddAssociatedIcon(const std::string& path, int row);
    bool scanning() const { return cmdGo.caption() == "&Stop"; }

    // --- removal and the listed files (junk_removal.cpp) ---------------------------------
    void cmdDeleteClick();
    void D1Click();
    bool Perform_Delete(const std::string& path);
    void cmdViewClick();
    void cmdPropsClick();
    void mnuSelAllClick();
    void lvDblClick();
    void lvChange();
    void FormCloseQuery(bool& canClose);

private:
    void buildLayout();
    void wireEvents();
    void chooseRemovalOption(ui::RadioButton& option);
    void folderListCommands(ui::ListView& list, const char* key, const char* hintText, ui::Button& add,
                            ui::Button& edit, ui::Button& remove, ui::PopupMenu& menu, ui::MenuItem& mAdd,
                            ui::MenuItem& mEdit, ui::MenuItem& mRemove, ui::MenuItem& mCheck, ui::MenuItem& mUncheck);
    void enableListCommands(ui::ListView& list, ui::Button& edit, ui::Button& remove, ui::MenuItem& mEdit,
                            ui::MenuItem& mRemove, ui::MenuItem& mCheck, ui::MenuItem& mUncheck);
    void showToolBar(bool on);
    // The result list's rows, with the set of listed paths kept in step.
    void addResultRow(const std::string& path);
    void deleteResultRow(int index);
    void clearResults();
    void runWalk(TTreeScanner& scanner, const std::string& folder);
    void fileFound(TTreeScanner& scanner, bool zeroPass);
    void searchDone(TTreeScanner& scanner);

    TTreeScanner ts, tsZero;
    // Upper-cased paths of the listed rows: "already listed?" without a pass over all rows.
    std::unordered_set<std::string> listed_;
    bool inScan_ = false;          // a scan's handler is running (perhaps stopped, unwinding)
    bool closeAfterScan_ = false;  // closing waits until that handler has returned
};

// Opens the junk file cleaner from the navigator and waits until it is closed.
void OpenJunkCleaner();

}  // namespace sv
