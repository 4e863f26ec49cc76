#include "shell/program.h"

#include "common/regaccess.h"
#include "common/filefunc.h"
#include "shell/commontools.h"
#include "support/recording_ui.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

TEST(ProgramModeTest, OnlyTheFirstArgumentCountsInUpperCaseAndExactly) {
    using M = ProgramMode;
    struct Case {
        std::vector<std::string> args;
        M mode;
    } cases[] = {
        {{}, M::Navigator},
        {{"/COMPLETECACHE"}, M::CompleteCache},
        {{"/CompleteCache"}, M::CompleteCache},
        {{"/completecache", "/CleanJunk"}, M::CompleteCache},
        {{"/CleanJunk"}, M::CleanJunk},
        {{"/CleanHistory"}, M::CleanHistory},
        {{"/RegistryClean"}, M::RegistryClean},
        {{"/setschedule"}, M::SetSchedule},
        {{"/nonsense"}, M::Unknown},
        {{"extra", "/CleanJunk"}, M::Unknown},
        {{"/CleanJunk "}, M::Unknown},
        {{"CleanJunk"}, M::Unknown},
        {{""}, M::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(ModeFromArgs(c.args), c.mode) << ::testing::PrintToString(c.args);
}

class CompleteCacheTest : public SimTest {
protected:
    void SetUp() override {
        m.sys().setScreen(1280, 1024);
        for (const char* folder : {"C:\\cookies", "C:\\cache", "C:\\history"}) {
            m.fs().addFolder(folder);
            m.fs().addFile(std::string(folder) + "\\index.dat", "idx");
            m.fs().addFolder(std::string(folder) + "\\sub");
            m.fs().addFile(std::string(folder) + "\\sub\\item.txt", "x");
        }
    }
    RegAccess privacy() { return RegAccess(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Privacy", true); }
    std::vector<std::string> statusTexts() const {
        std::vector<std::string> out;
        for (const auto& p : ui.paints)
            if (out.empty() || out.back() != p.captions.at("lblSchedType")) out.push_back(p.captions.at("lblSchedType"));
        return out;
    }

    RecordingUi ui;
};

TEST_F(CompleteCacheTest, EmptiesTheRecordedFoldersInOrderAndForgetsThem) {
    privacy().writeString("History", "C:\\history");
    privacy().writeString("Cookies", "C:\\cookies");
    privacy().writeString("Other", "kept");

    RunProgram({"/CompleteCache"});

    EXPECT_TRUE(IsFolderEmpty("C:\\cookies\\"));
    EXPECT_TRUE(IsFolderEmpty("C:\\history\\"));
    EXPECT_TRUE(m.fs().folderExists("C:\\cookies") && m.fs().folderExists("C:\\history"));
    EXPECT_FALSE(IsFolderEmpty("C:\\cache\\"));
    EXPECT_TRUE(m.sh().recycleBin().empty()) << "the deferred clean-up removes for good";
    EXPECT_EQ(privacy().valueNames(), std::vector<std::string>{"Other"});

    // The progress window was shown where it belongs, with the status of each step.
    ASSERT_FALSE(ui.paints.empty());
    const Painted& first = ui.paints.front();
    EXPECT_EQ(first.form, "frmProgress");
    EXPECT_EQ(first.left, 1280 - 258);
    EXPECT_EQ(first.top, 1024 - 82);
    EXPECT_EQ(first.width, 258);
    EXPECT_EQ(first.captions.at("lblCaption"), "Completing Cache Removal");
    EXPECT_FALSE(first.visible.at("lblCancel"));
    EXPECT_EQ(statusTexts(), (std::vector<std::string>{"", "Cleaning up cookies...", "Cleaning up history..."}));

    // Everything is released and the program told to end.
    EXPECT_EQ(ui.liveForms(), 0u);
    EXPECT_EQ(commontools(), nullptr);
    EXPECT_TRUE(ui::application().terminated());
}

TEST_F(CompleteCacheTest, AMissingKeyIsCreatedEmptyAndAGoneFolderStillLosesItsValue) {
    RunProgram({"/completecache"});
    EXPECT_TRUE(m.reg().keyExists(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\privacy"));
    EXPECT_EQ(ui.created, std::vector<std::string>{"frmProgress"});
    EXPECT_TRUE(ui::application().terminated());

    ui::application().reset();
    privacy().writeString("Cache", "C:\\gone");
    RunProgram({"/COMPLETECACHE"});
    EXPECT_TRUE(privacy().valueNames().empty());
    EXPECT_FALSE(IsFolderEmpty("C:\\cache\\"));
}

TEST_F(CompleteCacheTest, AFailingStepStillReleasesEverythingAndEnds) {
    privacy().writeString("Cookies", "C:\\cookies");
    privacy().writeInteger("Cache", 5);  // not a text: the read fails
    privacy().writeString("History", "C:\\history");

    EXPECT_THROW(RunProgram({"/CompleteCache"}), PlatformError);
    EXPECT_TRUE(IsFolderEmpty("C:\\cookies\\"));
    EXPECT_FALSE(IsFolderEmpty("C:\\history\\"));
    EXPECT_EQ(ui.liveForms(), 0u);
    EXPECT_EQ(commontools(), nullptr);
    EXPECT_TRUE(ui::application().terminated());
}

TEST_F(CompleteCacheTest, AnUnknownSwitchShowsNothingAndTouchesNothing) {
    privacy().writeString("Cookies", "C:\\cookies");
    RunProgram({"/nonsense", "/CompleteCache"});
    EXPECT_TRUE(ui.created.empty());
    EXPECT_FALSE(IsFolderEmpty("C:\\cookies\\"));
    EXPECT_EQ(privacy().valueNames(), std::vector<std::string>{"Cookies"});
}

TEST_F(CompleteCacheTest, StartUpSetsTheApplicationAndTheSharedFileOperation) {
    Tcommontools* seen = nullptr;
    programModes().cleanJunk = [&] {
        seen = commontools();
        ASSERT_NE(seen, nullptr);
        const TShellFileOp& op = seen->ShellFileOp1;
        EXPECT_EQ(op.flagsFor(false, false), 0x94u);
        EXPECT_EQ(op.flagsFor(true, false), 0xD4u);
        EXPECT_EQ(op.flagsFor(false, true), 0x9Cu);
    };
    RunProgram({"/CleanJunk"});
    programModes().cleanJunk = nullptr;
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(ui::application().title(), "Sorvane");
    EXPECT_EQ(ui::application().helpFile(), "C:\\Program Files\\Sorvane\\Sorvane.hlp");
    EXPECT_FALSE(ui::application().showMainForm());
    EXPECT_EQ(commontools(), nullptr);
    EXPECT_TRUE(ui::application().terminated());
}

}  // namespace
}  // namespace sv::test
