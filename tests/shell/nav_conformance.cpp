// The navigator's hot tracking and actions, on the headless backend and on real
// windows with real mouse messages.
#include "shell/nav_form.h"

#include "common/settings.h"
#include "platform/ui/bitmap.h"
#include "shell/hints.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

class NavigatorTest : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        // Hints stay quiet unless a case wants one.
        WriteSettingBool(HintsKey, "All", false);
        navigatorTools() = {};
        nav = std::make_unique<TfrmNav>();
    }
    void TearDown() override {
        nav.reset();
        navigatorTools() = {};
        UiConformance::TearDown();
    }
    // Which layers of every button show, as one string per button ("DOU" = down,
    // over and up visible; a dash for a hidden layer or none).
    std::vector<std::string> layers() {
        std::vector<std::string> out;
        for (const auto& b : nav->buttons()) {
            std::string s;
            s += b.down->visible() ? 'D' : '-';
            s += b.over ? (b.over->visible() ? 'O' : '-') : ' ';
            s += b.up->visible() ? 'U' : '-';
            out.push_back(s);
        }
        return out;
    }
    std::vector<std::string> allNormal() {
        std::vector<std::string> out(9, "DOU");
        out.resize(13, "D U");
        return out;
    }
    void pointAt(ui::Control& c) { ui().mouseMove(c, c.width() / 2, c.height() / 2); }

    std::unique_ptr<TfrmNav> nav;
};

TEST_P(NavigatorTest, OpensShapedCentredAndWithNoHintShowing) {
    const ui::Bitmap& main = ui::artwork("navback");
    ASSERT_FALSE(main.empty());
    EXPECT_TRUE(nav->showing());
    EXPECT_EQ(nav->width(), main.width);
    EXPECT_EQ(nav->height(), main.height);
    EXPECT_EQ(nav->left(), (1024 - main.width) / 2);
    EXPECT_EQ(layers(), allNormal());
    EXPECT_EQ(nav->visibleHint(), nullptr);

    // The outline leaves out the silver corners and keeps the middle.
    auto inside = [&](int x, int y) {
        for (const auto& r : nav->shape())
            if (r.contains(x, y)) return true;
        return false;
    };
    EXPECT_FALSE(inside(0, 0));
    EXPECT_FALSE(inside(main.width - 1, main.height - 1));
    EXPECT_TRUE(inside(main.width / 2, main.height / 2));
    EXPECT_TRUE(inside(main.width / 2, 0));
}

TEST_P(NavigatorTest, PointingLightsOneButtonAtATimeAndSwitchesTheHint) {
    pointAt(nav->imgJunk_Up);
    pointAt(nav->imgJunk_Over);
    auto expected = allNormal();
    expected[0] = "DO-";
    EXPECT_EQ(layers(), expected);
    EXPECT_EQ(nav->visibleHint(), &nav->imgJunk_Hint);

    // Straight on to the next tool: the first goes back to normal.
    pointAt(nav->imgEraser_Up);
    pointAt(nav->imgEraser_Over);
    expected = allNormal();
    expected[1] = "DO-";
    EXPECT_EQ(layers(), expected);
    EXPECT_EQ(nav->visibleHint(), &nav->imgEraser_Hint);

    // The other buttons show their hint without a lit layer.
    pointAt(nav->imgHelp_Up);
    EXPECT_EQ(nav->visibleHint(), &nav->imgHelp_Hint);

    // Off every button onto the background: all normal, no hint.
    ui().mouseMove(nav->imgBackground, 10, 380);
    EXPECT_EQ(layers(), allNormal());
    EXPECT_EQ(nav->visibleHint(), nullptr);
}

TEST_P(NavigatorTest, PressingShowsThePressedPictureAndReleasingOutsideOpensNothing) {
    int opened = 0;
    navigatorTools().reg = [&] { ++opened; };
    pointAt(nav->imgReg_Up);
    ui().mouseDown(nav->imgReg_Over, 20, 10);
    EXPECT_FALSE(nav->imgReg_Over.visible());
    EXPECT_FALSE(nav->imgReg_Up.visible());
    EXPECT_TRUE(nav->imgReg_Down.visible());
    ui().mouseUp(nav->imgReg_Over, -40, 10);
    EXPECT_TRUE(nav->imgReg_Over.visible());
    EXPECT_EQ(opened, 0);

    pointAt(nav->imgReg_Up);
    ui().click(nav->imgReg_Over);
    EXPECT_EQ(opened, 1);
}

TEST_P(NavigatorTest, AStandardUserIsRefusedTwoToolsAndGetsTheOthers) {
    std::vector<std::string> opened;
    NavigatorTools& t = navigatorTools();
    t.junk = [&] { opened.push_back("junk"); };
    t.uninstall = [&] { opened.push_back("uninstall"); };
    t.startup = [&] { opened.push_back("startup"); };
    m.sys().setOsFamily(OsFamily::WinNT);
    m.sys().setAdministrator(false);
    const char* refusal =
        "Due to security issues under Windows NT you must be logged in as an administrator in order to access this tool.";
    m.dlg().expectMessage(refusal, MsgAnswer::Ok);
    m.dlg().expectMessage(refusal, MsgAnswer::Ok);
    for (TKettrelImage* over : {&nav->imgUninstall_Over, &nav->imgStartUp_Over, &nav->imgJunk_Over}) {
        pointAt(*over);
        ui().click(*over);
    }
    EXPECT_EQ(opened, std::vector<std::string>{"junk"});

    m.sys().setOsFamily(OsFamily::Win9x);  // no administrators there: always allowed
    ui().click(nav->imgStartUp_Over);
    EXPECT_EQ(opened, (std::vector<std::string>{"junk", "startup"}));
}

TEST_P(NavigatorTest, ExitEndsTheProgramAndF1OpensTheWelcomeTopic) {
    ui::application().setHelpFile("C:\\Program Files\\Sorvane\\Sorvane.hlp");
    m.fs().addFile("C:\\Program Files\\Sorvane\\Sorvane.html", "<html></html>");
    ui().pressKey(nav->imgBackground, ui::key::F1);
    ASSERT_EQ(m.sh().executed().size(), 1u);
    EXPECT_EQ(m.sh().executed()[0].file, "file:///C:/Program%20Files/Sorvane/Sorvane.html#Welcome_to_Kettrel_Sorvane");

    ui().click(nav->imgExit_Up);
    EXPECT_TRUE(ui::application().terminated());
}

SV_UI_SUITE(NavigatorTest);

}  // namespace
}  // namespace sv::test
