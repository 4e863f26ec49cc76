// The window toolkit: backend-neutral control objects.
//
// A control object is the single source of truth for its state; reading a
// property never asks a window handle. A backend (headless for tests, Win32 for
// the program) attaches a peer to each control while its form has a handle and
// is told of every change through Peer::changed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/events.h"

namespace sv::ui {

class Form;

// What changed on a control, so that a peer can push just that to its window.
enum class Prop { Caption, Bounds, Visible, Enabled, Font, Color, Style, Content };

// An RGB colour (0x00BBGGRR, as Windows writes it).
using Color = unsigned;
constexpr Color rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr Color kDefaultColor = 0xFF000000;  // "the system's colour for this control"

struct Font {
    std::string name = "Tahoma";
    int size = 8;  // points
    bool bold = false, italic = false, underline = false;
    Color color = kDefaultColor;
};

enum class Cursor { Default, Hand, HourGlass };

class Peer {
public:
    virtual ~Peer() = default;
    virtual void changed(Prop what) = 0;
};

class Control {
public:
    Control(Control* parent, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }
    // The form this control sits on (itself for a form).
    Form* form();
    Control* findChild(const std::string& name);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    bool visible() const { return visible_; }
    void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    Color color() const { return color_; }
    void setColor(Color c);
    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor c) { cursor_ = c; }
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h) { hint_ = h; }

    // Events shared by all controls. Handlers run through the application's
    // dispatch: an error escaping one is shown and the window stays open.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(MouseButton, ShiftState, int x, int y)> onMouseDown;
    std::function<void(MouseButton, ShiftState, int x, int y)> onMouseUp;
    std::function<void(ShiftState, int x, int y)> onMouseMove;
    // `key` may be set to 0 by the handler to swallow the key.
    std::function<void(int& key, ShiftState)> onKeyDown;
    // After the width or height changed, whether the user or code changed it (a
    // form lays out its controls again).
    std::function<void()> onResize;

    // What a user does. The backends call these on real input (after updating the
    // control's own state), and headless tests call them to act as the user.
    virtual void click();
    virtual void userDblClick();
    virtual void userMouseDown(MouseButton b, ShiftState s, int x, int y);
    virtual void userMouseUp(MouseButton b, ShiftState s, int x, int y);
    virtual void userMouseMove(ShiftState s, int x, int y);
    // Returns false when a handler swallowed the key. A menu short cut comes
    // first; then a form with keyPreview sees the key before the control does.
    bool userKeyDown(int key, ShiftState s = {});

    // Keyboard focus: the form remembers which of its controls has it.
    void setFocus();
    bool focused();
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }
    // Whether the control and all its parents are visible.
    bool showingOnScreen() const;

    // The kind of control, for backends and diagnostics ("form", "label", ...).
    virtual const char* kind() const = 0;

    // Backend side.
    Peer* peer() const { return peer_.get(); }
    void attachPeer(std::unique_ptr<Peer> p) { peer_ = std::move(p); }
    void detachPeer() { peer_.reset(); }

protected:
    void notify(Prop what) {
        if (peer_) peer_->changed(what);
    }

private:
    std::string name_;
    Control* parent_;
    std::vector<Control*> children_;
    std::unique_ptr<Peer> peer_;
    std::string caption_, hint_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    Font font_;
    Color color_ = kDefaultColor;
    Cursor cursor_ = Cursor::Default;
    bool tabStop_ = false;
};

// Menu short cuts: the menus install one handler that gets each key pressed on
// a control before anything else; it returns true when a menu item took it.
using ShortCutHandler = bool (*)(Control& target, int key, ShiftState s);
void installShortCutHandler(ShortCutHandler handler);

enum class Alignment { Left, Right, Center };

class Label : public Control {
public:
    using Control::Control;
    const char* kind() const override { return "label"; }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) {
        alignment_ = a;
        notify(Prop::Style);
    }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) {
        transparent_ = t;
        notify(Prop::Style);
    }

private:
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = true;
};

}  // namespace sv::ui
