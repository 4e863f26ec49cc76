// The simulated dialogs beyond message boxes: input, open-file, folder and about
// boxes answered from the one script, and every departure from it reported.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/machine.h"
#include "platform/sim/sim_machine.h"
#include "platform/ui/application.h"

namespace sv::sim {
namespace {

class SimDialogsTest : public ::testing::Test {
protected:
    SimDialogsTest() { ui::application().reset(); }
    SimMachine m;
    MachineGuard guard{m};
    SimDialogs& dlg = m.dlg();
};

TEST_F(SimDialogsTest, InputBoxAndQueryGiveTheAnswerOrKeepTheValueOnCancel) {
    dlg.expectInput("Days to keep:", "30");
    dlg.expectInput("Days to keep:", std::nullopt);
    dlg.expectInput("New name:", "B\xC3\xA4r");
    dlg.expectInput("New name:", std::nullopt);
    EXPECT_EQ(dlg.inputBox("Logs", "Days to keep:", "14"), "30");
    EXPECT_EQ(dlg.inputBox("Logs", "Days to keep:", "14"), "14") << "Cancel gives back the default";
    std::string name = "old";
    EXPECT_TRUE(dlg.inputQuery("Rename", "New name:", name));
    EXPECT_EQ(name, "B\xC3\xA4r");
    EXPECT_FALSE(dlg.inputQuery("Rename", "New name:", name));
    EXPECT_EQ(name, "B\xC3\xA4r") << "Cancel leaves the value alone";
    EXPECT_EQ(dlg.report(), "");

    ASSERT_EQ(dlg.shown().size(), 4u);
    const auto& first = dlg.shown()[0];
    EXPECT_EQ(first.kind, DialogKind::Input);
    EXPECT_EQ(first.title, "Logs");
    EXPECT_EQ(first.prompt, "Days to keep:");
    EXPECT_EQ(first.initial, "14");
    EXPECT_EQ(first.result, "30");
    EXPECT_EQ(dlg.shown()[3].initial, "B\xC3\xA4r");
    EXPECT_EQ(dlg.shown()[3].result, std::nullopt);
}

TEST_F(SimDialogsTest, FileAndFolderDialogsAreRecordedAndAnsweredInScriptOrder) {
    m.fs().addFile("C:\\Data\\list.txt", "x");
    dlg.expectOpenFile("C:\\Data\\list.txt");
    dlg.expectMessage("Import it?", MsgAnswer::Yes);
    dlg.expectFolder("C:\\Data");
    dlg.expectOpenFile(std::nullopt);
    dlg.expectFolder(std::nullopt);

    EXPECT_EQ(dlg.openFile("Import", "Text files (*.txt)|*.txt|All files (*.*)|*.*", "C:\\Data", true),
              "C:\\Data\\list.txt");
    EXPECT_EQ(dlg.messageBox({"Sorvane", "Import it?", MsgButtons::YesNo}), MsgAnswer::Yes);
    EXPECT_EQ(dlg.browseFolder("Choose a folder", "C:\\Windows", false), "C:\\Data");
    EXPECT_EQ(dlg.openFile("Import", "", "", false), std::nullopt);
    EXPECT_EQ(dlg.browseFolder("Choose a folder", "", true), std::nullopt);
    EXPECT_EQ(dlg.report(), "");

    ASSERT_EQ(dlg.shown().size(), 5u);
    const auto& open = dlg.shown()[0];
    EXPECT_EQ(open.kind, DialogKind::OpenFile);
    EXPECT_EQ(open.title, "Import");
    EXPECT_EQ(open.filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_EQ(open.initial, "C:\\Data");
    EXPECT_TRUE(open.mustExist);
    EXPECT_EQ(dlg.shown()[1].kind, DialogKind::Message);
    EXPECT_EQ(dlg.shown()[1].title, "Sorvane");
    const auto& folder = dlg.shown()[2];
    EXPECT_EQ(folder.kind, DialogKind::Folder);
    EXPECT_EQ(folder.initial, "C:\\Windows");
    EXPECT_FALSE(folder.allowCreate);
    EXPECT_TRUE(dlg.shown()[4].allowCreate);
}

// What the real dialogs cannot give: a missing file when it must exist, a missing
// folder without the new-folder button. With the button, the user makes it.
TEST_F(SimDialogsTest, AnswersTheRealDialogCouldNotGiveAreProblemsAndCancel) {
    m.fs().addFolder("C:\\Data");
    dlg.expectOpenFile("C:\\Data\\missing.txt");
    dlg.expectOpenFile("C:\\Data\\new.txt");  // a name to save under need not exist
    dlg.expectOpenFile("C:\\Data");           // a folder is no file
    dlg.expectFolder("C:\\Data\\Missing");
    dlg.expectFolder("C:\\Data\\Made");
    dlg.expectFolder("C:\\Nowhere\\Made");    // the new-folder button makes one level

    EXPECT_EQ(dlg.openFile("Open", "", "", true), std::nullopt);
    EXPECT_EQ(dlg.openFile("Open", "", "", false), "C:\\Data\\new.txt");
    EXPECT_EQ(dlg.openFile("Open", "", "", true), std::nullopt);
    EXPECT_EQ(dlg.browseFolder("Pick", "", false), std::nullopt);
    EXPECT_FALSE(m.fs().attributes("C:\\Data\\Missing"));
    EXPECT_EQ(dlg.browseFolder("Pick", "", true), "C:\\Data\\Made");
    EXPECT_TRUE(m.fs().attributes("C:\\Data\\Made").value_or(0) & attr::Directory);
    EXPECT_EQ(dlg.browseFolder("Pick", "", true), std::nullopt);

    ASSERT_EQ(dlg.problems().size(), 4u) << dlg.report();
    EXPECT_NE(dlg.problems()[0].find("missing.txt"), std::string::npos);
    EXPECT_NE(dlg.problems()[2].find("no new-folder button"), std::string::npos);
    EXPECT_TRUE(dlg.unusedExpectations().empty());
    EXPECT_EQ(dlg.shown()[0].result, std::nullopt) << "the record shows what the program got";
}

TEST_F(SimDialogsTest, AnUnexpectedOrMismatchedDialogIsAProblemAndCancelled) {
    dlg.expectFolder("C:\\Windows");
    // Each of these comes while the folder browser is expected: each is cancelled
    // (a message box gets its first button) and the expectation stays.
    std::string value = "kept";
    EXPECT_EQ(dlg.inputBox("T", "Prompt:", "default"), "default");
    EXPECT_FALSE(dlg.inputQuery("T", "Prompt:", value));
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(dlg.openFile("T", "", "", false), std::nullopt);
    EXPECT_EQ(dlg.messageBox({"T", "Sure?", MsgButtons::YesNo}), MsgAnswer::Yes);
    bool ran = false;
    dlg.aboutBox({"About", "Sorvane", "1.0", "", "", "&Web Site", [&] { ran = true; }});
    EXPECT_FALSE(ran);
    EXPECT_EQ(dlg.problems().size(), 5u);
    EXPECT_NE(dlg.problems()[0].find("input box \"Prompt:\" (title \"T\") came instead of the expected folder browser"),
              std::string::npos)
        << dlg.problems()[0];
    EXPECT_EQ(dlg.browseFolder("T", "", false), "C:\\Windows");

    // With the script empty, or with the wrong prompt, the same holds.
    dlg.reset();
    EXPECT_EQ(dlg.browseFolder("T", "", false), std::nullopt);
    dlg.expectInput("Other:", "x");
    EXPECT_EQ(dlg.inputBox("T", "Prompt:", "d"), "d");
    EXPECT_EQ(dlg.problems().size(), 2u);
    EXPECT_NE(dlg.problems()[0].find("unexpected folder browser"), std::string::npos);
    EXPECT_EQ(dlg.unusedExpectations(), std::vector<std::string>{"input box \"Other:\" answered \"x\""});
}

TEST_F(SimDialogsTest, TheAboutBoxRunsItsCustomButtonWhenTheScriptPressesIt) {
    int presses = 0;
    AboutRequest about{"About Sorvane", "Sorvane", "Version 1.0", "(c) 2026", "Free.", "&Web Site", [&] { ++presses; }};
    dlg.expectAbout(true);
    dlg.expectAbout(false);
    dlg.aboutBox(about);
    dlg.aboutBox(about);
    EXPECT_EQ(presses, 1);
    ASSERT_EQ(dlg.shown().size(), 2u);
    EXPECT_EQ(dlg.shown()[0].kind, DialogKind::About);
    EXPECT_EQ(dlg.shown()[0].about.productName, "Sorvane");
    EXPECT_TRUE(dlg.shown()[0].pressedCustomButton);
    EXPECT_FALSE(dlg.shown()[1].pressedCustomButton);
    EXPECT_EQ(dlg.report(), "");

    // An error escaping the button's handler is the application's error box,
    // shown over the about box; a box without the button cannot have it pressed.
    about.onCustomButton = [] { throw std::runtime_error("No browser."); };
    dlg.expectAbout(true);
    dlg.expectMessage("No browser.", MsgAnswer::Ok);
    dlg.aboutBox(about);
    EXPECT_EQ(dlg.shown().back().kind, DialogKind::Message);
    EXPECT_EQ(dlg.report(), "");
    about.customButtonCaption.clear();
    dlg.expectAbout(true);
    dlg.aboutBox(about);
    EXPECT_EQ(dlg.problems().size(), 1u);
}

}  // namespace
}  // namespace sv::sim
