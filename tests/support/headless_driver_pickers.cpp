// Date and time pickers as a user works them, and what the misc family's
// controls show (progress bars, text viewers, pickers, the search animation,
// folder edits): headless, the controls' own state.
#include "platform/ui/animation.h"
#include "platform/ui/folderedit.h"
#include "platform/ui/pickers.h"
#include "platform/ui/progress.h"
#include "platform/ui/textview.h"
#include "support/headless_driver.h"

namespace sv::test {

#ifdef _WIN32
// The same read from the real windows (win32_driver_pickers.cpp).
std::string win32ShownProgress(ui::ProgressBar& bar);
std::string win32ShownText(ui::TextViewer& viewer);
ui::Color win32ShownBackground(ui::TextViewer& viewer);
bool win32ShownEndInView(ui::TextViewer& viewer);
SystemTime win32ShownPickerValue(ui::Control& picker);
std::string win32ShownFolderEdit(ui::FolderEdit& edit);
ui::Bitmap win32ShownAnimation(ui::SearchAnimation& animation);
#define SV_FROM_WINDOWS(ui, call) \
    if ((ui).name() == "win32") return call
#else
#define SV_FROM_WINDOWS(ui, call)
#endif

void HeadlessDriver::setDate(ui::Control& picker, const SystemTime& value) {
    if (!picker.enabled() || !picker.showingOnScreen()) return;
    if (auto* date = dynamic_cast<ui::DatePicker*>(&picker)) {
        date->userSetDate(value);
    } else if (auto* time = dynamic_cast<ui::TimePicker*>(&picker)) {
        // The window shows no milliseconds, so a user cannot set them.
        time->userSetTime({value.hour, value.minute, value.second, 0});
    } else {
        ADD_FAILURE() << "setDate: " << picker.name() << " (" << picker.kind() << ") is not a picker";
    }
}

// --- what the windows show ----------------------------------------------------------

namespace {
// Every line break as CR LF, as an edit window holds it.
std::string crlf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

std::string shownProgress(UiDriver& ui, ui::ProgressBar& bar) {
    SV_FROM_WINDOWS(ui, win32ShownProgress(bar));
    return std::to_string(bar.min()) + ".." + std::to_string(bar.max()) + " at " + std::to_string(bar.position());
}

std::string shownText(UiDriver& ui, ui::TextViewer& viewer) {
    SV_FROM_WINDOWS(ui, win32ShownText(viewer));
    return crlf(viewer.text());
}

ui::Color shownBackground(UiDriver& ui, ui::TextViewer& viewer) {
    SV_FROM_WINDOWS(ui, win32ShownBackground(viewer));
    return viewer.color();
}

bool shownEndInView(UiDriver& ui, ui::TextViewer& viewer) {
    SV_FROM_WINDOWS(ui, win32ShownEndInView(viewer));
    return true;  // without a window nothing scrolls
}

SystemTime shownPickerValue(UiDriver& ui, ui::Control& picker) {
    SV_FROM_WINDOWS(ui, win32ShownPickerValue(picker));
    if (auto* date = dynamic_cast<ui::DatePicker*>(&picker)) return date->date();
    SystemTime t;
    if (auto* time = dynamic_cast<ui::TimePicker*>(&picker)) {
        t.hour = time->time().hour;
        t.minute = time->time().minute;
        t.second = time->time().second;
    }
    return t;
}

std::string shownFolderEdit(UiDriver& ui, ui::FolderEdit& edit) {
    SV_FROM_WINDOWS(ui, win32ShownFolderEdit(edit));
    const ui::FolderBrowseButton& b = edit.browseButton();
    const bool buttonAtRight = b.left() + b.width() == edit.width() - 2 * ui::FolderEdit::kBorder && b.width() > 0;
    return edit.text() + (buttonAtRight ? " [" + b.caption() + "]" : " (no button)");
}

ui::Bitmap shownAnimation(UiDriver& ui, ui::SearchAnimation& animation) {
    SV_FROM_WINDOWS(ui, win32ShownAnimation(animation));
    ui::Color c = ui::kDefaultColor;
    for (const ui::Control* p = &animation; c == ui::kDefaultColor && p; p = p->parent()) c = p->color();
    return animation.picture(ui::rgbPixel(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
}

}  // namespace sv::test
