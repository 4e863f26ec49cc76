#include "shell/hints.h"

#include <memory>

#include "common/settings.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "shell/hint_form.h"
#include "shell/web.h"

namespace sv {
namespace {

// A switch that cannot be read counts as on: better one hint too many than a
// missing one.
bool hintSwitchOn(const std::string& name) {
    try {
        return ReadSettingBool(HintsKey, name);
    } catch (const PlatformError&) {
        return true;
    }
}

}  // namespace

void ShowToolHint(const std::string& name, const std::string& text) {
    if (!hintSwitchOn(name) || !hintSwitchOn("All")) return;
    TfrmHint hint;
    hint.hintName = name;
    hint.mmoHint.setText(text);
    hint.showModal();
}

TfrmHint::TfrmHint() : ui::Form("frmHint") {
    setCaption("Sorvane");
    setBorderStyle(ui::BorderStyle::ToolWindow);
    setBorderIcons(false);
    setStayOnTop(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setKeyPreview(true);
    setClientSize(372, 236);

    const ui::Bitmap& picture = ui::artwork("hintpicture");
    imgHint.setPicture(std::shared_ptr<const ui::Bitmap>(&picture, [](const ui::Bitmap*) {}));
    imgHint.setBounds(14, 14, 48, 48);

    ui::Font heading;
    heading.size = 10;
    heading.bold = true;
    heading.color = ui::rgb(0x1F, 0x33, 0x56);
    lblHeading.setFont(heading);
    lblHeading.setCaption("Hints and Tips...");
    lblHeading.setBounds(76, 14, 280, 18);

    mmoHint.setColor(ui::rgb(255, 255, 225));
    mmoHint.setWordWrap(true);
    mmoHint.setScrollBars(ui::ScrollBars::Vertical);
    mmoHint.setBounds(76, 38, 282, 118);

    cbShowHint.setCaption("&Show hints on this subject again");
    cbShowHint.setHint("Uncheck this box to skip any further related hints, but still see those unrelated to this subject");
    cbShowHint.setBounds(14, 166, 250, 20);
    cbShowHint.setChecked(true);
    cbShowHint.setTabStop(true);

    cbAllHints.setCaption("Show &hints");
    cbAllHints.setHint("Uncheck this box to skip all further hints, regardless of their relation to this subject");
    cbAllHints.setBounds(14, 190, 250, 20);
    cbAllHints.setChecked(true);
    cbAllHints.setTabStop(true);
    cbAllHints.onClick = [this] { cbAllHintsClick(); };

    cmdOK.setCaption("&OK");
    cmdOK.setBounds(283, 198, 75, 25);
    cmdOK.setDefault(true);
    cmdOK.setCancel(true);
    cmdOK.setModalResult(ui::ModalResult::Ok);
    cmdOK.setTabStop(true);

    onShow = [this] { cmdOK.setFocus(); };
    onClose = [this](ui::CloseAction& action) { FormClose(action); };
    onKeyDown = [](int& key, ui::ShiftState) {
        if (key == ui::key::F1) {
            ui::application().showHelpTopic(kWelcomeTopic);
            key = 0;
        }
    };
}

void TfrmHint::cbAllHintsClick() {
    cbShowHint.setChecked(cbAllHints.checked());
    cbShowHint.setEnabled(cbAllHints.checked());
}

void TfrmHint::FormClose(ui::CloseAction& action) {
    if (!cbAllHints.checked()) {
        MessageRequest confirm;
        confirm.title = "Confirm";
        confirm.text =
            "If you are new to Sorvane it is strongly recommended that you view all hints at least once.  If you do not "
            "want to see more hints pertaining to this aspect of Sorvane, simply uncheck the box labeled \"Show hints "
            "on this subject again\".  Are you sure you do not want to see any more hints?";
        confirm.buttons = MsgButtons::YesNo;
        confirm.icon = MsgIcon::Question;
        confirm.systemModal = true;
        if (machine().dialogs().messageBox(confirm) == MsgAnswer::Yes) {
            WriteSettingBool(HintsKey, "All", false);
        } else {
            cbAllHints.setChecked(true);
            cbShowHint.setChecked(true);
            cbShowHint.setEnabled(true);
        }
    }
    if (!cbShowHint.checked()) WriteSettingBool(HintsKey, hintName, false);
    action = ui::CloseAction::Free;
}

}  // namespace sv
