// The registry cleaner against the real registry and the real registry editor
// (under Wine in the test run): values planted below HKEY_CURRENT_USER, a scan of
// that whole hive, removal of exactly the dead ones, their undo file imported by
// our undo and by the editor itself, and a real backup and restore. Prompts are
// answered from the test's script; everything planted is removed afterwards.
#include <windows.h>

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/settings.h"
#include "common/toollog.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/ui/application.h"
#include "platform/win32/win32_machine.h"
#include "regclean/regclean_form.h"
#include "regclean/regfile.h"
#include "regclean/undo.h"

namespace sv::test {
namespace {

// The real system with scripted prompts.
class RealMachine : public Machine {
public:
    IRegistry& registry() override { return real.registry(); }
    IFileSystem& files() override { return real.files(); }
    IShell& shell() override { return real.shell(); }
    ISystem& system() override { return real.system(); }
    IDialogs& dialogs() override { return dlg; }

    win32::Win32Machine real;
    sim::SimDialogs dlg;
};

// Puts a setting of HKEY_CURRENT_USER back as it was (or removes it) at the end.
class KeepValue {
public:
    KeepValue(IRegistry& reg, std::string path, std::string name)
        : reg_(reg), path_(std::move(path)), name_(std::move(name)) {
        if (auto key = reg_.openKey(RegRoot::CurrentUser, path_, false, false)) old_ = key->readValue(name_);
    }
    ~KeepValue() {
        auto key = reg_.openKey(RegRoot::CurrentUser, path_, true);
        if (!key) return;
        if (old_) key->writeValue(name_, *old_);
        else key->deleteValue(name_);
    }

private:
    IRegistry& reg_;
    std::string path_, name_;
    std::optional<RegValue> old_;
};

class RegCleanWin32Test : public ::testing::Test {
protected:
    RegCleanWin32Test() {
        ui::application().reset();
        key = "Software\\SorvaneTest\\RegClean-" + std::to_string(GetCurrentProcessId());
        keep.push_back(std::make_unique<KeepValue>(reg(), StatisticsKey, logswitch::DoReg));
        keep.push_back(std::make_unique<KeepValue>(reg(), StatisticsKey, counter::RegRefs));
        for (const char* area : {"CU", "US", "LM", "SD"})
            keep.push_back(std::make_unique<KeepValue>(reg(), regclean::RegCleanKey, area));
        // The manual log would land beside the test program.
        WriteSettingBool(StatisticsKey, logswitch::DoReg, false);
    }
    ~RegCleanWin32Test() override {
        form.reset();
        reg().deleteKeyTree(RegRoot::CurrentUser, key);
        // The parent goes only when no other test process keeps a key in it.
        if (auto parent = reg().openKey(RegRoot::CurrentUser, "Software\\SorvaneTest", false, false);
            parent && parent->subKeyNames().empty() && parent->valueNames().empty()) {
            parent.reset();
            reg().deleteKeyTree(RegRoot::CurrentUser, "Software\\SorvaneTest");
        }
        for (const std::string& f : made) m.files().deleteFile(f);
        // The "Registry Backup" folder stays: another test process may be about to
        // write into it (removing it, even empty, made a parallel backup fail).
        keep.clear();
        for (const auto& p : m.dlg.problems()) ADD_FAILURE() << "dialog: " << p;
        for (const auto& u : m.dlg.unusedExpectations()) ADD_FAILURE() << "expected dialog never came: " << u;
    }

    IRegistry& reg() { return m.registry(); }
    void plant(const std::string& name, const RegValue& value, const std::string& sub = "") {
        auto k = reg().openKey(RegRoot::CurrentUser, key + sub, true);
        ASSERT_TRUE(k && k->writeValue(name, value)) << name;
    }
    std::optional<RegValue> planted(const std::string& name) {
        auto k = reg().openKey(RegRoot::CurrentUser, key, false, false);
        return k ? k->readValue(name) : std::nullopt;
    }

    RealMachine m;
    MachineGuard guard{m};
    std::string key;
    std::vector<std::unique_ptr<KeepValue>> keep;
    std::vector<std::string> made;  // files the test leaves behind otherwise
    std::unique_ptr<TfrmRegClean> form;
};

TEST_F(RegCleanWin32Test, ScanOfTheRealHiveFindsExactlyTheDeadValuesAndTheUndoFileBringsThemBack) {
    const std::string windows = m.files().windowsFolder();
    const std::string gone = windows.substr(0, 3) + "sv-regclean-gone-" + std::to_string(GetCurrentProcessId());
    ASSERT_FALSE(m.files().exists(gone));
    const std::string sharedDll = gone + "\\shared.dll";
    const std::string self = m.system().executablePath();

    // Dead: a missing file, a missing folder, a dead name with good data, a dead
    // expandable string. Alive or never judged: the rest.
    plant("MissingFile", RegValue::text(windows + "\\sv-no-such-file.ini"));
    plant("MissingFolder", RegValue::text(gone));
    plant(gone + "\\named.dll", RegValue::text(windows));
    plant("ExpandGone", RegValue::text(gone + "\\x.dll", RegType::ExpandSz));
    plant("Blank", RegValue::text(windows + "\\sv gone.exe"));
    plant("Floppy", RegValue::text("A:\\setup.exe"));
    plant("Env", RegValue::text("%SystemRoot%\\sv-gone.dll", RegType::ExpandSz));
    plant("Valid", RegValue::text(self));
    plant("Bytes", RegValue::binary(gone + "\\not-text.bin"));
    plant("", RegValue::text(gone + "\\default.txt"), "\\Deeper");
    {
        auto shared = reg().openKey(RegRoot::LocalMachine, regclean::SharedDllsKey, true);
        ASSERT_TRUE(shared && shared->writeValue(sharedDll, RegValue::dword(1)));
    }
    struct DropShared {
        IRegistry& reg;
        std::string name;
        ~DropShared() {
            if (auto k = reg.openKey(RegRoot::LocalMachine, regclean::SharedDllsKey, false)) k->deleteValue(name);
        }
    } dropShared{reg(), sharedDll};

    form = std::make_unique<TfrmRegClean>();
    form->show();
    form->lvScanFor.userCheckRow(1, false);
    form->lvScanFor.userCheckRow(2, false);
    form->btnStart.click();
    ASSERT_EQ(form->StatusBar1.panelText(0), "Scan successfully completed.");

    // Of everything the hive holds, these are ours.
    const std::string caption = "HKEY_CURRENT_USER: \\" + key;
    std::vector<std::string> ours;
    for (int i = 0; i < form->lv.rowCount(); ++i) {
        const ui::ListRow& r = form->lv.row(i);
        const bool mine = r.caption == caption || r.caption == caption + "\\Deeper" || r.text(2) == sharedDll;
        form->lv.setSelected(i, mine);
        if (mine) ours.push_back(r.text(2) + " = " + r.text(3));
    }
    // Wine enumerates values by name, Windows in the order written: any order will do.
    EXPECT_THAT(ours, ::testing::UnorderedElementsAre("MissingFile = " + windows + "\\sv-no-such-file.ini",
                                             "MissingFolder = " + gone, gone + "\\named.dll = " + windows,
                                             "ExpandGone = " + gone + "\\x.dll", " = " + gone + "\\default.txt",
                                             sharedDll + " = " + sharedDll));

    m.dlg.expectMessage("Are you sure you want to remove 6 selected entries from the Registry?", MsgAnswer::Yes);
    form->Remove_Selected();
    for (const char* name : {"MissingFile", "MissingFolder", "ExpandGone"}) EXPECT_FALSE(planted(name)) << name;
    EXPECT_FALSE(planted(gone + "\\named.dll"));
    EXPECT_EQ(planted("Blank"), RegValue::text(windows + "\\sv gone.exe"));
    EXPECT_EQ(planted("Floppy"), RegValue::text("A:\\setup.exe"));
    EXPECT_EQ(planted("Env"), RegValue::text("%SystemRoot%\\sv-gone.dll", RegType::ExpandSz));
    EXPECT_EQ(planted("Valid"), RegValue::text(self));
    EXPECT_EQ(planted("Bytes"), RegValue::binary(gone + "\\not-text.bin"));
    EXPECT_FALSE(reg().openKey(RegRoot::LocalMachine, regclean::SharedDllsKey, false, false)->hasValue(sharedDll));
    EXPECT_TRUE(reg().keyExists(RegRoot::CurrentUser, key + "\\Deeper")) << "keys are never deleted";

    const std::string status = form->StatusBar1.panelText(TfrmRegClean::kUndoPanel);
    ASSERT_EQ(status.rfind("Undo file: Registry Backup\\Undo_", 0), 0u) << status;
    const std::string undoFile = executableFolder(m.system()) + status.substr(11);
    made.push_back(undoFile);
    const auto bytes = readWholeFile(m.files(), undoFile);
    ASSERT_TRUE(bytes);
    const std::vector<regclean::RegFileValue> saved = regclean::ReadRegFile(*bytes);
    ASSERT_EQ(saved.size(), 6u);

    // The registry editor takes the undo file as it is.
    const ProcessOutcome imported = m.system().runAndWait("regedit.exe", "/s \"" + undoFile + "\"", 120000, {});
    ASSERT_TRUE(imported.succeeded()) << imported.error << " / " << imported.exitCode;
    for (const regclean::RegFileValue& v : saved) {
        auto k = reg().openKey(v.root, v.keyPath, false, false);
        ASSERT_TRUE(k) << v.keyPath;
        EXPECT_EQ(k->readValue(v.name), v.value) << v.name;
        reg().openKey(v.root, v.keyPath, false)->deleteValue(v.name);
    }

    // And so does our own undo, to the same types and data.
    m.dlg.expectMessageContaining("Put back the 6 registry value(s)", MsgAnswer::Yes);
    form->UndoLastRemoval();
    for (const regclean::RegFileValue& v : saved)
        EXPECT_EQ(reg().openKey(v.root, v.keyPath, false, false)->readValue(v.name), v.value) << v.name;
    EXPECT_EQ(planted("ExpandGone"), RegValue::text(gone + "\\x.dll", RegType::ExpandSz));
    const std::string undone = undoFile.substr(0, undoFile.rfind('\\') + 1) + "Undone_" +
                               undoFile.substr(undoFile.rfind('\\') + 1 + std::string("Undo_").size());
    made.push_back(undone);
    EXPECT_TRUE(m.files().fileExists(undone));
    form->close();
}

// The section of a registration file's text for the key whose path ends in
// `keyEnd`, with the file's header. (A whole export names the current user's keys
// below HKEY_USERS under Wine, below HKEY_CURRENT_USER too on Windows.)
std::string sectionOf(const std::string& text, const std::string& keyEnd) {
    const auto at = text.find(keyEnd);
    if (at == std::string::npos) return {};
    const auto start = text.rfind('[', at);
    const auto end = text.find("\r\n\r\n", start);
    return "Windows Registry Editor Version 5.00\r\n\r\n" + text.substr(start, end - start) + "\r\n\r\n";
}

TEST_F(RegCleanWin32Test, BackupAndRestoreRunTheRealRegistryEditor) {
    IFileSystem& fs = m.files();
    const std::string file = regclean::BackupFilePath();
    const std::string aside = file + ".kept-by-test";
    const bool hadBackup = fs.fileExists(file);
    if (hadBackup) {
        ASSERT_TRUE(fs.moveFile(file, aside));
    }
    struct PutBack {
        IFileSystem& fs;
        std::string file, aside;
        bool had;
        ~PutBack() {
            fs.deleteFile(file);
            if (had) fs.moveFile(aside, file);
        }
    } putBack{fs, file, aside, hadBackup};
    plant("Marker", RegValue::text("before"));

    form = std::make_unique<TfrmRegClean>();
    m.dlg.expectMessage("Registry files successfully backed up to:\r\r" + file, MsgAnswer::Ok);
    EXPECT_TRUE(form->BackupRegistry(false));
    EXPECT_EQ(form->StatusBar1.panelText(0), "Registry backup procedure complete...");
    EXPECT_EQ(ui::application().screenCursor(), ui::CursorShape::Default);

    // A real export of the whole registry, in the editor's own format.
    const auto bytes = readWholeFile(fs, file);
    ASSERT_TRUE(bytes);
    EXPECT_GT(bytes->size(), 100'000u);
    const std::string text = regclean::Utf16LeToUtf8(bytes->substr(2));
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software"), std::string::npos);
    const std::string section = sectionOf(text, "\\" + key + "]\r\n");
    ASSERT_NE(section.find("\"Marker\"=\"before\""), std::string::npos) << section;

    // Restore hands the backup file to the editor. It holds only our key here: a
    // whole-registry import would race the other tests that share this registry.
    ASSERT_TRUE(writeWholeFile(fs, file, "\xFF\xFE" + regclean::Utf8ToUtf16Le(section)));
    plant("Marker", RegValue::text("after"));
    EXPECT_TRUE(form->RestoreRegistry());
    EXPECT_EQ(form->StatusBar1.panelText(0), "Restore procedure complete");
    EXPECT_EQ(planted("Marker"), RegValue::text("before"));
}

}  // namespace
}  // namespace sv::test
