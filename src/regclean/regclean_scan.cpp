// The registry cleaner's scan: the walk of the chosen areas, the value test and
// the shared-DLL check.
#include <stdexcept>

#include "common/toollog.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "regclean/regclean_form.h"
#include "shell/commontools.h"

namespace sv {
namespace {

constexpr const char* kStartCaption = "Scan &Registry";
constexpr const char* kStopCaption = "&Stop";
constexpr const char* kStartHint = "Begin scanning your registry";
constexpr const char* kStopHint = "Abort the current scan (may take a moment)";

// The key walks of the first three areas: root, start key, and the path its rows
// show for it (the two whole roots show their paths with a leading backslash).
struct WalkArea {
    RegRoot root;
    const char* startKey;
    const char* rowPath;
};
const WalkArea kWalks[] = {
    {RegRoot::CurrentUser, "\\", ""},
    {RegRoot::Users, "\\", ""},
    {RegRoot::LocalMachine, "\\Software", "Software"},
};

}  // namespace

// --- the access object ---------------------------------------------------------------------

bool TfrmRegClean::openStartKey(RegRoot root, const std::string& startKey, const std::string& rowPath) {
    access_->key.reset();
    access_->root = root;
    access_->path = rowPath;
    // Reading is all the walk does: read access opens what an ordinary user may see.
    access_->key = machine().registry().openKey(root, startKey, false, false);
    return access_->key != nullptr;
}

bool TfrmRegClean::openSubKey(const std::string& name) {
    const std::string path = access_->path + "\\" + name;
    auto key = machine().registry().openKey(access_->root, path, false, false);
    if (!key) return false;
    access_->key = std::move(key);
    access_->path = path;
    return true;
}

bool TfrmRegClean::reopen(const std::string& path) {
    auto key = machine().registry().openKey(access_->root, path, false, false);
    if (!key) return false;
    access_->key = std::move(key);
    access_->path = path;
    return true;
}

// --- start and stop ----------------------------------------------------------------------------

void TfrmRegClean::btnStartClick() {
    if (btnStart.caption() == kStopCaption) {
        stop_ = true;
        btnStart.setCaption(kStartCaption);
        btnStart.setHint(kStartHint);
        return;
    }
    btnStart.setHint(kStopHint);
    btnStart.setCaption(kStopCaption);
    cmdBackup.setEnabled(false);
    cmdRestore.setEnabled(false);
    pcRegistry.setEnabled(false);
    scanning_ = true;

    std::exception_ptr error;
    try {
        LogManual("  Scanning registry for invalid references.");
        if (scheduledLog()) OperationStart(logfile::ScheduledRegistry);
        cmdExit.setEnabled(false);
        lv.clear();
        lvChange();
        PerformScan();
    } catch (...) {
        error = std::current_exception();
    }

    scanning_ = false;
    btnStart.setCaption(kStartCaption);
    btnStart.setHint(kStartHint);
    cmdBackup.setEnabled(true);
    cmdRestore.setEnabled(true);
    pcRegistry.setEnabled(true);
    if (error) {
        // The rows found so far stay; the window must stay usable all the same.
        aviSearch.stop();
        aviSearch.hide();
        cmdExit.setEnabled(true);
    }
    Log("  Scan complete. " + std::to_string(lv.rowCount()) + " invalid references found.");
    if (error && ScheduledRun) {
        // Nobody is there to read an error box, and the scheduled run waits for the
        // final status: the error goes to the log and the scan counts as interrupted.
        std::string text = "unknown error";
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            text = e.what();
        } catch (...) {
        }
        LogScheduled("  " + text);
        StatusBar1.setPanelText(kStatusPanel, "Scan interrupted.");
        StatusBar1.setPanelText(kCountPanel, "Number of invalid entries found: " + std::to_string(lv.rowCount()));
        error = nullptr;
    }
    lvChange();
    if (closeAfterScan_) {
        closeAfterScan_ = false;
        close();
    }
    if (error) std::rethrow_exception(error);
}

void TfrmRegClean::PerformScan() {
    stop_ = false;
    if (cbBackup.checked()) {
        LogScheduled("  Backing up registry files...");
        BackupRegistry(true);
    }
    aviSearch.show();
    aviSearch.play();
    cmdRemove.setEnabled(false);

    for (int i = 0; i < 3 && i < lvScanFor.rowCount(); ++i) {
        if (stop_ || !lvScanFor.row(i).checked) continue;
        const std::string& caption = lvScanFor.row(i).caption;
        Log("  Analyzing: " + caption + "...");
        StatusBar1.setPanelText(kStatusPanel, "Analyzing: " + caption);
        rootName_ = caption;
        // An area whose start key does not open contributes nothing.
        if (openStartKey(kWalks[i].root, kWalks[i].startKey, kWalks[i].rowPath)) DoAnalyzeKeys();
    }
    if (!stop_ && lvScanFor.rowCount() > 3 && lvScanFor.row(3).checked) {
        Log("  Analyzing: Shared DLL References...");
        StatusBar1.setPanelText(kStatusPanel, "Analyzing: Shared DLL References");
        rootName_ = regclean::RootLocalMachine;
        if (openStartKey(RegRoot::LocalMachine, regclean::SharedDllsKey, regclean::SharedDllsRowPath)) DoAnalyzeDLLs();
    }
    scanEnded();
}

void TfrmRegClean::scanEnded() {
    aviSearch.stop();
    aviSearch.hide();
    const int found = lv.rowCount();
    StatusBar1.setPanelText(kStatusPanel, stop_ ? "Scan interrupted." : "Scan successfully completed.");
    StatusBar1.setPanelText(kCountPanel, "Number of invalid entries found: " + std::to_string(found));
    if (found == 0 && !stop_) {
        if (!ScheduledRun) {
            MessageRequest box;
            box.title = "Information";
            box.text = "No invalid references detected.";
            box.icon = MsgIcon::Information;
            machine().dialogs().messageBox(box);
        } else if (ScheduledLogging) {
            LogScheduled("  Registry Already Clean: No invalid references detected.");
            OperationComplete(logfile::ScheduledRegistry, {});
        }
    }
    setToolBarShown(found > 0);
    cmdRemove.setEnabled(found > 0);
    cmdExit.setEnabled(true);
}

// --- the walk ------------------------------------------------------------------------------------

void TfrmRegClean::DoAnalyzeKeys() {
    const std::string parent = access_->path;
    const std::vector<std::string> names = access_->key->subKeyNames();
    for (const std::string& name : names) {
        // A sub-key that does not open (no right to read it) is passed over.
        if (openSubKey(name)) {
            DoAnalyzeValues(name);
            if (stop_) return;
            DoAnalyzeKeys();
        }
        if (stop_) return;
        const std::string absolute = !parent.empty() && parent[0] == '\\' ? parent : "\\" + parent;
        if (!reopen(parent)) throw std::runtime_error("Can not open key " + absolute);
    }
}

void TfrmRegClean::DoAnalyzeValues(const std::string& keyName) {
    RegKey& key = *access_->key;
    for (const std::string& name : key.valueNames()) {
        const auto value = key.readValue(name);
        if (!value || !value->isText()) continue;
        StatusBar1.setPanelText(kCountPanel, "Analyzing: " + keyName);
        ui::application().processMessages();
        if (stop_) return;
        // Expandable strings are judged as written: "%SystemRoot%\x.dll" is no plain path.
        if (!IsValidReference(name) || !IsValidReference(value->data))
            addRow(access_->path, name, value->data, pic::RegistryEntry);
    }
}

bool TfrmRegClean::IsValidReference(const std::string& text) {
    return regclean::IsValidReference(text, machine().files(), cbExclude.checked());
}

void TfrmRegClean::DoAnalyzeDLLs() {
    RegKey& key = *access_->key;
    IFileSystem& fs = machine().files();
    for (const std::string& name : key.valueNames()) {
        if (!key.hasValue(name)) continue;
        if (regclean::IsOrphanedSharedDll(name, fs, cbExclude.checked()))
            addRow(access_->path, name, name, pic::SharedDll);
        if (stop_) return;
    }
}

void TfrmRegClean::addRow(const std::string& keyPath, const std::string& valueName, const std::string& data,
                          int image) {
    ui::ListRow row;
    row.caption = regclean::RowCaption(rootName_, keyPath);
    const auto written = access_->key->lastWriteTime();
    row.subItems = {written ? regclean::FormatLastWrite(*written) : std::string(), valueName, data};
    row.imageIndex = image;
    lv.addRow(std::move(row));
    if (lv.selCount() == 0) lv.setItemIndex(0);
}

}  // namespace sv
