// The junk scan: up to four walks (the temporary folder, the named folders, the
// drives for the chosen file types, the drives for empty files), each found file
// filtered before it becomes a row. The Scan button is the Stop button meanwhile.
#include <string_view>

#include "common/filefunc.h"
#include "common/formats.h"
#include "common/text.h"
#include "common/toollog.h"
#include "junk/junk_form.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "shell/commontools.h"

namespace sv {
namespace {

std::string folderPart(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool contains(std::string_view haystack, std::string_view needle) { return haystack.find(needle) != std::string::npos; }

}  // namespace

void TfrmJunk::cmdGoClick() {
    if (ScheduledRun && ScheduledLogging) {
        OperationStart(logfile::ScheduledJunk);
        AppendToolLog(logfile::ScheduledJunk, "");
        AppendToolLog(logfile::ScheduledJunk, "  Start Scan...");
    }
    if (scanning()) {
        ScanEnd(false);
        return;
    }
    // A stopped scan that is still unwinding finishes first.
    if (inScan_) return;
    inScan_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inScan_};
    if (!ScheduledRun && ManualLogging) AppendToolLog(logfile::ManualJunk, "  Start Scan...");
    ScanStart();

    // Once Stop is given, no further walk starts; the end runs in every case.
    auto stopped = [this] { return !ts.continueScan || !tsZero.continueScan; };
    auto finish = [this] {
        Log("  Scan End.");
        ScanEnd(true);
        // The window was asked to close while the scan ran: it closes now that the
        // scan has unwound, so nothing is freed under it.
        if (closeAfterScan_) ui::uiBackend().post([this] { close(); });
    };
    try {
        if (cbTemp.checked() && !stopped()) {
            ts.setFileMaskCommaText("*.*");
            runWalk(ts, GetTempDirectory());
            pg.stepBy(1);
        }
        if (lvFolderFind.rowCount() > 0 && !stopped()) {
            ts.setFileMaskCommaText("*.*");
            for (const ui::ListRow& r : std::vector<ui::ListRow>(lvFolderFind.rows())) {
                if (stopped()) break;
                if (r.checked) runWalk(ts, r.caption);
            }
            pg.stepBy(1);
        }
        const std::string drives = DiskListView1.driveSet();
        std::string masks;
        for (const ui::ListRow& r : lvScan.rows()) {
            if (!r.checked) continue;
            if (!masks.empty()) masks += ',';
            masks += r.caption;
        }
        ts.setFileMaskCommaText(masks);
        // An empty mask sorts first: no type checked, or a checked type without a mask.
        bool emptyMask = ts.masks().empty();
        for (const ui::ListRow& r : lvScan.rows())
            if (r.checked && r.caption.empty()) emptyMask = true;
        if (!emptyMask) {
            for (char letter : drives) {
                if (stopped()) break;
                runWalk(ts, std::string(1, letter) + ":\\");
                if (stopped()) break;
                pg.stepBy(1);
            }
        }
        if (cbZeroLength.checked()) {
            for (char letter : drives) {
                if (stopped()) break;
                runWalk(tsZero, std::string(1, letter) + ":\\");
                if (stopped()) break;
                pg.stepBy(1);
            }
        }
    } catch (...) {
        // An error ends the scan; the end still runs, then the error is shown.
        finish();
        throw;
    }
    finish();
}

void TfrmJunk::runWalk(TTreeScanner& scanner, const std::string& folder) {
    scanner.setInitialDirectory(folder);
    scanner.execute();
}

void TfrmJunk::ScanStart() {
    ilFileIcons.clear();
    ilFileIcons.addMasked(CommonPicture(pic::File), kCommonPictureSeeThrough);

    const int drives = static_cast<int>(DiskListView1.driveSet().size());
    int max = drives;
    if (cbTemp.checked()) max += 1;
    if (cbZeroLength.checked()) max += drives;
    if (lvFolderFind.rowCount() > 0) max += 1;
    pg.setPosition(0);
    pg.setRange(0, max);

    cmdGo.setCaption("&Stop");
    cmdGo.setHint("Abort the current scan (may take a moment).");
    cmdHelp.hide();
    aviSearch.show();
    aviSearch.play();
    cmdExit.setEnabled(false);
    showToolBar(false);
    PageControl1.setEnabled(false);

    ts.setFileMaskCommaText("");
    ts.continueScan = true;
    tsZero.continueScan = true;
    clearResults();
}

void TfrmJunk::ScanEnd(bool completed) {
    ts.continueScan = false;
    tsZero.continueScan = false;
    cmdGo.setCaption("&Scan");
    aviSearch.stop();
    aviSearch.hide();
    cmdHelp.show();
    cmdExit.setEnabled(true);
    pg.setPosition(0);
    if (lv.rowCount() > 0) {
        showToolBar(true);
        lv.setItemIndex(0);
        if (showing()) lv.setFocus();
    } else {
        showToolBar(false);
    }
    lvChange();
    PageControl1.setEnabled(true);
    cmdGo.setHint("Begin scanning for files");

    const std::string total = "  " + junk::FoundTotalText(NumBytes(), lv.rowCount());
    if (ScheduledRun && ScheduledLogging) {
        AppendToolLog(logfile::ScheduledJunk, "");
        AppendToolLog(logfile::ScheduledJunk, total);
    } else if (!ScheduledRun && ManualLogging && completed) {
        AppendToolLog(logfile::ManualJunk, "");
        AppendToolLog(logfile::ManualJunk, total);
    }
}

int64_t TfrmJunk::NumBytes() const {
    int64_t total = 0;
    for (const ui::ListRow& r : lv.rows()) {
        const std::string& size = r.text(TFileListView::Size);
        int64_t n = 0;
        for (char c : size)
            if (c >= '0' && c <= '9') n = n * 10 + (c - '0');
        total += n;
    }
    return total;
}

bool TfrmJunk::IsInListView(const std::string& path) const { return listed_.count(upperAscii(path)) > 0; }

void TfrmJunk::addResultRow(const std::string& path) {
    uint64_t size = 0;
    if (!lv.addFileRow(path, size)) return;  // gone meanwhile: not listed
    const int row = lv.rowCount() - 1;
    listed_.insert(upperAscii(lv.row(row).caption));
    AddAssociatedIcon(path, row);
}

void TfrmJunk::deleteResultRow(int index) {
    listed_.erase(upperAscii(lv.row(index).caption));
    lv.deleteRow(index);
}

void TfrmJunk::clearResults() {
    lv.clear();
    listed_.clear();
}

void TfrmJunk::AddAssociatedIcon(const std::string& path, int row) {
    int image = 0;
    if (const auto icon = machine().shell().fileIcon(path)) {
        const int added = ilFileIcons.add(*icon);
        image = added >= 0 ? added : 0;
    }
    lv.setImageIndex(row, image);
}

void TfrmJunk::fileFound(TTreeScanner& scanner, bool zeroPass) {
    ui::application().processMessages();
    if (!scanner.continueScan) return;
    const std::string path = scanner.fileFound();
    const std::string folder = upperAscii(folderPart(path));
    if (!zeroPass) {
        for (const ui::ListRow& r : lvFolderExclude.rows())
            if (r.checked && contains(folder, upperAscii(r.caption))) return;
    }
    // Never list what lies in (or above) the folder removed files are moved to.
    const std::string moveTo = upperAscii(deMove.text());
    if (!moveTo.empty() && contains(moveTo, withoutBackslash(folder))) return;
    if (RestrictedFile(path)) return;
    if (zeroPass) {
        const auto size = machine().files().fileSize(path);
        if (!size || *size != 0) return;
    }
    if (IsInListView(path)) return;
    addResultRow(path);
}

void TfrmJunk::searchDone(TTreeScanner& scanner) {
    const int64_t bytes = NumBytes();
    sb.setPanelText(1, "Scan Complete: " + junk::FoundTotalText(bytes, lv.rowCount()));
    if (bytes == 0) return;
    const char* what = &scanner == &tsZero ? " for zero length files." : " for specified file types.";
    Log("  Successfully scanned " + scanner.initialDirectory() + what);
}

}  // namespace sv
