// Tool bars and status bars.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace sv::ui {

class ImageList;
class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, Separator, DropDown };

// A button of a tool bar. It has no window of its own: the tool bar shows it.
// Caption, enabled, visible and hint (the tool tip) are the Control's.
class ToolButton : public Control {
public:
    ToolButton(ToolBar& owner, std::string name, std::string caption = {},
               ToolButtonStyle style = ToolButtonStyle::Button);
    ~ToolButton() override;
    const char* kind() const override { return "toolbutton"; }

    ToolBar* toolBar() const { return owner_; }
    ToolButtonStyle style() const { return style_; }
    void setStyle(ToolButtonStyle s);
    // The picture from the tool bar's image list; -1 for none.
    int imageIndex() const { return imageIndex_; }
    void setImageIndex(int i);
    // The menu the arrow of a drop-down button opens.
    PopupMenu* dropDownMenu() const { return dropDown_; }
    void setDropDownMenu(PopupMenu* menu) { dropDown_ = menu; }

    // A user clicks the button. A drop-down button without an onClick of its
    // own opens its menu instead.
    void click() override;
    // A user clicks the arrow of a drop-down button: its menu drops down below
    // the button. Returns whether a menu showed. (The button's bounds, within
    // the tool bar, are kept by the backend that lays the buttons out.)
    bool userDropDown();
    // Whether the button takes a click now (it, its tool bar and their parents
    // enabled and showing; separators never).
    bool clickable() const;

private:
    friend class ToolBar;
    void changed() { notify(Prop::Content); }

    ToolBar* owner_;
    ToolButtonStyle style_;
    int imageIndex_ = -1;
    PopupMenu* dropDown_ = nullptr;
};

// A row of flat buttons with captions beside their pictures (or below them,
// with list() off). A tool bar of height 0 shows nothing.
class ToolBar : public Control {
public:
    ToolBar(Control* parent, std::string name);
    ~ToolBar() override;
    const char* kind() const override { return "toolbar"; }

    const std::vector<ToolButton*>& buttons() const { return buttons_; }
    int buttonCount() const { return static_cast<int>(buttons_.size()); }
    ToolButton* button(int i) const { return i >= 0 && i < buttonCount() ? buttons_[static_cast<size_t>(i)] : nullptr; }

    ImageList* images() const { return images_; }
    void setImages(ImageList* images);
    bool list() const { return list_; }
    void setList(bool v);
    bool showCaptions() const { return showCaptions_; }
    void setShowCaptions(bool v);

private:
    friend class ToolButton;
    std::vector<ToolButton*> buttons_;
    ImageList* images_ = nullptr;
    bool list_ = true;
    bool showCaptions_ = true;
};

struct StatusPanel {
    std::string text;
    int width = 50;  // the last panel takes whatever is left
    Control* control = nullptr;
};

// The status bar along the bottom of its parent: one simple text, or panels
// side by side, each with a text or a control of the status bar's own.
class StatusBar : public Control {
public:
    static constexpr int kHeight = 19;
    StatusBar(Control* parent, std::string name);
    const char* kind() const override { return "statusbar"; }

    // Simple: one text across the whole bar instead of the panels.
    bool simplePanel() const { return simple_; }
    void setSimplePanel(bool v);
    const std::string& simpleText() const { return simpleText_; }
    void setSimpleText(const std::string& text);

    const std::vector<StatusPanel>& panels() const { return panels_; }
    int panelCount() const { return static_cast<int>(panels_.size()); }
    int addPanel(int width, const std::string& text = {});
    const std::string& panelText(int index) const;
    void setPanelText(int index, const std::string& text);
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    // Where a panel lies in the bar (from the panels' widths and the bar's width).
    Rect panelRect(int index) const;
    // Backend side: the window system measured a panel's rectangle (it draws
    // borders and a size grip the model does not know of).
    void setMeasuredPanelRect(int index, const Rect& r);

    // Keeps a child control (a progress bar showing a scan's progress) over a
    // panel, at the panel's rectangle less a one-pixel border; null frees the panel.
    void setPanelControl(int index, Control* control);
    Control* panelControl(int index) const;

    // Along the bottom of the parent's client area, full width.
    void alignToParent();

private:
    void checkIndex(int index) const;
    void placeControls();

    bool simple_ = false;
    std::string simpleText_;
    std::vector<StatusPanel> panels_;
    std::vector<Rect> measured_;
};

}  // namespace sv::ui
