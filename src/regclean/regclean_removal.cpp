// The registry cleaner's removal (with its undo file), the undo, and the full
// registry backup and restore through the registry editor.
#include <stdexcept>

#include "common/text.h"
#include "common/toollog.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "regclean/regclean_form.h"
#include "regclean/undo.h"

namespace sv {
namespace {

constexpr const char* kRegistryEditor = "Regedit.exe";
// A whole-registry export of a big machine takes minutes; a wait without end
// would hang an unattended run on an editor that never finishes.
constexpr uint32_t kEditorTimeoutMs = 10 * 60 * 1000;
constexpr uint32_t kErrorFileNotFound = 2;

MsgAnswer ask(const std::string& title, const std::string& text, MsgIcon icon) {
    MessageRequest box;
    box.title = title;
    box.text = text;
    box.buttons = MsgButtons::YesNo;
    box.icon = icon;
    return machine().dialogs().messageBox(box);
}

void tell(const std::string& text, MsgIcon icon = MsgIcon::None) {
    MessageRequest box;
    box.title = ui::application().title();
    box.text = text;
    box.icon = icon;
    machine().dialogs().messageBox(box);
}

// Marks the window busy for as long as it lives (closing waits for it).
class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = previous_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

// An undo file's path as the status bar shows it: below the program's folder when
// it lies there (the help says where that is), so that it fits.
std::string shownPath(const std::string& path) {
    const std::string folder = executableFolder(machine().system());
    return startsWithNoCase(path, folder) ? path.substr(folder.size()) : path;
}

// The undo file could not be written, so nothing was deleted.
class UndoFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace

// --- menus -------------------------------------------------------------------------------------

void TfrmRegClean::lvChange() {
    const bool idle = !scanning_ && !busy_;
    mnuSelected.setEnabled(idle && lv.selCount() > 0);
    mnuAll.setEnabled(idle && lv.rowCount() > 0);
    mnuUndo.setEnabled(idle && regclean::NewestUndoFile().has_value());
}

void TfrmRegClean::cmdRemoveClick() {
    if (lv.selCount() > 0) Remove_Selected();
}

// --- removal ---------------------------------------------------------------------------------

bool TfrmRegClean::deleteOne(const Removal& r) {
    auto key = r.key.root ? machine().registry().openKey(*r.key.root, r.key.keyPath, false) : nullptr;
    const bool deleted = key && key->deleteValue(r.valueName);
    if (deleted) {
        Log("  Removing invalid reference...");
        ++RemovedReferences;
    } else {
        // Only what is gone counts as removed; the refusal is on record.
        Log("  Invalid reference not removed: the registry refused to delete it.");
    }
    Log("      KEY: " + r.key.rootName + r.key.keyPath);
    Log("      VALUE: " + r.valueName);
    return deleted;
}

void TfrmRegClean::removeRows(const std::vector<int>& rows, const std::function<void(int row)>& onHandled) {
    BusyScope busy(busy_);
    IRegistry& reg = machine().registry();

    // First everything is read, so that the undo file holds every value before the
    // first one goes. A key that does not open ends the removal at its row.
    std::vector<Removal> plan;
    std::vector<regclean::RegFileValue> saved;
    std::optional<std::string> unopened;
    for (int row : rows) {
        Removal r;
        r.row = row;
        r.key = regclean::ParseRegistryKey(lv.row(row).caption);
        r.valueName = lv.row(row).text(2);
        auto key = r.key.root ? reg.openKey(*r.key.root, r.key.keyPath, false, false) : nullptr;
        if (!key) {
            unopened = r.key.keyPath;
            break;
        }
        if (auto value = key->readValue(r.valueName))
            saved.push_back({*r.key.root, r.key.keyPath, r.valueName, *value});
        plan.push_back(std::move(r));
    }

    std::string undoFile;
    if (!saved.empty()) {
        auto written = regclean::WriteUndoFile(saved);
        if (!written)
            throw UndoFileError("Nothing was removed: the values could not be saved to an undo file in\r\r" +
                                regclean::BackupFolder());
        undoFile = *written;
    }

    int deleted = 0;
    for (const Removal& r : plan) {
        if (deleteOne(r)) ++deleted;
        if (onHandled) onHandled(r.row);
    }
    if (!undoFile.empty()) {
        // An undo file that would put back nothing that went is no way back.
        if (deleted == 0) machine().files().deleteFile(undoFile);
        else showUndoFile("Undo file: " + shownPath(undoFile));
    }
    if (unopened) throw std::runtime_error("Error opening registry key " + *unopened);
}

void TfrmRegClean::showUndoFile(const std::string& text) {
    if (StatusBar1.panelCount() <= kUndoPanel) {
        StatusBar1.setPanelWidth(kCountPanel, 190);
        StatusBar1.addPanel(50);
    }
    StatusBar1.setPanelText(kUndoPanel, text);
}

void TfrmRegClean::Remove_Selected() {
    const int count = lv.selCount();
    if (count == 0 || scanning_ || busy_) return;
    std::string question = "Are you sure you want to remove selected entry from the Registry?";
    if (count > 1)
        question = "Are you sure you want to remove " + std::to_string(count) + " selected entries from the Registry?";
    if (ask("Warning", question, MsgIcon::Warning) != MsgAnswer::Yes) return;

    // Rows go from the list as they are handled; `at` ends where the last one was.
    int gone = 0, at = 0;
    removeRows(lv.selectedRows(), [&](int row) {
        at = row - gone;
        lv.deleteRow(at);
        ++gone;
    });

    const int left = lv.rowCount();
    StatusBar1.setPanelText(kCountPanel, "Number of invalid entries found: " + std::to_string(left));
    if (at - 1 >= 0 && at - 1 < left) lv.setItemIndex(at - 1);
    else if (at < left) lv.setItemIndex(at);
    else if (at + 1 < left) lv.setItemIndex(at + 1);
    cmdRemove.setEnabled(left > 0);
    FormResize();
    lvChange();
    if (cbRescan.checked()) btnStart.click();
}

void TfrmRegClean::Remove_All() {
    if (scanning_ || busy_) return;
    if (!ScheduledRun) {
        const char* question = "Are you sure you want to remove all displayed entries from the Registry?";
        if (ask("Warning", question, MsgIcon::Warning) != MsgAnswer::Yes) return;
    } else {
        LogScheduled("  Start: Removing invalid references");
    }

    std::vector<int> rows(static_cast<size_t>(lv.rowCount()));
    for (int i = 0; i < lv.rowCount(); ++i) rows[static_cast<size_t>(i)] = i;
    try {
        removeRows(rows, {});
    } catch (const std::exception& e) {
        // Interactively the error box tells, and every row stays listed. An
        // unattended run has nobody to tell: the log does, and the run ends as usual.
        if (!ScheduledRun) throw;
        LogScheduled(std::string("  ") + e.what());
    }

    lv.clear();
    cmdRemove.setEnabled(false);
    StatusBar1.setPanelText(kCountPanel, "Number of invalid entries found: 0");
    FormResize();
    lvChange();
    if (!ScheduledRun && cbRescan.checked()) btnStart.click();
    if (scheduledLog()) {
        LogScheduled("  Finish: Removing invalid references");
        OperationComplete(logfile::ScheduledRegistry,
                          {"NUMBER OF INVALID REFERENCES REMOVED: " + std::to_string(RemovedReferences)});
    }
}

// --- undo ------------------------------------------------------------------------------------------

void TfrmRegClean::UndoLastRemoval() {
    if (scanning_ || busy_) return;
    {
        BusyScope busy(busy_);
        undoNewest();
    }
    lvChange();
}

void TfrmRegClean::undoNewest() {
    const auto path = regclean::NewestUndoFile();
    if (!path) {
        tell("There is no removal to undo.");
        return;
    }
    std::vector<regclean::RegFileValue> values;
    try {
        const auto bytes = readWholeFile(machine().files(), *path);
        if (!bytes) throw regclean::RegFileError("The file cannot be opened.");
        values = regclean::ReadRegFile(*bytes);
    } catch (const regclean::RegFileError& e) {
        tell("The undo file\r\r" + *path + "\r\rcannot be read, so nothing was put back.\r\r" + e.what(),
             MsgIcon::Error);
        return;
    }
    const std::string question = "Put back the " + std::to_string(values.size()) +
                                 " registry value(s) that the last removal deleted?\r\rThey were saved in\r\r" + *path;
    if (ask("Undo Last Removal", question, MsgIcon::Question) != MsgAnswer::Yes) return;

    const regclean::ImportResult result = regclean::ImportValues(values);
    LogManual("  Undo: put back " + std::to_string(result.restored) + " value(s) from " + *path);
    if (result.failed == 0) {
        regclean::MarkUndone(*path);
        showUndoFile("Undo complete: " + std::to_string(result.restored) + " value(s) put back.");
    } else {
        // The file stays the newest undo file, to be tried again (as an administrator).
        tell(std::to_string(result.failed) + " of " + std::to_string(values.size()) +
                 " values could not be put back: the registry refused to write them. The undo file was kept:\r\r" +
                 *path,
             MsgIcon::Warning);
    }
}

// --- backup and restore ------------------------------------------------------------------------------

bool TfrmRegClean::BackupRegistry(bool silent) {
    BusyScope busy(busy_);
    IFileSystem& fs = machine().files();
    const std::string file = regclean::BackupFilePath();
    bool result = true;
    uint32_t errorNumber = 0;
    try {
        LogManual("  Backing up registry files.");
        const std::string folder = withoutBackslash(regclean::BackupFolder());
        if (!fs.folderExists(folder)) fs.createFolder(folder);
        const char* question = "A backup copy of the registry exists - do you want to update it?";
        const bool proceed = silent || !fs.fileExists(file) ||
                             ask("Existing Backup...", question, MsgIcon::Question) == MsgAnswer::Yes;
        if (proceed) {
            // The backup there is kept aside until the new one is known to be whole.
            const std::string aside = file.substr(0, file.size() - 4) + ".old";
            if (fs.exists(aside)) fs.deleteFile(aside);
            const bool hadBackup = fs.fileExists(file) && fs.moveFile(file, aside);

            ProcessOutcome outcome;
            {
                ui::HourGlass hourGlass;
                StatusBar1.setPanelText(kStatusPanel, "Backing up registry files...");
                setEnabled(false);
                outcome = machine().system().runAndWait(kRegistryEditor, "/e \"" + file + "\"", kEditorTimeoutMs,
                                                        [] { ui::application().processMessages(); });
                setEnabled(true);
            }
            const bool written = fs.fileSize(file).value_or(0) > 0;
            if (outcome.succeeded() && written) {
                if (hadBackup) fs.deleteFile(aside);
                if (!silent) tell("Registry files successfully backed up to:\r\r" + file);
            } else {
                errorNumber = !outcome.started || !outcome.finished ? outcome.error
                              : outcome.exitCode != 0               ? outcome.exitCode
                                                                    : kErrorFileNotFound;
                if (fs.exists(file)) fs.deleteFile(file);
                if (hadBackup) fs.moveFile(aside, file);
                result = false;
            }
        }
    } catch (const std::exception&) {
        setEnabled(true);
        result = false;
        if (errorNumber == 0) errorNumber = kErrorFileNotFound;
    }
    if (!result) {
        const std::string text =
            "There was an error while backing up the registry.\r\rError Number: " + std::to_string(errorNumber);
        // An unattended run cannot stop at a message: its log tells instead.
        if (ScheduledRun)
            LogScheduled("  There was an error while backing up the registry. Error Number: " +
                         std::to_string(errorNumber));
        else
            tell(text);
    }
    StatusBar1.setPanelText(kStatusPanel, "Registry backup procedure complete...");
    return result;
}

bool TfrmRegClean::RestoreRegistry() {
    BusyScope busy(busy_);
    IFileSystem& fs = machine().files();
    const std::string file = regclean::BackupFilePath();
    bool result = true;
    LogManual("  Restoring registry files from backup.");
    if (!fs.fileExists(file)) {
        tell("No backup copy of the registry exists.");
        result = false;
    } else {
        StatusBar1.setPanelText(kStatusPanel, "Restoring Registry");
        // The 9x editor's /c replaces the registry with the file; the NT family's
        // editor has no such switch and imports the file silently with /s.
        const bool nineX = machine().system().osFamily() != OsFamily::WinNT;
        ProcessOutcome outcome;
        {
            ui::HourGlass hourGlass;
            setEnabled(false);
            const std::string parameters = std::string(nineX ? "/c" : "/s") + " \"" + file + "\"";
            outcome = machine().system().runAndWait(kRegistryEditor, parameters, kEditorTimeoutMs,
                                                    [] { ui::application().processMessages(); });
            setEnabled(true);
        }
        if (!outcome.succeeded()) {
            const uint32_t errorNumber = !outcome.started || !outcome.finished ? outcome.error : outcome.exitCode;
            tell("There was an error while restoring the registry.\r\rError Number: " + std::to_string(errorNumber));
            result = false;
        }
    }
    StatusBar1.setPanelText(kStatusPanel, "Restore procedure complete");
    return result;
}

}  // namespace sv
