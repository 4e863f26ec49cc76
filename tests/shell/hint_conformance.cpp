// The hint dialog and its switches, on the headless backend and on real windows.
#include "shell/hints.h"

#include "common/settings.h"
#include "shell/hint_form.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

class HintTest : public UiConformance {
protected:
    std::optional<RegValue> stored(const std::string& name) {
        auto key = m.reg().openKey(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Hints", false);
        return key ? key->readValue(name) : std::nullopt;
    }
    static constexpr const char* kConfirm =
        "If you are new to Sorvane it is strongly recommended that you view all hints at least once.  If you do not "
        "want to see more hints pertaining to this aspect of Sorvane, simply uncheck the box labeled \"Show hints on "
        "this subject again\".  Are you sure you do not want to see any more hints?";
};

TEST_P(HintTest, ShowsTheTextAndClosesWithOkLeavingTheSwitchesAlone) {
    std::string shownText;
    bool bothChecked = false;
    ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
        shownText = hint.mmoHint.text();
        bothChecked = hint.cbShowHint.checked() && hint.cbAllHints.checked();
        EXPECT_TRUE(hint.cmdOK.focused());
        ui().click(hint.cmdOK);
        EXPECT_FALSE(hint.showing());
    });
    ShowToolHint("JunkAdd", "Add the file types you want to find.");
    EXPECT_EQ(shownText, "Add the file types you want to find.");
    EXPECT_TRUE(bothChecked);
    EXPECT_FALSE(stored("JunkAdd"));
    EXPECT_FALSE(stored("All"));
}

TEST_P(HintTest, SwitchingOffOneSubjectSilencesEveryTextOfThatNameOnly) {
    ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
        ui().click(hint.cbShowHint);
        ui().pressKey(hint.cmdOK, ui::key::Escape);
    });
    ShowToolHint("JunkFolders", "First text.");
    EXPECT_EQ(stored("JunkFolders"), RegValue::dword(0));
    EXPECT_FALSE(stored("All"));

    ShowToolHint("JunkFolders", "Second text under the same name.");  // nothing shown

    bool shown = false;
    ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
        shown = true;
        ui().pressKey(hint.cmdOK, ui::key::Return);
    });
    ShowToolHint("Cookies", "Another subject.");
    EXPECT_TRUE(shown);
}

TEST_P(HintTest, TurningAllHintsOffAsksFirst) {
    // "No": both boxes come back checked and nothing is written.
    bool recheckedAfterNo = false;
    ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
        ui().click(hint.cbAllHints);
        EXPECT_FALSE(hint.cbShowHint.checked());
        EXPECT_FALSE(hint.cbShowHint.enabled());
        m.dlg().expectMessage(kConfirm, MsgAnswer::No);
        ui().click(hint.cmdOK);
        recheckedAfterNo = hint.cbAllHints.checked() && hint.cbShowHint.checked() && hint.cbShowHint.enabled();
    });
    ShowToolHint("Registry", "Backups need administrator rights.");
    EXPECT_TRUE(recheckedAfterNo);
    EXPECT_FALSE(stored("All"));
    EXPECT_FALSE(stored("Registry"));
    ASSERT_FALSE(m.dlg().shown().empty());
    EXPECT_EQ(m.dlg().shown().back().request.title, "Confirm");
    EXPECT_TRUE(m.dlg().shown().back().request.systemModal);

    // "Yes": all hints and this subject go off, and no hint shows any more.
    ui().expectModalOf<TfrmHint>([&](TfrmHint& hint) {
        ui().click(hint.cbAllHints);
        m.dlg().expectMessage(kConfirm, MsgAnswer::Yes);
        ui().click(hint.cmdOK);
    });
    ShowToolHint("Registry", "Backups need administrator rights.");
    EXPECT_EQ(stored("All"), RegValue::dword(0));
    EXPECT_EQ(stored("Registry"), RegValue::dword(0));
    ShowToolHint("Support", "Opening the support forum.");  // nothing shown
}

TEST_P(HintTest, AllOffWinsOverASubjectThatIsOn) {
    WriteSettingBool(HintsKey, "All", false);
    WriteSettingBool(HintsKey, "Web", true);
    ShowToolHint("Web", "Opening the web site.");  // nothing shown: no script was given
}

SV_UI_SUITE(HintTest);

}  // namespace
}  // namespace sv::test
