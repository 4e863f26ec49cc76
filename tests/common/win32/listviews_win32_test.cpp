// The drive and file lists on the real machine: the shell's own names, icons and
// type names, and version texts read from a real version resource (Sorvane.exe,
// built beside the tests; Wine's own programs carry none).
//
// With SV_LISTVIEWS_HOLD naming a file, the file list window stays on screen
// until that file exists, so that a script can take a screenshot of it.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include "common/formats.h"
#include "common/listviews.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/win32/win32_machine.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

class ListViewsWin32 : public ::testing::Test {
protected:
    void TearDown() override { ResetProcessDateTimeFormats(); }
    win32::Win32Machine real;
    MachineGuard guard{real};
};

TEST_F(ListViewsWin32, DriveListShowsTheShellsDrivesButNeverChoosesTheHost) {
    ui::Form form("frmDrives");
    TDiskListView lv(&form, "DiskListView1");
    lv.refreshDrives();
    ASSERT_GT(lv.rowCount(), 0);
    bool sawC = false;
    for (int i = 0; i < lv.rowCount(); ++i) {
        const auto& r = lv.row(i);
        const char letter = TDiskListView::driveLetterOf(r.caption);
        ASSERT_NE(letter, 0) << r.caption;
        const std::string root = std::string(1, letter) + ":\\";
        sawC = sawC || letter == 'C';
        ASSERT_GE(r.imageIndex, 0) << r.caption;
        EXPECT_EQ(lv.images().image(r.imageIndex).width, 16);
        const bool wanted = real.files().driveType(root) == DriveType::Fixed && !real.files().mapsWholeHostFileSystem(root);
        EXPECT_EQ(r.selected, wanted) << r.caption;
    }
    EXPECT_TRUE(sawC);
    EXPECT_NE(lv.driveSet().find('C'), std::string::npos);
}

TEST_F(ListViewsWin32, FileListShowsRealTypeNamesAndVersions) {
    const std::string folder = executableFolder(real.system());
    const std::string program = folder + "Sorvane.exe";
    if (!real.files().fileExists(program)) GTEST_SKIP() << "build Sorvane.exe beside the tests";
    const std::string text = real.files().tempPath() + "sorvane listviews note.txt";
    ASSERT_TRUE(writeWholeFile(real.files(), text, "a note"));

    std::unique_ptr<UiDriver> ui = makeWin32Driver();
    ui::application().reset();
    auto form = std::make_unique<ui::Form>("frmFiles");
    form->setCaption("Files");
    form->setClientSize(760, 160);
    auto lv = std::make_unique<TFileListView>(form.get(), "lvFiles");
    lv->setBounds(0, 0, 760, 160);
    lv->setColumnWidth(0, 330);
    for (const std::string& path : {program, real.system().executablePath(), text}) {
        uint64_t size = 0;
        ASSERT_TRUE(lv->addFileRow(path, size)) << path;
        EXPECT_EQ(size, real.files().fileSize(path).value_or(0)) << path;
    }
    form->show();
    ui->processMessages();

    const auto& exe = lv->row(0);
    EXPECT_EQ(exe.caption.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    EXPECT_FALSE(exe.text(TFileListView::Type).empty());
    EXPECT_TRUE(std::regex_match(exe.text(TFileListView::Modified), std::regex(R"(\d{4}/\d\d/\d\d( \d\d:\d\d)?)")))
        << exe.text(TFileListView::Modified);
    EXPECT_TRUE(std::regex_match(exe.text(TFileListView::FileVersion), std::regex(R"(\d+\.\d+\.\d+\.0)")))
        << exe.text(TFileListView::FileVersion);
    EXPECT_EQ(exe.text(TFileListView::ProductVersion), exe.text(TFileListView::FileVersion));
    const auto& note = lv->row(2);
    EXPECT_FALSE(note.text(TFileListView::Type).empty());
    EXPECT_EQ(note.text(TFileListView::FileVersion), "");
    EXPECT_EQ(note.text(TFileListView::ProductVersion), "");
    EXPECT_EQ(note.text(TFileListView::Attributes).back(), 'A');
    std::string shownRow = shownListRow(*ui, *lv, 0);
    EXPECT_NE(shownRow.find(exe.text(TFileListView::FileVersion)), std::string::npos) << shownRow;
    for (int i = 0; i < lv->rowCount(); ++i) std::printf("shown: %s\n", shownListRow(*ui, *lv, i).c_str());

    if (const char* hold = std::getenv("SV_LISTVIEWS_HOLD")) {
        for (int i = 0; i < 600 && !real.files().exists(hold); ++i) {
            ui->processMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    lv.reset();
    form.reset();
    ui.reset();
    real.files().deleteFile(text);
}

}  // namespace
}  // namespace sv::test
