#include "shell/nav_form.h"

#include "common/filefunc.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/events.h"
#include "shell/commontools.h"
#include "shell/help_form.h"
#include "shell/hints.h"
#include "shell/web.h"

namespace sv {

NavigatorTools& navigatorTools() {
    static NavigatorTools tools;
    return tools;
}

namespace {

constexpr uint32_t kMaskColor = ui::rgbPixel(192, 192, 192);  // silver: outside the window

const char* const kDupeWarning =
    "Caution:  This tool is intended to search your system for duplicate files.  Not all (and possibly not most) of "
    "the files that are found are candidates for removal.  Be sure to carefully scrutinize each set of duplicate files "
    "before making the decision to remove any of them.  It is *always* recommended that you have a current backup of "
    "your system before performing any intensive operations such as contained in Sorvane.";

const char* const kAdminOnly =
    "Due to security issues under Windows NT you must be logged in as an administrator in order to access this tool.";

void setArt(ui::Picture& p, const std::string& name, int left, int top) {
    const ui::Bitmap& b = ui::artwork(name);
    p.setPicture(std::shared_ptr<const ui::Bitmap>(&b, [](const ui::Bitmap*) {}));
    p.setBounds(left, top, b.width, b.height);
}

}  // namespace

TfrmNav::TfrmNav() : ui::Form("frmNav") {
    setCaption("Sorvane");
    setBorderStyle(ui::BorderStyle::None);
    setPosition(ui::FormPosition::ScreenCenter);
    setKeyPreview(true);

    // The window takes the main-screen picture's size and the outline of its
    // pixels that are not silver; the background shows the same picture.
    const ui::Bitmap& main = commontools() ? commontools()->imgMainScreen : ui::artwork("navback");
    setClientSize(main.width, main.height);
    setShape(ui::shapeFromPicture(main, kMaskColor));
    imgBackground.setPicture(std::shared_ptr<const ui::Bitmap>(&main, [](const ui::Bitmap*) {}));
    imgBackground.setBounds(0, 0, main.width, main.height);
    setArt(imgVersion, "navversion", 170, 364);

    buttons_ = {
        {&imgJunk_Down, &imgJunk_Over, &imgJunk_Up, &imgJunk_Hint},
        {&imgEraser_Down, &imgEraser_Over, &imgEraser_Up, &imgEraser_Hint},
        {&imgShortcuts_Down, &imgShortcuts_Over, &imgShortCuts_Up, &imgShortcuts_Hint},
        {&imgUninstall_Down, &imgUninstall_Over, &imgUninstall_Up, &imgUninstall_Hint},
        {&imgDupes_Down, &imgDupes_Over, &imgDupes_Up, &imgDupes_Hint},
        {&imgReg_Down, &imgReg_Over, &imgReg_Up, &imgReg_Hint},
        {&imgStartUp_Down, &imgStartUp_Over, &imgStartUp_Up, &imgStartUp_Hint},
        {&imgSafe_Down, &imgSafe_Over, &imgSafe_Up, &imgSafe_Hint},
        {&imgSched_Down, &imgSched_Over, &imgSched_Up, &imgSched_Hint},
        {&imgLogs_Down, nullptr, &imgLogs_Up, &imgLogs_Hint},
        {&imgWeb_Down, nullptr, &imgWeb_Up, &imgWeb_Hint},
        {&imgHelp_Down, nullptr, &imgHelp_Up, &imgHelp_Hint},
        {&imgExit_Down, nullptr, &imgExit_Up, &imgExit_Hint},
    };
    placeButtons();

    NavigatorTools& tools = navigatorTools();
    wireToolButton(buttons_[0], [&tools, this] { openTool(tools.junk); });
    wireToolButton(buttons_[1], [&tools, this] { openTool(tools.eraser); });
    wireToolButton(buttons_[2], [&tools, this] { openTool(tools.shortcuts); });
    wireToolButton(buttons_[3], [&tools, this] { openForAdministrator(tools.uninstall); });
    wireToolButton(buttons_[4], [&tools, this] {
        ShowToolHint("DupeWarning", kDupeWarning);
        openTool(tools.dupes);
    });
    wireToolButton(buttons_[5], [&tools, this] { openTool(tools.reg); });
    wireToolButton(buttons_[6], [&tools, this] { openForAdministrator(tools.startup); });
    wireToolButton(buttons_[7], [&tools, this] { openTool(tools.safe); });
    wireToolButton(buttons_[8], [&tools, this] { openTool(tools.sched); });
    wireOtherButton(buttons_[9], [&tools, this] { openTool(tools.logs); });
    wireOtherButton(buttons_[10], [] {
        OpenWebPage(kWebSite);
        ShowToolHint("Web", std::string("Sorvane is trying to open its web site in your browser.  If the page does not "
                                        "appear, you can browse to ") +
                                kWebSite + " yourself.");
    });
    wireOtherButton(buttons_[11], [] {
        TfrmHelp help;
        help.showModal();
    });
    wireOtherButton(buttons_[12], [] { ui::application().terminate(); });

    // Pointing at the background (or at the hint picture showing) puts every
    // button back to normal and hides the hint. Dragging the background moves
    // the window.
    imgBackground.onMouseMove = [this](ui::ShiftState, int, int) {
        allUp();
        hideHints();
    };
    dragBy(imgBackground);
    for (Button& b : buttons_) {
        b.hint->onMouseMove = [this](ui::ShiftState, int, int) {
            allUp();
            hideHints();
        };
    }

    onKeyDown = [](int& key, ui::ShiftState) {
        if (key == ui::key::F1) {
            ui::application().showHelpTopic(kWelcomeTopic);
            key = 0;
        }
    };
    // The navigator is not closed by the window system's close command (it has
    // no caption to close it from); Alt+F4 ends the program as Exit does.
    onClose = [](ui::CloseAction& action) {
        action = ui::CloseAction::Hide;
        ui::application().terminate();
    };

    show();
}

void TfrmNav::placeButtons() {
    static const char* const kToolArt[] = {"junk", "eraser", "shortcuts", "uninstall", "dupes",
                                           "reg",  "startup", "safe",    "sched"};
    static const char* const kOtherArt[] = {"logs", "web", "help", "exit"};
    // Tool buttons overlap their neighbours by a few pixels: 32 apart for the
    // first six, 33 for the last three.
    int top = 66;
    for (int i = 0; i < 9; ++i) {
        Button& b = buttons_[i];
        const std::string art = std::string("btn_") + kToolArt[i];
        setArt(*b.down, art + "_down", 16, top);
        setArt(*b.over, art + "_over", 16, top);
        setArt(*b.up, art + "_up", 16, top);
        b.over->setCursor(ui::Cursor::Hand);
        setArt(*b.hint, std::string("hint_") + kToolArt[i], 305, 66);
        top += i < 5 ? 32 : 33;
    }
    top = 240;
    for (int i = 0; i < 4; ++i) {
        Button& b = buttons_[9 + i];
        const std::string art = std::string("btn_") + kOtherArt[i];
        setArt(*b.down, art + "_down", 305, top);
        setArt(*b.up, art + "_up", 305, top);
        b.up->setCursor(ui::Cursor::Hand);
        setArt(*b.hint, std::string("hint_") + kOtherArt[i], 305, 66);
        top += 36;
    }
    hideHints();
}

void TfrmNav::allUp(ui::Control* except) {
    for (Button& b : buttons_) {
        for (TKettrelImage* layer : {b.down, b.over, b.up})
            if (layer) layer->setVisible(layer != except);
    }
}

void TfrmNav::showHint(ui::Picture* hint) {
    for (Button& b : buttons_) b.hint->setVisible(b.hint == hint);
}

void TfrmNav::hideHints() { showHint(nullptr); }

ui::Picture* TfrmNav::visibleHint() {
    for (Button& b : buttons_)
        if (b.hint->visible()) return b.hint;
    return nullptr;
}

void TfrmNav::wireToolButton(Button& b, std::function<void()> action) {
    // Over the normal picture: uncover the lit one beneath, everything else normal.
    b.up->onMouseMove = [this, &b](ui::ShiftState, int, int) {
        b.up->hide();
        allUp(b.up);
    };
    b.over->OnMouseEnter = [this, &b] { showHint(b.hint); };
    // Pressing uncovers the pressed picture until the button comes up again.
    b.over->onMouseDown = [&b](ui::MouseButton button, ui::ShiftState, int, int) {
        if (button == ui::MouseButton::Left) b.over->hide();
    };
    b.over->onMouseUp = [&b](ui::MouseButton button, ui::ShiftState, int, int) {
        if (button == ui::MouseButton::Left) b.over->show();
    };
    b.over->onClick = std::move(action);
}

void TfrmNav::wireOtherButton(Button& b, std::function<void()> action) {
    b.up->OnMouseEnter = [this, &b] { showHint(b.hint); };
    b.up->onMouseDown = [&b](ui::MouseButton button, ui::ShiftState, int, int) {
        if (button == ui::MouseButton::Left) b.up->hide();
    };
    b.up->onMouseUp = [&b](ui::MouseButton button, ui::ShiftState, int, int) {
        if (button == ui::MouseButton::Left) b.up->show();
    };
    b.up->onClick = std::move(action);
}

void TfrmNav::openTool(const std::function<void()>& opener) {
    if (opener) opener();
}

void TfrmNav::openForAdministrator(const std::function<void()>& opener) {
    if (!IsAdministrator()) {
        MessageRequest box;
        box.title = ui::application().title();
        box.text = kAdminOnly;
        machine().dialogs().messageBox(box);
        return;
    }
    openTool(opener);
}

}  // namespace sv
