#include "platform/ui/bars.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/application.h"
#include "platform/ui/menus.h"

namespace sv::ui {

// --- ToolButton ---------------------------------------------------------------------

ToolButton::ToolButton(ToolBar& owner, std::string name, std::string caption, ToolButtonStyle style)
    : Control(&owner, std::move(name)), owner_(&owner), style_(style) {
    setCaption(caption);
    owner.buttons_.push_back(this);
    owner.notify(Prop::Content);
}

ToolButton::~ToolButton() {
    // This button's own (window-less) peer goes first: it reports to the tool bar.
    detachPeer();
    if (owner_) {
        auto& b = owner_->buttons_;
        b.erase(std::remove(b.begin(), b.end(), this), b.end());
        owner_->notify(Prop::Content);
    }
}

void ToolButton::setStyle(ToolButtonStyle s) {
    if (style_ == s) return;
    style_ = s;
    changed();
}

void ToolButton::setImageIndex(int i) {
    if (imageIndex_ == i) return;
    imageIndex_ = i;
    changed();
}

bool ToolButton::clickable() const {
    return owner_ && style_ != ToolButtonStyle::Separator && enabled() && owner_->enabled() && showingOnScreen() &&
           owner_->height() > 0;
}

void ToolButton::click() {
    if (!clickable()) return;
    if (style_ == ToolButtonStyle::DropDown && !onClick) {
        userDropDown();
        return;
    }
    if (onClick) application().dispatch(onClick);
}

bool ToolButton::userDropDown() {
    if (!clickable() || style_ != ToolButtonStyle::DropDown || !dropDown_) return false;
    // From the button's lower left corner.
    dropDown_->popupAt(*this, 0, height());
    return true;
}

// --- ToolBar ------------------------------------------------------------------------

ToolBar::ToolBar(Control* parent, std::string name) : Control(parent, std::move(name)) {}

ToolBar::~ToolBar() {
    for (ToolButton* b : buttons_) b->owner_ = nullptr;
}

void ToolBar::setImages(ImageList* images) {
    images_ = images;
    notify(Prop::Content);
}

void ToolBar::setList(bool v) {
    if (list_ == v) return;
    list_ = v;
    notify(Prop::Style);
}

void ToolBar::setShowCaptions(bool v) {
    if (showCaptions_ == v) return;
    showCaptions_ = v;
    notify(Prop::Style);
}

// --- StatusBar ----------------------------------------------------------------------

StatusBar::StatusBar(Control* parent, std::string name) : Control(parent, std::move(name)) { alignToParent(); }

void StatusBar::alignToParent() {
    if (Control* p = parent()) setBounds(0, std::max(0, p->height() - kHeight), p->width(), kHeight);
    placeControls();
}

void StatusBar::checkIndex(int index) const {
    if (index < 0 || index >= panelCount()) throw std::out_of_range("No status bar panel " + std::to_string(index) + ".");
}

void StatusBar::setSimplePanel(bool v) {
    if (simple_ == v) return;
    simple_ = v;
    notify(Prop::Content);
    placeControls();
}

void StatusBar::setSimpleText(const std::string& text) {
    if (simpleText_ == text) return;
    simpleText_ = text;
    notify(Prop::Content);
}

int StatusBar::addPanel(int width, const std::string& text) {
    panels_.push_back({text, width, nullptr});
    measured_.clear();
    notify(Prop::Content);
    placeControls();
    return panelCount() - 1;
}

const std::string& StatusBar::panelText(int index) const {
    checkIndex(index);
    return panels_[static_cast<size_t>(index)].text;
}

void StatusBar::setPanelText(int index, const std::string& text) {
    checkIndex(index);
    auto& p = panels_[static_cast<size_t>(index)];
    if (p.text == text) return;
    p.text = text;
    notify(Prop::Content);
}

int StatusBar::panelWidth(int index) const {
    checkIndex(index);
    return panels_[static_cast<size_t>(index)].width;
}

void StatusBar::setPanelWidth(int index, int width) {
    checkIndex(index);
    panels_[static_cast<size_t>(index)].width = width;
    measured_.clear();
    notify(Prop::Content);
    placeControls();
}

Rect StatusBar::panelRect(int index) const {
    checkIndex(index);
    if (static_cast<size_t>(index) < measured_.size()) return measured_[static_cast<size_t>(index)];
    int left = 0;
    for (int i = 0; i < index; ++i) left += panels_[static_cast<size_t>(i)].width;
    const int right = index == panelCount() - 1 ? std::max(left, width()) : left + panels_[static_cast<size_t>(index)].width;
    return {left, 0, right, height()};
}

void StatusBar::setMeasuredPanelRect(int index, const Rect& r) {
    checkIndex(index);
    if (measured_.size() < panels_.size()) measured_.resize(panels_.size());
    measured_[static_cast<size_t>(index)] = r;
    placeControls();
}

void StatusBar::setPanelControl(int index, Control* control) {
    checkIndex(index);
    if (control && control->parent() != this)
        throw std::invalid_argument("A status bar panel can only hold a control of the status bar.");
    panels_[static_cast<size_t>(index)].control = control;
    placeControls();
}

Control* StatusBar::panelControl(int index) const {
    checkIndex(index);
    return panels_[static_cast<size_t>(index)].control;
}

void StatusBar::placeControls() {
    for (int i = 0; i < panelCount(); ++i) {
        Control* c = panels_[static_cast<size_t>(i)].control;
        if (!c) continue;
        // Gone from the status bar (destroyed or moved): the panel forgets it.
        if (std::find(children().begin(), children().end(), c) == children().end()) {
            panels_[static_cast<size_t>(i)].control = nullptr;
            continue;
        }
        const Rect r = panelRect(i);
        c->setBounds(r.left + 1, r.top + 1, std::max(0, r.width() - 2), std::max(0, r.height() - 2));
    }
}

}  // namespace sv::ui
