// The help panel, on the headless backend and on real windows.
#include "shell/help_form.h"

#include "common/settings.h"
#include "shell/hint_form.h"
#include "shell/hints.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

class HelpPanelTest : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        ui::application().setHelpFile("C:\\Program Files\\Sorvane\\Sorvane.hlp");
        m.fs().addFile("C:\\Program Files\\Sorvane\\Sorvane.html", "<html></html>");
    }
    std::vector<std::string> opened() {
        std::vector<std::string> out;
        for (const auto& e : m.sh().executed()) out.push_back(e.file);
        return out;
    }
};

TEST_P(HelpPanelTest, ButtonsOpenTheManualTheAboutBoxAndSupportThenClose) {
    bool pressedShowsDown = false;
    bool shaped = false;
    ui().expectModalOf<TfrmHelp>([&](TfrmHelp& help) {
        shaped = !help.shape().empty() && !help.shape().front().contains(0, 0);
        // Pressed and released over the button: that is the click.
        ui().mouseDown(help.imgManual_Up, 10, 10);
        pressedShowsDown = !help.imgManual_Up.visible() && help.imgManual_Down.visible();
        ui().mouseUp(help.imgManual_Up, 10, 10);

        m.dlg().expectAbout(true);  // the user presses "Web Site" in the about box
        ui().click(help.imgAbout_Up);

        WriteSettingBool(HintsKey, "Support", false);
        ui().click(help.imgSupport_Up);

        ui().click(help.imgExit_Up);
        EXPECT_FALSE(help.showing());
    });
    TfrmHelp help;
    help.showModal();

    EXPECT_TRUE(shaped);
    EXPECT_TRUE(pressedShowsDown);
    EXPECT_EQ(opened(), (std::vector<std::string>{
                            "file:///C:/Program%20Files/Sorvane/Sorvane.html#Welcome_to_Kettrel_Sorvane",
                            "https://sorvane.kettrel.example/",
                            "https://sorvane.kettrel.example/support/",
                        }));
    ASSERT_FALSE(m.dlg().shown().empty());
    EXPECT_EQ(m.dlg().shown().front().about.productName, "Sorvane");
    EXPECT_EQ(m.dlg().shown().front().about.customButtonCaption, "&Web Site");
}

TEST_P(HelpPanelTest, SupportShowsItsHintWhileHintsAreOn) {
    std::string hintName;
    ui().expectModalOf<TfrmHelp>([&](TfrmHelp& help) {
        ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
            hintName = hint.hintName;
            ui().click(hint.cmdOK);
        });
        ui().click(help.imgSupport_Up);
        ui().pressKey(help.imgBackground, ui::key::F1);
    });
    TfrmHelp help;
    help.showModal();
    EXPECT_EQ(hintName, "Support");
    ASSERT_EQ(m.sh().executed().size(), 2u);
    EXPECT_EQ(m.sh().executed()[1].file, "file:///C:/Program%20Files/Sorvane/Sorvane.html#Welcome_to_Kettrel_Sorvane");
}

SV_UI_SUITE(HelpPanelTest);

}  // namespace
}  // namespace sv::test
