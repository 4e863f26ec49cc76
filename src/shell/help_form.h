// The help panel: a small picture-shaped window with the about box, the
// manual, technical support on the web, and a close button.
#pragma once

#include "platform/ui/form.h"
#include "platform/ui/picture.h"
#include "shell/kettrel_image.h"

namespace sv {

class TfrmHelp : public ui::Form {
public:
    TfrmHelp();

    ui::Picture imgBackground{this, "imgBackground"};
    TKettrelImage imgAbout_Down{this, "imgAbout_Down"}, imgAbout_Up{this, "imgAbout_Up"};
    TKettrelImage imgManual_Down{this, "imgManual_Down"}, imgManual_Up{this, "imgManual_Up"};
    TKettrelImage imgSupport_Down{this, "imgSupport_Down"}, imgSupport_Up{this, "imgSupport_Up"};
    TKettrelImage imgExit_Down{this, "imgExit_Down"}, imgExit_Up{this, "imgExit_Up"};

private:
    void wire(TKettrelImage& down, TKettrelImage& up, const char* art, int top, std::function<void()> action);
};

// The about box with the product's name and version, and a button to the web site.
void ShowAboutBox();

}  // namespace sv
