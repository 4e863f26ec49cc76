#include "support/win32/win32_driver.h"

#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/win32/ui_win32.h"
#include "platform/win32/ui_win32_peer.h"

namespace sv::test {

std::unique_ptr<UiDriver> makeWin32Driver() { return std::make_unique<Win32Driver>(); }

Win32Driver::Win32Driver() : backend_(win32::makeWin32UiBackend()), previous_(ui::installUiBackend(backend_.get())) {}

Win32Driver::~Win32Driver() {
    processMessages();
    if (pendingModals_ > 0) ADD_FAILURE() << "expected modal form never came";
    ui::installUiBackend(previous_);
}

HWND Win32Driver::handle(ui::Control& c) {
    auto* peer = dynamic_cast<win32::Win32Peer*>(c.peer());
    return peer ? peer->hwnd() : nullptr;
}

void Win32Driver::processMessages() { ui::application().processMessages(); }

namespace {
LPARAM at(int x, int y) { return MAKELPARAM(x, y); }
}  // namespace

void Win32Driver::click(ui::Control& c) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    const int x = c.width() / 2, y = c.height() / 2;
    // The pointer is where the click happens, as the controls check on release.
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, WM_MOUSEMOVE, 0, at(x, y));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at(x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, at(x, y));
    processMessages();
}

void Win32Driver::doubleClick(ui::Control& c) {
    click(c);
    HWND h = handle(c);
    const int x = c.width() / 2, y = c.height() / 2;
    SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at(x, y));
    SendMessageW(h, WM_LBUTTONUP, 0, at(x, y));
    processMessages();
}

void Win32Driver::mouseMove(ui::Control& c, int x, int y) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, WM_MOUSEMOVE, 0, at(x, y));
    processMessages();
}

void Win32Driver::mouseDown(ui::Control& c, int x, int y, ui::MouseButton b) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, b == ui::MouseButton::Right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN,
                 b == ui::MouseButton::Right ? MK_RBUTTON : MK_LBUTTON, at(x, y));
    processMessages();
}

void Win32Driver::mouseUp(ui::Control& c, int x, int y, ui::MouseButton b) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    POINT p{x, y};
    ClientToScreen(h, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(h, b == ui::MouseButton::Right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at(x, y));
    processMessages();
}

void Win32Driver::pressKey(ui::Control& c, int virtualKey) {
    HWND h = handle(c);
    ASSERT_NE(h, nullptr) << c.name() << " has no window";
    SetFocus(h);
    // Through the message queue, so that the form's key preview sees it as it would.
    PostMessageW(h, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    PostMessageW(h, WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
    processMessages();
}

void Win32Driver::expectModal(std::function<void(ui::Form&)> script) {
    ++pendingModals_;
    postModalScript(std::move(script), 200);
}

// Posted work runs inside the modal form's own message loop once it is up; if
// it runs before the form comes (some earlier message processing), it waits
// for the next round.
void Win32Driver::postModalScript(std::function<void(ui::Form&)> script, int roundsLeft) {
    ui::uiBackend().post([this, script, roundsLeft] {
        ui::Form* form = ui::Form::topModal();
        if (!form) {
            if (roundsLeft > 0) postModalScript(script, roundsLeft - 1);
            return;
        }
        --pendingModals_;
        script(*form);
        processMessages();
        if (form == ui::Form::topModal() && form->showing()) form->close();
    });
}

}  // namespace sv::test
