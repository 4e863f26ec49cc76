// The hint dialog: a short explanation with switches to stop hints of this
// subject or all hints.
#pragma once

#include <string>

#include "platform/ui/buttons.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"
#include "platform/ui/textview.h"

namespace sv {

class TfrmHint : public ui::Form {
public:
    TfrmHint();

    // The subject the dialog was opened for; switching it off silences every
    // text shown under the same name.
    std::string hintName;

    ui::Picture imgHint{this, "imgHint"};
    ui::Label lblHeading{this, "lblHeading"};
    ui::TextViewer mmoHint{this, "mmoHint"};
    ui::CheckBox cbShowHint{this, "cbShowHint"};
    ui::CheckBox cbAllHints{this, "cbAllHints"};
    ui::Button cmdOK{this, "cmdOK"};

private:
    void cbAllHintsClick();
    void FormClose(ui::CloseAction& action);
};

}  // namespace sv
