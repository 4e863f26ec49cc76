// Input as the toolkit reports it: mouse buttons, key codes, modifier keys.
#pragma once

namespace sv::ui {

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool shift = false, ctrl = false, alt = false;
};

// Virtual-key codes, with the numbers Windows gives them.
namespace key {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
constexpr int PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24;
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74;
}  // namespace key

// The result a modal form ends with.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

}  // namespace sv::ui
