// The simulated registry, shell, system and dialogs: the set-up and inspection
// helpers tests rely on, and rules only the simulation can show (denied keys,
// the recycle bin, files in use during a shell operation).
#include <gtest/gtest.h>

#include "platform/sim/sim_machine.h"

namespace sv::sim {
namespace {

class SimServicesTest : public ::testing::Test {
protected:
    SimMachine m;
};

TEST_F(SimServicesTest, ADeniedKeyExistsButCannotBeOpenedCreatedUnderOrDeleted) {
    m.reg().set(RegRoot::LocalMachine, "Software\\Locked\\Inner", "v", RegValue::dword(1));
    ASSERT_TRUE(m.reg().setDenied(RegRoot::LocalMachine, "software\\locked", true));
    EXPECT_EQ(m.reg().openKey(RegRoot::LocalMachine, "Software\\Locked", false), nullptr);
    EXPECT_EQ(m.reg().openKey(RegRoot::LocalMachine, "Software\\Locked", true), nullptr);
    EXPECT_EQ(m.reg().openKey(RegRoot::LocalMachine, "Software\\Locked\\New", true), nullptr);
    EXPECT_TRUE(m.reg().keyExists(RegRoot::LocalMachine, "Software\\Locked"));
    EXPECT_NE(m.reg().openKey(RegRoot::LocalMachine, "Software\\Locked\\Inner", false), nullptr)
        << "only the denied key itself is refused";
    EXPECT_FALSE(m.reg().deleteKeyTree(RegRoot::LocalMachine, "Software"));
    EXPECT_EQ(m.reg().get(RegRoot::LocalMachine, "Software\\Locked\\Inner", "v"), RegValue::dword(1));
    EXPECT_FALSE(m.reg().setDenied(RegRoot::LocalMachine, "Software\\Missing", true));
    m.reg().setDenied(RegRoot::LocalMachine, "Software\\Locked", false);
    EXPECT_TRUE(m.reg().deleteKeyTree(RegRoot::LocalMachine, "Software\\Locked"));
    EXPECT_FALSE(m.reg().deleteKeyTree(RegRoot::LocalMachine, "")) << "a hive never goes";
}

TEST_F(SimServicesTest, KeyTimesFollowTheSimClock) {
    auto k = m.reg().openKey(RegRoot::CurrentUser, "Software\\T", true);
    const FileTime t0 = m.sys().nowUtc();
    EXPECT_EQ(k->lastWriteTime(), t0);
    m.sys().advanceSeconds(90);
    k->writeValue("v", RegValue::text("x"));
    EXPECT_EQ(k->lastWriteTime()->ticks, t0.ticks + 900'000'000ULL);
    EXPECT_EQ(m.reg().openKey(RegRoot::Users, ".DEFAULT", false) != nullptr, true);
}

TEST_F(SimServicesTest, ShellDeleteRecyclesOnFixedDrivesAndLeavesWhatIsInUse) {
    auto& fs = m.fs();
    fs.addFile("C:\\cache\\a.tmp", "aaa");
    fs.addFile("C:\\cache\\sub\\busy.tmp", "b");
    fs.addFile("C:\\cache\\sub\\free.tmp", "ff");
    fs.lock("C:\\cache\\sub\\busy.tmp");
    FileOperation op;
    op.func = FileOpFunc::Delete;
    op.sources = {"C:\\cache\\*.*"};
    op.flags = fof::AllowUndo | fof::Silent | fof::NoConfirmation;
    EXPECT_EQ(m.sh().fileOperation(op).code, 32);
    EXPECT_EQ(fs.listTree("C:\\cache"), (std::vector<std::string>{"C:\\cache\\sub", "C:\\cache\\sub\\busy.tmp"}));
    ASSERT_EQ(m.sh().recycleBin().size(), 2u);
    EXPECT_EQ(m.sh().recycleBin()[0].originalPath, "C:\\cache\\a.tmp");
    EXPECT_EQ(m.sh().recycleBin()[0].size, 3u);
    EXPECT_EQ(m.sh().recycleBin()[1].originalPath, "C:\\cache\\sub\\free.tmp");
    const auto& rec = m.sh().operations().back();
    EXPECT_EQ(rec.flags, op.flags);
    EXPECT_EQ(rec.failed, (std::vector<std::string>{"C:\\cache\\sub\\busy.tmp", "C:\\cache\\sub"}));

    // Removable drives have no recycle bin: the file is simply gone.
    fs.addDrive('A', DriveType::Removable);
    fs.addFile("A:\\x.txt");
    op.sources = {"A:\\x.txt"};
    EXPECT_EQ(m.sh().fileOperation(op).code, 0);
    EXPECT_FALSE(fs.exists("A:\\x.txt"));
    EXPECT_EQ(m.sh().recycleBin().size(), 2u);
    op.sources = {"C:\\nothing.txt"};
    EXPECT_EQ(m.sh().fileOperation(op).code, 2);
}

TEST_F(SimServicesTest, ShellMoveAndCopyNameCollisionsAndWholeFolders) {
    auto& fs = m.fs();
    fs.addFile("C:\\src\\dir\\in.txt", "i");
    fs.addFile("C:\\src\\readme", "r");
    fs.addFolder("C:\\dst\\dir");
    fs.addFile("C:\\dst\\readme");
    FileOperation op;
    op.func = FileOpFunc::Copy;
    op.sources = {"C:\\src\\*"};
    op.destination = "C:\\dst";
    op.flags = fof::RenameOnCollision;
    EXPECT_EQ(m.sh().fileOperation(op).code, 0);
    EXPECT_EQ(fs.contents("C:\\dst\\dir (2)\\in.txt"), "i");
    EXPECT_EQ(fs.contents("C:\\dst\\readme (2)"), "r");
    EXPECT_TRUE(fs.fileExists("C:\\src\\readme"));

    op.func = FileOpFunc::Move;
    op.sources = {"C:\\src\\dir"};
    op.destination = "D:\\nowhere";
    EXPECT_NE(m.sh().fileOperation(op).code, 0);
    op.destination = "C:\\new\\place";  // the shell makes the target folder
    EXPECT_EQ(m.sh().fileOperation(op).code, 0);
    EXPECT_EQ(fs.contents("C:\\new\\place\\dir\\in.txt"), "i");
    EXPECT_EQ(m.sh().operations().back().done,
              (std::vector<std::pair<std::string, std::string>>{{"C:\\src\\dir", "C:\\new\\place\\dir"}}));

    EXPECT_EQ(SimShell::collisionName("a.b.txt", false, 2), "a.b (2).txt");
    EXPECT_EQ(SimShell::collisionName("v1.0", true, 3), "v1.0 (3)");
    EXPECT_EQ(SimShell::collisionName(".profile", false, 2), ".profile (2)");
}

TEST_F(SimServicesTest, ExecuteIsLoggedAndRefusesMissingFiles) {
    EXPECT_TRUE(m.sh().execute("open", "C:\\Windows", "", "", ShowCmd::Normal));
    EXPECT_FALSE(m.sh().execute("open", "C:\\missing.exe", "/x", "C:\\", ShowCmd::Hide));
    EXPECT_TRUE(m.sh().execute("", "https://example.invalid/", "", "", ShowCmd::Maximized));
    m.sh().setExecuteAccepts(false);
    EXPECT_FALSE(m.sh().execute("open", "notepad.exe", "", "", ShowCmd::Normal));
    ASSERT_EQ(m.sh().executed().size(), 4u);
    EXPECT_EQ(m.sh().executed()[1].parameters, "/x");
    EXPECT_EQ(m.sh().executed()[1].show, ShowCmd::Hide);
    EXPECT_FALSE(m.sh().executed()[1].accepted);
}

TEST_F(SimServicesTest, SystemDefaultsAndSetters) {
    auto& sys = m.sys();
    EXPECT_EQ(sys.osFamily(), OsFamily::WinNT);
    EXPECT_EQ(sys.tokenHasAdministrators(), true);
    EXPECT_EQ(fileTimeToSystemTime(sys.nowUtc()), (SystemTime{2026, 3, 14, 9, 5, 0, 0}));
    EXPECT_EQ(sys.utcToLocal(sys.nowUtc()), sys.nowUtc());
    EXPECT_EQ(sys.screenWidth(), 1024);
    EXPECT_EQ(sys.localeFormats().thousandSeparator, ',');
    EXPECT_EQ(sys.environmentVariable("windir"), "C:\\Windows");
    EXPECT_EQ(sys.environmentVariable("NoSuchThing"), std::nullopt);

    sys.setUtcOffsetMinutes(-300);
    EXPECT_EQ(fileTimeToSystemTime(sys.utcToLocal(sys.nowUtc())).hour, 4);
    EXPECT_EQ(sys.localToUtc(sys.utcToLocal(sys.nowUtc())), sys.nowUtc());
    sys.setTickCount(0xFFFFFFF0u);
    sys.advanceMs(0x20);
    EXPECT_EQ(sys.tickCount(), 0x10u) << "the tick count wraps like GetTickCount";
    sys.setAdministrator(std::nullopt);
    EXPECT_EQ(sys.tokenHasAdministrators(), std::nullopt);
    sys.setEnv("Mixed", "1");
    sys.setEnv("MIXED", "2");
    EXPECT_EQ(m.fs().expandEnvironment("%mixed%%"), "2%");
    sys.setEnv("mixed", std::nullopt);
    EXPECT_EQ(m.fs().expandEnvironment("%A%WINDIR%"), "%A%WINDIR%") << "the scan goes on after an unknown name";
    EXPECT_EQ(m.fs().expandEnvironment("%A%%WINDIR%"), "%A%C:\\Windows");
}

TEST_F(SimServicesTest, DialogsAnswerFromTheScriptAndReportEveryDeparture) {
    auto& dlg = m.dlg();
    dlg.expectMessage("Delete 3 files?", MsgAnswer::No);
    dlg.expectMessageContaining("could not", MsgAnswer::Ok);
    dlg.expectMessage("never shown", MsgAnswer::Yes);
    auto box = [&](const std::string& text, MsgButtons b) {
        return dlg.messageBox(MessageRequest{"Sorvane", text, b, MsgIcon::Question, false});
    };
    EXPECT_EQ(box("Delete 3 files?", MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(box("Surprise!", MsgButtons::YesNoCancel), MsgAnswer::Yes) << "unexpected: the first button";
    EXPECT_EQ(box("The file could not be read.", MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_TRUE(dlg.problems().size() == 1 && dlg.problems()[0].find("Surprise!") != std::string::npos);
    EXPECT_EQ(dlg.unusedExpectations().size(), 1u);
    EXPECT_NE(dlg.report().find("never shown"), std::string::npos);
    ASSERT_EQ(dlg.shown().size(), 3u);
    EXPECT_EQ(dlg.shown()[0].request.icon, MsgIcon::Question);
    EXPECT_EQ(dlg.shown()[0].answer, MsgAnswer::No);

    // An answer the box has no button for is a problem, not a silent success.
    dlg.reset();
    dlg.expectMessage("Done.", MsgAnswer::Yes);
    EXPECT_EQ(box("Done.", MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_EQ(dlg.problems().size(), 1u);
    EXPECT_TRUE(dlg.unusedExpectations().empty());
}

}  // namespace
}  // namespace sv::sim
