// The registry cleaner's window: building it, its options, showing and closing.
#include "regclean/regclean_form.h"

#include <algorithm>

#include "common/filefunc.h"
#include "common/settings.h"
#include "common/toollog.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "shell/commontools.h"
#include "shell/hints.h"

namespace sv {
namespace {

constexpr const char* kHelpTopic = "Cleaning_your_system_registry";
constexpr const char* kAdminHint =
    "In order to utilize the Registry Cleaner's backup and restore functions you must be logged in as an "
    "administrator, thus these features have been temporarily removed.";

// The four areas, in their fixed order.
struct Area {
    const char* caption;
    const char* description;
    int image;
    const char* setting;
};
const Area kAreas[] = {
    {regclean::RootCurrentUser, "Stores information about the currently logged-in user", pic::RegistryEntry, "CU"},
    {regclean::RootUsers, "Stores information about all configured users", pic::RegistryEntry, "US"},
    {regclean::RootLocalMachine, "Stores global information about the computer", pic::RegistryEntry, "LM"},
    {"Invalid shared DLL's", "Find orphaned references to system-shared .dll files", pic::SharedDll, "SD"},
};

// Layout at 96 dpi.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 94;
constexpr int kTabsHeight = 172;
constexpr int kResultsTop = kTabsHeight + 2 * kMargin;
constexpr int kToolBarHeight = 38;
// What a report list spends at 96 dpi: its header, each row, a vertical scroll bar.
constexpr int kListHeaderHeight = 24;
constexpr int kListRowHeight = 17;
constexpr int kScrollBarWidth = 17;

std::shared_ptr<const ui::Bitmap> shared(const ui::Bitmap& b) {
    return std::shared_ptr<const ui::Bitmap>(&b, [](const ui::Bitmap*) {});
}

}  // namespace

TfrmRegClean::TfrmRegClean() : ui::Form("frmRegClean") {
    setCaption("Registry Cleaner");
    setPosition(ui::FormPosition::ScreenCenter);
    setKeyPreview(true);
    setClientSize(720, 470);

    // Scan options.
    ui::Font bold;
    bold.bold = true;
    lblScanFor.setFont(bold);
    lblScanFor.setCaption("Select the areas of the registry to scan for invalid information...");
    lvScanFor.setCheckBoxes(true);
    lvScanFor.setMultiSelect(true);
    lvScanFor.setRowSelect(true);
    lvScanFor.setReadOnly(true);
    lvScanFor.setColumnClick(false);
    lvScanFor.setHideSelection(false);
    lvScanFor.setColumns({{"Location to scan", 164, ui::Alignment::Left}, {"Description", 256, ui::Alignment::Left}});
    cbExclude.setCaption("&Exclude references to CDROM or network drives");
    cbExclude.setChecked(true);
    cbRescan.setCaption("&Re-scan after removal");
    cbRescan.setHint("Check this box to automatically re-scan your registry each time you remove invalid links");

    // Backup and restore.
    cbBackup.setCaption("&Backup registry files before scanning");
    cbBackup.setHint("Use this option to make a backup of your registry before performing a scan");
    cbBackup.setChecked(true);
    Image2.setCursor(ui::Cursor::Hand);
    Bevel1.setBevel(ui::Bevel::Lowered);
    lblBackup.setCaption("The backup is a full copy of the registry, kept in the \"Registry Backup\" folder beside "
                         "Sorvane. Restoring it puts back every setting as it was at the time of the backup.");
    cmdBackup.setCaption("&Perform Backup Now");
    cmdBackup.setHint("Backup registry information now");
    cmdRestore.setCaption("&Restore From Backup");
    cmdRestore.setHint("Restore last saved registry backup");

    // Buttons at the right.
    btnStart.setCaption("Scan &Registry");
    btnStart.setHint("Begin scanning your registry");
    btnStart.setDefault(true);
    cmdExit.setCaption("&Exit");
    cmdHelp.setCaption("&Help");
    aviSearch.hide();

    // Results.
    tb.setList(true);
    cmdRemove.setImageIndex(pic::Remove);
    cmdRemove.setHint("Remove the selected reference(s) from the registry ");
    cmdRemove.setDropDownMenu(&PopupMenu1);
    mnuSelected.setShortCut("Del");
    mnuAll.setShortCut("Ctrl+Del");
    mnuUndo.setShortCut("Ctrl+Z");
    PopupMenu1.attachTo(lv);
    lv.setMultiSelect(true);
    lv.setRowSelect(true);
    lv.setReadOnly(true);
    lv.setHideSelection(false);
    lv.setColumns({{"Registry Key", 202, ui::Alignment::Left},
                   {"Last Modification", 116, ui::Alignment::Left},
                   {"Key", 30, ui::Alignment::Left},
                   {"Invalid Reference Value", 204, ui::Alignment::Left}});
    StatusBar1.addPanel(200);
    StatusBar1.addPanel(50);
    setToolBarShown(false);

    // Events.
    onShow = [this] { FormShow(); };
    onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    onResize = [this] { FormResize(); };
    onKeyDown = [this](int& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
    lvScanFor.onChange = [this] { lvScanForChange(); };
    Image2.onClick = [this] { Image2Click(); };
    cmdBackup.onClick = [this] { cmdBackupClick(); };
    cmdRestore.onClick = [this] { cmdRestoreClick(); };
    btnStart.onClick = [this] { btnStartClick(); };
    cmdExit.onClick = [this] { cmdExitClick(); };
    cmdHelp.onClick = [this] { cmdHelpClick(); };
    cmdRemove.onClick = [this] { cmdRemoveClick(); };
    mnuSelected.onClick = [this] { Remove_Selected(); };
    mnuAll.onClick = [this] { Remove_All(); };
    mnuUndo.onClick = [this] { UndoLastRemoval(); };
    PopupMenu1.onPopup = [this] { lvChange(); };
    lv.onChange = [this] { lvChange(); };

    FormStorage1.addChecked(cbRescan);
    FormStorage1.addChecked(cbBackup);

    FormResize();
    FormCreate();
}

TfrmRegClean::~TfrmRegClean() = default;

void TfrmRegClean::layoutControls() {
    const int width = std::max(clientWidth(), 560);
    const int right = width - kMargin - kButtonWidth;  // the button column's left edge
    const int tabsWidth = right - 2 * kMargin;

    pcRegistry.setBounds(kMargin, kMargin, tabsWidth, kTabsHeight);
    const int pageWidth = tabsWidth - 8;
    lblScanFor.setBounds(8, 8, pageWidth - 16, 16);
    lvScanFor.setBounds(8, 26, pageWidth - 16, 88);
    // The descriptions take the room there is, so that they read whole.
    if (lvScanFor.columnCount() == 2) lvScanFor.setColumnWidth(1, std::max(256, lvScanFor.width() - 164 - 6));
    cbExclude.setBounds(8, 121, 290, 18);
    cbRescan.setBounds(306, 121, std::max(pageWidth - 314, 140), 18);

    Image2.setBounds(8, 10, 16, 16);
    cbBackup.setBounds(30, 9, pageWidth - 40, 18);
    Bevel1.setBounds(4, 36, std::max(clientWidth() - 139, 0), 2);
    lblBackup.setBounds(8, 48, pageWidth - 16, 44);
    cmdBackup.setBounds(8, 104, 150, 27);
    cmdRestore.setBounds(166, 104, 150, 27);

    btnStart.setBounds(right, 30, kButtonWidth, 27);
    cmdExit.setBounds(right, 64, kButtonWidth, 27);
    cmdHelp.setBounds(right, 98, kButtonWidth, 27);
    aviSearch.setBounds(right + (kButtonWidth - 80) / 2, 134, 80, 64);

    StatusBar1.alignToParent();
    const int toolBar = tb.height() > 0 ? kToolBarHeight : 0;
    tb.setBounds(kMargin, kResultsTop, width - 2 * kMargin, toolBar);
    const int listTop = kResultsTop + toolBar;
    lv.setBounds(kMargin, listTop, width - 2 * kMargin, std::max(StatusBar1.top() - 4 - listTop, 40));
}

void TfrmRegClean::setToolBarShown(bool shown) {
    // A tool bar of height 0 shows nothing; the list takes its place.
    tb.setHeight(shown ? kToolBarHeight : 0);
    tb.setVisible(shown);
    FormResize();
}

// --- creation and options ------------------------------------------------------------------

void TfrmRegClean::FormCreate() {
    // The hint that backups need an administrator waits for the window to be shown
    // (FormShow): a scheduled run creates the window without showing it and must
    // never stop at a dialog.
    access_ = std::make_unique<Access>();
    if (commontools()) {
        cmdHelp.setGlyph(shared(commontools()->imgHelp16));
        lvScanFor.setSmallImages(&commontools()->ilCommon16);
        lv.setSmallImages(&commontools()->ilCommon16);
        tb.setImages(&commontools()->ilCommon16);
        // The list's see-through pixels take the colour the dialog pictures are drawn on.
        const ui::ImageList& icons = commontools()->ilCommon16;
        ui::Bitmap picture = icons.image(pic::Backup);
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                if (icons.transparentAt(pic::Backup, x, y))
                    picture.pixels[static_cast<size_t>(y) * picture.width + x] = ui::rgbPixel(240, 240, 240);
        Image2.setPicture(picture);
    }
    GetOptions();
}

void TfrmRegClean::GetOptions() {
    lvScanFor.clear();
    for (const Area& area : kAreas) {
        ui::ListRow row;
        row.caption = area.caption;
        row.subItems = {area.description};
        row.imageIndex = area.image;
        // Reading the options never fails visibly: anything unreadable counts as checked.
        try {
            row.checked = ReadSettingBool(regclean::RegCleanKey, area.setting);
        } catch (const std::exception&) {
            row.checked = true;
        }
        row.selected = row.checked;
        lvScanFor.addRow(std::move(row));
    }
}

void TfrmRegClean::lvScanForChange() {
    // A row is selected exactly when it is checked, so the list reads at a glance.
    for (int i = 0; i < lvScanFor.rowCount(); ++i) lvScanFor.setSelected(i, lvScanFor.row(i).checked);
}

void TfrmRegClean::Image2Click() { cbBackup.userToggle(); }

// --- showing and closing -----------------------------------------------------------------------

void TfrmRegClean::FormShow() {
    if (!ScheduledRun && !IsAdministrator()) ShowToolHint("Registry", kAdminHint);
    setToolBarShown(false);
    cmdRemove.setEnabled(false);
    // Backup and restore belong to the 9x family, whose registry is two files that
    // the editor can put back whole.
    const bool nineX = machine().system().osFamily() != OsFamily::WinNT;
    tsBackup.setTabVisible(nineX);
    cbBackup.setChecked(nineX);
    if (!nineX && pcRegistry.activePage() != &TabSheet1) pcRegistry.setActivePage(&TabSheet1);
    ManualLogging = ManualLoggingOn(logswitch::DoReg);
    RemovedReferences = 0;
    if (manualLog()) SessionOpen(logfile::ManualRegistry, SessionStartLabel);
    lvChange();
}

void TfrmRegClean::FormCloseQuery(bool& canClose) {
    if (scanning_) {
        // The walk is still on the stack below this message: let it stop, and close
        // once it has.
        stop_ = true;
        closeAfterScan_ = true;
        canClose = false;
        return;
    }
    if (busy_) {
        canClose = false;
        return;
    }
    access_.reset();
    for (int i = 0; i < lvScanFor.rowCount() && i < 4; ++i)
        WriteSettingBool(regclean::RegCleanKey, kAreas[i].setting, lvScanFor.row(i).checked);
    // The counter grows even when the log cannot be written.
    std::exception_ptr logError;
    if (manualLog()) {
        try {
            SessionClose(logfile::ManualRegistry, CloseSessionLabel,
                         {"NUMBER OF INVALID REFERENCES REMOVED: " + std::to_string(RemovedReferences)});
        } catch (...) {
            logError = std::current_exception();
        }
    }
    AddToCounter(counter::RegRefs, RemovedReferences);
    canClose = true;
    if (logError) std::rethrow_exception(logError);
}

void TfrmRegClean::FormResize() {
    layoutControls();
    // The first column takes what the other three leave, once that is worth it
    // (less the vertical scroll bar while the rows do not fit, so that no
    // horizontal one appears).
    if (lv.columnCount() < 4) return;
    const int others = lv.column(1).width + lv.column(2).width + lv.column(3).width;
    const int room = lv.width() - others;
    const bool scrolls = lv.rowCount() > (lv.height() - kListHeaderHeight) / kListRowHeight;
    if (room > 70) lv.setColumnWidth(0, room - 4 - (scrolls ? kScrollBarWidth : 0));
}

void TfrmRegClean::FormKeyDown(int& key, ui::ShiftState) {
    if (key == ui::key::F1) {
        cmdHelpClick();
        key = 0;
    }
}

void TfrmRegClean::cmdExitClick() {
    stop_ = true;
    close();
}

void TfrmRegClean::cmdHelpClick() { ui::application().showHelpTopic(kHelpTopic); }

void OpenRegistryCleaner() {
    auto form = std::make_unique<TfrmRegClean>();
    form->showModal();
}

// --- logs ---------------------------------------------------------------------------------------

void TfrmRegClean::Log(const std::string& line) {
    LogManual(line);
    LogScheduled(line);
}

void TfrmRegClean::LogManual(const std::string& line) {
    if (manualLog()) AppendToolLog(logfile::ManualRegistry, line);
}

void TfrmRegClean::LogScheduled(const std::string& line) {
    if (scheduledLog()) AppendToolLog(logfile::ScheduledRegistry, line);
}

}  // namespace sv
