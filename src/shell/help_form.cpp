#include "shell/help_form.h"

#include "platform/machine.h"
#include "platform/ui/application.h"
#include "shell/commontools.h"
#include "shell/hints.h"
#include "shell/web.h"

namespace sv {
namespace {
constexpr uint32_t kMaskColor = ui::rgbPixel(0, 0, 0);  // black: outside the window
constexpr const char* kVersion = "1.0.0";

std::shared_ptr<const ui::Bitmap> shared(const ui::Bitmap& b) {
    return std::shared_ptr<const ui::Bitmap>(&b, [](const ui::Bitmap*) {});
}
}  // namespace

void ShowAboutBox() {
    AboutRequest about;
    about.title = "About Sorvane";
    about.productName = "Sorvane";
    about.version = std::string("Version ") + kVersion;
    about.copyright = "Copyright \xC2\xA9 2026 Kettrel";
    about.text = "A maintenance suite for your PC: junk files, privacy, shortcuts, uninstall entries, duplicates, "
                 "the registry, startup programs, installations and scheduled clean-ups.";
    about.customButtonCaption = "&Web Site";
    about.onCustomButton = [] { OpenWebPage(kWebSite); };
    machine().dialogs().aboutBox(about);
}

TfrmHelp::TfrmHelp() : ui::Form("frmHelp") {
    setCaption("Sorvane Help");
    setBorderStyle(ui::BorderStyle::None);
    setStayOnTop(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setKeyPreview(true);

    const ui::Bitmap& back = commontools() ? commontools()->imgHelpback : ui::artwork("helpback");
    setClientSize(back.width, back.height);
    setShape(ui::shapeFromPicture(back, kMaskColor));
    imgBackground.setPicture(shared(back));
    imgBackground.setBounds(0, 0, back.width, back.height);
    dragBy(imgBackground);

    wire(imgAbout_Down, imgAbout_Up, "about", 66, [] { ShowAboutBox(); });
    wire(imgManual_Down, imgManual_Up, "manual", 104, [] { ui::application().showHelpTopic(kWelcomeTopic); });
    wire(imgSupport_Down, imgSupport_Up, "support", 142, [] {
        OpenWebPage(kSupportSite);
        ShowToolHint("Support", std::string("Sorvane is trying to open its web-based technical support forum in your "
                                            "browser.  If the page does not appear, you can browse to ") +
                                    kSupportSite + " yourself.");
    });
    wire(imgExit_Down, imgExit_Up, "close", 180, [this] { close(); });
    imgAbout_Up.setHint("Sorvane version information");
    imgManual_Up.setHint("Read Sorvane's documentation");
    imgSupport_Up.setHint("Access Sorvane technical support on the web");

    onKeyDown = [](int& key, ui::ShiftState) {
        if (key == ui::key::F1) {
            ui::application().showHelpTopic(kWelcomeTopic);
            key = 0;
        }
    };
}

void TfrmHelp::wire(TKettrelImage& down, TKettrelImage& up, const char* art, int top, std::function<void()> action) {
    const ui::Bitmap& upArt = ui::artwork(std::string("helpbtn_") + art + "_up");
    const ui::Bitmap& downArt = ui::artwork(std::string("helpbtn_") + art + "_down");
    down.setPicture(shared(downArt));
    down.setBounds(16, top, downArt.width, downArt.height);
    up.setPicture(shared(upArt));
    up.setBounds(16, top, upArt.width, upArt.height);
    up.setCursor(ui::Cursor::Hand);
    up.onMouseDown = [&up](ui::MouseButton b, ui::ShiftState, int, int) {
        if (b == ui::MouseButton::Left) up.hide();
    };
    up.onMouseUp = [&up](ui::MouseButton b, ui::ShiftState, int, int) {
        if (b == ui::MouseButton::Left) up.show();
    };
    up.onClick = std::move(action);
}

}  // namespace sv
