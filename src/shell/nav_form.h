// The navigator: the program's face in interactive use. A picture-shaped window
// with one hot-tracking picture button per tool and four more (logs, web site,
// help, exit); pointing at a button lights it and shows a picture explaining it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/picture.h"
#include "shell/kettrel_image.h"

namespace sv {

// What the navigator opens. A tool whose window this build does not have is
// left empty and its button does nothing.
struct NavigatorTools {
    std::function<void()> junk, eraser, shortcuts, uninstall, dupes, reg, startup, safe, sched, logs;
};
NavigatorTools& navigatorTools();

class TfrmNav : public ui::Form {
public:
    // Made visible at once, centred on the screen.
    TfrmNav();

    ui::Picture imgBackground{this, "imgBackground"};

    TKettrelImage imgJunk_Down{this, "imgJunk_Down"}, imgJunk_Over{this, "imgJunk_Over"}, imgJunk_Up{this, "imgJunk_Up"};
    TKettrelImage imgEraser_Down{this, "imgEraser_Down"}, imgEraser_Over{this, "imgEraser_Over"},
        imgEraser_Up{this, "imgEraser_Up"};
    TKettrelImage imgShortcuts_Down{this, "imgShortcuts_Down"}, imgShortcuts_Over{this, "imgShortcuts_Over"},
        imgShortCuts_Up{this, "imgShortCuts_Up"};
    TKettrelImage imgUninstall_Down{this, "imgUninstall_Down"}, imgUninstall_Over{this, "imgUninstall_Over"},
        imgUninstall_Up{this, "imgUninstall_Up"};
    TKettrelImage imgDupes_Down{this, "imgDupes_Down"}, imgDupes_Over{this, "imgDupes_Over"}, imgDupes_Up{this, "imgDupes_Up"};
    TKettrelImage imgReg_Down{this, "imgReg_Down"}, imgReg_Over{this, "imgReg_Over"}, imgReg_Up{this, "imgReg_Up"};
    TKettrelImage imgStartUp_Down{this, "imgStartUp_Down"}, imgStartUp_Over{this, "imgStartUp_Over"},
        imgStartUp_Up{this, "imgStartUp_Up"};
    TKettrelImage imgSafe_Down{this, "imgSafe_Down"}, imgSafe_Over{this, "imgSafe_Over"}, imgSafe_Up{this, "imgSafe_Up"};
    TKettrelImage imgSched_Down{this, "imgSched_Down"}, imgSched_Over{this, "imgSched_Over"}, imgSched_Up{this, "imgSched_Up"};
    TKettrelImage imgLogs_Down{this, "imgLogs_Down"}, imgLogs_Up{this, "imgLogs_Up"};
    TKettrelImage imgWeb_Down{this, "imgWeb_Down"}, imgWeb_Up{this, "imgWeb_Up"};
    TKettrelImage imgHelp_Down{this, "imgHelp_Down"}, imgHelp_Up{this, "imgHelp_Up"};
    TKettrelImage imgExit_Down{this, "imgExit_Down"}, imgExit_Up{this, "imgExit_Up"};

    ui::Picture imgJunk_Hint{this, "imgJunk_Hint"}, imgEraser_Hint{this, "imgEraser_Hint"},
        imgShortcuts_Hint{this, "imgShortcuts_Hint"}, imgUninstall_Hint{this, "imgUninstall_Hint"},
        imgDupes_Hint{this, "imgDupes_Hint"}, imgReg_Hint{this, "imgReg_Hint"}, imgStartUp_Hint{this, "imgStartUp_Hint"},
        imgSafe_Hint{this, "imgSafe_Hint"}, imgSched_Hint{this, "imgSched_Hint"}, imgLogs_Hint{this, "imgLogs_Hint"},
        imgWeb_Hint{this, "imgWeb_Hint"}, imgHelp_Hint{this, "imgHelp_Hint"}, imgExit_Hint{this, "imgExit_Hint"};

    ui::Picture imgVersion{this, "imgVersion"};

    // One button: its layers (the tool buttons have a lit layer), its hint picture.
    struct Button {
        TKettrelImage* down;
        TKettrelImage* over;  // null on the logs, web, help and exit buttons
        TKettrelImage* up;
        ui::Picture* hint;
    };
    const std::vector<Button>& buttons() const { return buttons_; }
    // The hint picture showing now, or null.
    ui::Picture* visibleHint();

private:
    void placeButtons();
    void allUp(ui::Control* except = nullptr);
    void showHint(ui::Picture* hint);
    void hideHints();
    void wireToolButton(Button& b, std::function<void()> action);
    void wireOtherButton(Button& b, std::function<void()> action);
    void openTool(const std::function<void()>& opener);
    void openForAdministrator(const std::function<void()>& opener);

    std::vector<Button> buttons_;
};

}  // namespace sv
