#include "support/headless_driver.h"

#include "platform/sim/headless_ui.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace sv::test {

std::unique_ptr<UiDriver> makeHeadlessDriver() { return std::make_unique<HeadlessDriver>(); }

void UiConformance::SetUp() {
    ui::application().reset();
    ui::headlessUi().reset();
    driver_ = GetParam().make();
}

void UiConformance::TearDown() {
    driver_.reset();
    for (const auto& p : ui::headlessUi().problems()) ADD_FAILURE() << "window: " << p;
    for (const auto& p : m.dlg().problems()) ADD_FAILURE() << "dialog: " << p;
    for (const auto& u : m.dlg().unusedExpectations()) ADD_FAILURE() << "expected dialog never came: " << u;
}

void HeadlessDriver::processMessages() { ui::application().processMessages(); }

void HeadlessDriver::click(ui::Control& c) {
    if (!c.enabled() || !c.showingOnScreen()) return;
    const int x = c.width() / 2, y = c.height() / 2;
    c.userMouseDown(ui::MouseButton::Left, {}, x, y);
    c.userMouseUp(ui::MouseButton::Left, {}, x, y);
    c.click();
}

void HeadlessDriver::doubleClick(ui::Control& c) {
    click(c);
    c.userDblClick();
}

void HeadlessDriver::mouseMove(ui::Control& c, int x, int y) {
    // The pointer is over this control now and over no other picture.
    if (auto* p = dynamic_cast<ui::Picture*>(&c)) {
        if (ui::Form* f = c.form()) {
            std::function<void(ui::Control&)> leaveOthers = [&](ui::Control& parent) {
                for (ui::Control* child : parent.children()) {
                    if (auto* other = dynamic_cast<ui::Picture*>(child); other && other != p) other->userMouseExit();
                    leaveOthers(*child);
                }
            };
            leaveOthers(*f);
        }
        p->userMouseEnter();
    }
    c.userMouseMove({}, x, y);
}

void HeadlessDriver::mouseDown(ui::Control& c, int x, int y, ui::MouseButton b) {
    if (b == ui::MouseButton::Left) pressed_ = &c;
    c.userMouseDown(b, {}, x, y);
}

void HeadlessDriver::mouseUp(ui::Control& c, int x, int y, ui::MouseButton b) {
    const bool wasPressed = b == ui::MouseButton::Left && pressed_ == &c;
    if (b == ui::MouseButton::Left) pressed_ = nullptr;
    c.userMouseUp(b, {}, x, y);
    // As on screen: a press and a release over the same control make a click.
    if (wasPressed && x >= 0 && y >= 0 && x < c.width() && y < c.height()) c.click();
}
void HeadlessDriver::pressKey(ui::Control& c, int virtualKey) { c.userKeyDown(virtualKey); }

void HeadlessDriver::expectModal(std::function<void(ui::Form&)> script) {
    ui::headlessUi().expectModal<ui::Form>(std::move(script));
}

}  // namespace sv::test
