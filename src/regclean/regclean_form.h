// The registry cleaner's window: which areas to scan, the scan, the list of dead
// references it found, their removal (with an undo file written first), and the
// full registry backup and restore of the 9x family.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/ui/animation.h"
#include "platform/ui/bars.h"
#include "platform/ui/buttons.h"
#include "platform/ui/form.h"
#include "platform/ui/formstorage.h"
#include "platform/ui/listview.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "platform/ui/picture.h"
#include "regclean/regrefs.h"

namespace sv {

class TfrmRegClean : public ui::Form {
public:
    TfrmRegClean();
    ~TfrmRegClean() override;

    // Set only by the scheduled run, after creating the window hidden and before
    // pressing the start button: a scheduled window asks nothing and writes only
    // the scheduled log (and only with ScheduledLogging).
    bool ScheduledRun = false;
    bool ScheduledLogging = false;
    // The manual log switch, read when the window is shown.
    bool ManualLogging = false;
    // Values deleted since the window was shown; added to "RegRefs" on closing.
    int32_t RemovedReferences = 0;

    // --- tabs -----------------------------------------------------------------------------
    ui::PageControl pcRegistry{this, "pcRegistry"};
    ui::TabSheet TabSheet1{pcRegistry, "TabSheet1", "Scan Options"};
    ui::TabSheet tsBackup{pcRegistry, "tsBackup", "Backup / Restore"};

    ui::Label lblScanFor{&TabSheet1, "lblScanFor"};
    ui::ListView lvScanFor{&TabSheet1, "lvScanFor"};
    ui::CheckBox cbExclude{&TabSheet1, "cbExclude"};
    ui::CheckBox cbRescan{&TabSheet1, "cbRescan"};

    ui::Picture Image2{&tsBackup, "Image2"};
    ui::CheckBox cbBackup{&tsBackup, "cbBackup"};
    ui::Panel Bevel1{&tsBackup, "Bevel1"};
    ui::Label lblBackup{&tsBackup, "lblBackup"};
    ui::Button cmdBackup{&tsBackup, "cmdBackup"};
    ui::Button cmdRestore{&tsBackup, "cmdRestore"};

    // --- buttons at the right -------------------------------------------------------------
    ui::Button btnStart{this, "btnStart"};
    ui::Button cmdExit{this, "cmdExit"};
    ui::Button cmdHelp{this, "cmdHelp"};
    ui::SearchAnimation aviSearch{this, "aviSearch"};

    // --- results --------------------------------------------------------------------------
    ui::ToolBar tb{this, "tb"};
    ui::ToolButton cmdRemove{tb, "cmdRemove", "Remove", ui::ToolButtonStyle::DropDown};
    ui::ListView lv{this, "lv"};
    ui::StatusBar StatusBar1{this, "StatusBar1"};

    ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
    ui::MenuItem mnuSelected{PopupMenu1, "mnuSelected", "&Remove Selected Entries"};
    ui::MenuItem mnuAll{PopupMenu1, "mnuAll", "Remove &All Entries"};
    ui::MenuItem mnuUndoSep{PopupMenu1, "mnuUndoSep", "-"};
    ui::MenuItem mnuUndo{PopupMenu1, "mnuUndo", "Undo last removal..."};

    // Declared after the controls it keeps, so that it saves before they go.
    ui::FormStorage FormStorage1{*this, regclean::StorageKey, regclean::StorageSection, ui::Placement::Position};

    // --- window (regclean_form.cpp) -------------------------------------------------------
    void FormCreate();
    void GetOptions();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormResize();
    void FormKeyDown(int& key, ui::ShiftState shift);
    void lvScanForChange();
    void Image2Click();
    void cmdExitClick();
    void cmdHelpClick();

    // --- scan (regclean_scan.cpp) ---------------------------------------------------------
    // Starts a scan, or asks the running one to stop.
    void btnStartClick();
    void PerformScan();
    // The walk below the key the access object stands on: depth first, each
    // sub-key's values before its own sub-keys.
    void DoAnalyzeKeys();
    void DoAnalyzeValues(const std::string& keyName);
    bool IsValidReference(const std::string& text);
    void DoAnalyzeDLLs();
    bool Scanning() const { return scanning_; }

    // --- removal, backup and restore (regclean_removal.cpp) -------------------------------
    // Exports the whole registry to "Registry Backup\Reg_Backup.reg"; `silent` asks
    // nothing and reports only a failure. False when a failure was reported.
    bool BackupRegistry(bool silent);
    bool RestoreRegistry();
    void Remove_Selected();
    void Remove_All();
    // Writes back the values the newest undo file holds, after asking.
    void UndoLastRemoval();
    // Enables the removal commands for the rows and selection there are now.
    void lvChange();
    void cmdRemoveClick();
    void cmdBackupClick() { BackupRegistry(false); }
    void cmdRestoreClick() { RestoreRegistry(); }

    // The status panels: 0 what happens, 1 the count; 2 (after a removal) where
    // its undo file is.
    static constexpr int kStatusPanel = 0;
    static constexpr int kCountPanel = 1;
    static constexpr int kUndoPanel = 2;

private:
    // The one registry access object of the walk: it moves from key to key and
    // re-opens the parent by path after each child, instead of keeping a handle
    // open per level.
    struct Access {
        RegRoot root = RegRoot::CurrentUser;
        std::string path;  // as a row shows it: "\Software\x" below a root, "Software\x" below HKLM\Software
        std::unique_ptr<RegKey> key;
    };
    bool openStartKey(RegRoot root, const std::string& startKey, const std::string& rowPath);
    bool openSubKey(const std::string& name);
    bool reopen(const std::string& path);
    void addRow(const std::string& keyPath, const std::string& valueName, const std::string& data, int image);
    void scanEnded();

    // One row to remove.
    struct Removal {
        int row = -1;
        regclean::ParsedKey key;
        std::string valueName;
    };
    // Reads the rows' values up to the first key that cannot be opened, writes the
    // undo file and deletes them, logging each; `onRemoved` runs per row handled.
    // Throws the "Error opening registry key" error after deleting the rows before it.
    void removeRows(const std::vector<int>& rows, const std::function<void(int row)>& onHandled);
    bool deleteOne(const Removal& r);
    // Shows `text` in the status bar's undo panel, adding the panel the first time.
    void showUndoFile(const std::string& text);
    void undoNewest();

    void Log(const std::string& line);           // whichever log this window writes
    void LogManual(const std::string& line);     // the manual one only
    void LogScheduled(const std::string& line);  // the scheduled one only
    bool manualLog() const { return !ScheduledRun && ManualLogging; }
    bool scheduledLog() const { return ScheduledRun && ScheduledLogging; }
    void layoutControls();
    void setToolBarShown(bool shown);

    std::unique_ptr<Access> access_;
    bool stop_ = false;
    bool scanning_ = false;
    bool closeAfterScan_ = false;
    bool busy_ = false;  // a removal, backup, restore or undo is running
    std::string rootName_;
};

// Opens the registry cleaner from the navigator: shows it modally and frees it.
void OpenRegistryCleaner();

}  // namespace sv
