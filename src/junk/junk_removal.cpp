// Removing the files the user selected (recycle, delete or move), the other
// commands on listed files, and the window's closing work.
#include "common/filefunc.h"
#include "common/formats.h"
#include "common/settings.h"
#include "common/text.h"
#include "common/toollog.h"
#include "junk/junk_form.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "shell/commontools.h"
#include "shell/hints.h"

namespace sv {
namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// Whether the path still names a plain file reached through plain folders. A
// folder swapped for a link or junction since the scan would lead the removal
// to some other file, which the user never chose.
bool leadsStraightToAFile(const std::string& path) {
    IFileSystem& fs = machine().files();
    const auto a = fs.attributes(path);
    if (!a || (*a & (attr::Directory | attr::ReparsePoint))) return false;
    for (auto slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        const auto folder = fs.attributes(path.substr(0, slash));
        if (!folder || (*folder & attr::ReparsePoint)) return false;
    }
    return true;
}

TShellFileOp& shellFileOp() {
    // Tests without the program's holder still remove through a configured operation.
    static TShellFileOp fallback = [] {
        TShellFileOp op;
        op.FilesOnly = op.NoConfirmation = op.RenameOnCollision = true;
        op.Animate = false;
        return op;
    }();
    return commontools() ? commontools()->ShellFileOp1 : fallback;
}

}  // namespace

void TfrmJunk::cmdDeleteClick() {
    if (lv.selCount() == 0) return;
    if (!ScheduledRun && cbConfirm.checked()) {
        MessageRequest q;
        q.title = "Please confirm";
        q.text = "Are you sure you wish to remove the selected file(s) ?";
        q.buttons = MsgButtons::YesNo;
        q.icon = MsgIcon::Warning;
        if (machine().dialogs().messageBox(q) != MsgAnswer::Yes) return;
    }
    int firstSelected = -1;
    {
        ui::HourGlass busy;
        // The status text is set however the loop ends.
        struct Status {
            TfrmJunk& f;
            ~Status() {
                f.sb.setPanelText(1, "Total space recovered: " + FormatBytes(f.RemovedBytes) + " bytes (" +
                                         FormatMegabytes(f.RemovedBytes) + " megabytes) in " +
                                         std::to_string(f.RemovedFiles) + " files.");
            }
        } status{*this};

        // The paths are taken first: rows do not move while files are removed.
        std::vector<std::string> chosen;
        for (int i = lv.nextSelected(-1); i >= 0; i = lv.nextSelected(i)) chosen.push_back(lv.row(i).caption);
        for (const std::string& p : chosen) {
            if (machine().files().exists(p) && !leadsStraightToAFile(p)) {
                Log("  Unable to remove " + quoted(p) + ".  The path no longer leads to the file that was found.");
                continue;
            }
            if (IsFileLocked(p)) {
                Log("  Unable to remove " + quoted(p) + ".  This file is currently in use.");
                if (!ScheduledRun && ManualLogging)
                    ShowToolHint("JunkInUse", "The file: " + quoted(p) +
                                                  " was unable to be removed at this time as it is currently in use "
                                                  "by Windows or its associated application.");
                continue;
            }
            if (const auto size = machine().files().fileSize(p)) RemovedBytes += static_cast<int64_t>(*size);
            RemovedFiles += 1;
            Perform_Delete(p);
        }

        firstSelected = lv.itemIndex();
        for (int i = lv.rowCount() - 1; i >= 0; --i) {
            if (i >= lv.rowCount() || !lv.row(i).selected) continue;
            deleteResultRow(i);
            ui::application().processMessages();
        }
    }
    if (lv.rowCount() > 0) {
        lv.setItemIndex(firstSelected >= 0 && firstSelected < lv.rowCount() ? firstSelected : 0);
    } else {
        showToolBar(false);
    }
    lvChange();
}

void TfrmJunk::D1Click() {
    if (lv.rowCount() == 0) return;
    lv.selectAll();
    cmdDeleteClick();
}

bool TfrmJunk::Perform_Delete(const std::string& path) {
    ui::application().processMessages();
    TShellFileOp& op = shellFileOp();
    op.AddFile(path);
    bool aborted = false;
    if (optMove.checked()) {
        aborted = op.MoveTo(deMove.text());
        Log("  Relocating file: " + path + "\r     To: " + deMove.text());
    } else if (optDelete.checked()) {
        aborted = op.Delete();
        Log("  Permanently deleting: " + path);
    } else {
        // The recycle bin also when no option is chosen: never a silent permanent delete.
        aborted = op.Recycle();
        Log("  Moving to recycle bin: " + path);
    }
    return aborted;
}

void TfrmJunk::cmdViewClick() {
    const int index = lv.itemIndex();
    if (index < 0 || lv.selCount() != 1) return;
    const std::string path = lv.row(index).caption;
    const std::string viewer = withoutBackslash(machine().files().systemFolder()) + "\\viewers\\QuikView.exe";
    IShell& shell = machine().shell();
    const bool started = machine().files().fileExists(viewer)
                             ? shell.execute("open", viewer, quoted(path), "", ShowCmd::Normal)
                             : shell.execute("", path, "", "", ShowCmd::Normal);
    tbView.setEnabled(started);
    mnuView.setEnabled(started);
}

void TfrmJunk::cmdPropsClick() {
    const int index = lv.itemIndex();
    if (index < 0 || lv.selCount() != 1) return;
    ui::HourGlass busy;
    machine().shell().showProperties(lv.row(index).caption);
}

void TfrmJunk::mnuSelAllClick() {
    if (lv.selCount() == 0) return;
    lv.selectAll();
    lvChange();
}

void TfrmJunk::lvDblClick() {
    const int index = lv.itemIndex();
    if (index < 0) return;
    const std::string path = lv.row(index).caption;
    if (machine().files().fileExists(path)) {
        ui::HourGlass busy;
        machine().shell().showProperties(path);
        return;
    }
    deleteResultRow(index);
    if (lv.rowCount() == 0) showToolBar(false);
    lvChange();
}

void TfrmJunk::lvChange() {
    const int selected = lv.selCount();
    tbRemove.setEnabled(selected >= 1);
    mnuRemove.setEnabled(selected >= 1);
    R1.setEnabled(selected >= 1);
    tbView.setEnabled(selected == 1);
    mnuView.setEnabled(selected == 1);
    tbProps.setEnabled(selected == 1);
    mnuProps.setEnabled(selected == 1);
    mnuSelAll.setEnabled(selected >= 1);
}

void TfrmJunk::FormCloseQuery(bool& canClose) {
    if (inScan_) {
        // The scan's handler is still on the stack: stop it and close once it returns.
        closeAfterScan_ = true;
        ts.continueScan = false;
        tsZero.continueScan = false;
        canClose = false;
        return;
    }
    closeAfterScan_ = false;
    const std::string total = TotalSpaceRecoveredLine(RemovedBytes);
    if (ScheduledRun && ScheduledLogging) {
        OperationComplete(logfile::ScheduledJunk, {total}, true);
    } else if (!ScheduledRun && ManualLogging) {
        SessionClose(logfile::ManualJunk, CloseSessionLabel, {total});
    }
    AddToCounter(counter::JunkBytes, RemovedBytes);
    AddToCounter(counter::JunkFiles, RemovedFiles);
    ts.continueScan = false;
    tsZero.continueScan = false;
    SaveSettings();
    canClose = true;
}

}  // namespace sv
