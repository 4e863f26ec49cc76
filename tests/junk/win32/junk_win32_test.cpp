// The junk cleaner in its real window on a real drive. tests/e2e/junk_drive.sh
// maps a drive letter to a folder of junk (Wine cannot map one itself) and runs
// this case with SV_JUNK_DRIVE naming the letter.
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/regaccess.h"
#include "common/toollog.h"
#include "junk/junk_form.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "platform/win32/win32_machine.h"
#include "shell/commontools.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

std::string logText(IFileSystem& fs, const std::string& path) {
    auto in = fs.openRead(path);
    if (!in) return {};
    std::string text(static_cast<size_t>(in->size()), '\0');
    text.resize(in->read(text.data(), text.size()));
    return text;
}

TEST(JunkWin32, ADefaultScanOfARealDriveListsTheJunkAndRemoveRecyclesIt) {
    const char* letter = std::getenv("SV_JUNK_DRIVE");
    if (!letter || !*letter) GTEST_SKIP() << "needs the drive tests/e2e/junk_drive.sh maps";
    const std::string root = std::string(1, letter[0]) + ":\\";
    win32::Win32Machine real;
    MachineGuard guard{real};
    Tcommontools holder;
    setCommontools(&holder);
    std::unique_ptr<UiDriver> ui = makeWin32Driver();
    ui::application().reset();

    IRegistry& reg = real.registry();
    reg.deleteKeyTree(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Junk");
    const std::string log = executableFolder(real.system()) + logfile::ManualJunk;
    real.files().deleteFile(log);
    const int64_t filesBefore = ReadCounter(counter::JunkFiles);
    const int64_t bytesBefore = ReadCounter(counter::JunkBytes);
    {
        auto f = std::make_unique<TfrmJunk>();
        f->show();
        ui->processMessages();
        // Only the mapped drive: the prefix's C: is not this test's to clean.
        for (int i = 0; i < f->DiskListView1.rowCount(); ++i) {
            const bool mine = TDiskListView::driveLetterOf(f->DiskListView1.row(i).caption) == root[0];
            if (f->DiskListView1.row(i).checked != mine) ui->checkRow(f->DiskListView1, i, mine);
        }
        ASSERT_EQ(f->DiskListView1.driveSet(), std::string(1, root[0]));
        ui->click(f->cmdGo);
        ui->processMessages();
        ASSERT_EQ(f->cmdGo.caption(), "&Scan");

        std::vector<std::string> rows;
        for (const auto& r : f->lv.rows()) rows.push_back(r.caption);
        const std::string lower(1, static_cast<char>(std::tolower(root[0])));
        EXPECT_EQ(rows, (std::vector<std::string>{lower + ":\\a.tmp", lower + ":\\work\\b.bak", lower + ":\\work\\~x.doc"}));
        ASSERT_EQ(f->lv.rowCount(), 3);
        EXPECT_EQ(f->lv.row(0).text(TFileListView::Size), "1234");

        // Remove the first two without the question (a real message box would wait for a user).
        f->cbConfirm.setChecked(false);
        ui->selectRow(f->lv, 0);
        ui->selectRow(f->lv, 1, true);
        ui->clickToolButton(f->tb, 0);
        ui->processMessages();
        EXPECT_FALSE(real.files().exists(root + "a.tmp"));
        EXPECT_FALSE(real.files().exists(root + "work\\b.bak"));
        EXPECT_TRUE(real.files().exists(root + "work\\~x.doc"));
        EXPECT_TRUE(real.files().exists(root + "work\\keep.doc"));
        EXPECT_EQ(f->lv.rowCount(), 1);
        EXPECT_EQ(f->sb.panelText(1), "Total space recovered: 6,234 bytes (0.01 megabytes) in 2 files.");
        f->close();
        ui->processMessages();
    }
    setCommontools(nullptr);

    const std::string text = logText(real.files(), log);
    for (const char* line : {"  Start Scan...\r\n", "  Scan End.\r\n", "  6,237 bytes (0.01 megabytes) found in 3 files.\r\n",
                             "TOTAL SPACE RECOVERED: 6,234 bytes (0.01 megabytes.)\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_NE(text.find("  Moving to recycle bin: " + std::string(1, static_cast<char>(std::tolower(root[0]))) + ":\\a.tmp\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(ReadCounter(counter::JunkFiles), filesBefore + 2);
    EXPECT_EQ(ReadCounter(counter::JunkBytes), bytesBefore + 6234);
    IniRegistry ini(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Junk");
    EXPECT_EQ(ini.readString("", "Drives", ""), std::string(1, root[0]));
    EXPECT_EQ(ini.readString("", "ScanFor", "").substr(0, 14), "*.~*,1,~*.*,1,");
    EXPECT_EQ(ini.readString("pos", "cbConfirm_Checked", ""), "0");
    reg.deleteKeyTree(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Junk");
    real.files().deleteFile(log);
}

}  // namespace
}  // namespace sv::test
