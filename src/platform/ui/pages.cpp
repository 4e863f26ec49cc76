#include "platform/ui/pages.h"

#include <algorithm>

#include "platform/ui/application.h"

namespace sv::ui {

// --- TabSheet ------------------------------------------------------------------

TabSheet::TabSheet(PageControl& owner, std::string name, std::string caption)
    : Control(&owner, std::move(name)), owner_(&owner) {
    setCaption(caption);
    // Pages other than the active one are hidden; the owner shows this one if
    // it becomes active.
    setVisible(false);
    owner.add(this);
}

TabSheet::~TabSheet() {
    if (owner_) owner_->remove(this);
}

void TabSheet::setTabVisible(bool v) {
    if (tabVisible_ == v) return;
    tabVisible_ = v;
    if (owner_) owner_->tabShownOrHidden(this);
}

int TabSheet::pageIndex() const {
    if (!owner_) return -1;
    const auto& pages = owner_->pages();
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

int TabSheet::tabIndex() const {
    if (!owner_ || !tabVisible_) return -1;
    int index = 0;
    for (TabSheet* p : owner_->pages()) {
        if (p == this) return index;
        if (p->tabVisible()) ++index;
    }
    return -1;
}

// --- PageControl ------------------------------------------------------------------

PageControl::~PageControl() {
    for (TabSheet* p : pages_) p->owner_ = nullptr;
}

TabSheet* PageControl::page(int index) const {
    return index >= 0 && index < pageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

std::vector<TabSheet*> PageControl::tabs() const {
    std::vector<TabSheet*> out;
    for (TabSheet* p : pages_)
        if (p->tabVisible()) out.push_back(p);
    return out;
}

Rect PageControl::displayRect() const {
    if (measured_) return display_;
    // The tab row's height for the default font, with the frame around the pages.
    constexpr int kTabHeight = 22, kFrame = 4;
    return {kFrame, kTabHeight + kFrame, std::max(kFrame, width() - kFrame), std::max(kTabHeight + kFrame, height() - kFrame)};
}

void PageControl::setDisplayRect(const Rect& r) {
    measured_ = true;
    display_ = r;
    for (TabSheet* p : pages_) p->setBounds(r.left, r.top, r.width(), r.height());
}

void PageControl::add(TabSheet* page) {
    pages_.push_back(page);
    const Rect r = displayRect();
    page->setBounds(r.left, r.top, r.width(), r.height());
    tabsChanged();
    // A page control always shows a page while it has one that can be shown.
    if (!active_ && page->tabVisible()) setActivePage(page);
}

void PageControl::remove(TabSheet* page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (active_ == page) {
        active_ = nullptr;
        const auto shown = tabs();
        if (!shown.empty()) setActivePage(shown.front());
    }
    tabsChanged();
}

void PageControl::tabShownOrHidden(TabSheet* page) {
    tabsChanged();
    if (page->tabVisible()) {
        if (!active_) setActivePage(page);
        return;
    }
    if (active_ != page) return;
    // The page whose tab went away cannot stay in front: the next tab shown
    // (else the previous one) takes its place.
    TabSheet* next = nullptr;
    const int at = page->pageIndex();
    for (int i = at + 1; i < pageCount() && !next; ++i)
        if (pages_[static_cast<size_t>(i)]->tabVisible()) next = pages_[static_cast<size_t>(i)];
    for (int i = at - 1; i >= 0 && !next; --i)
        if (pages_[static_cast<size_t>(i)]->tabVisible()) next = pages_[static_cast<size_t>(i)];
    setActivePage(next);
}

void PageControl::setActivePage(TabSheet* page) {
    if (page && (page->pageControl() != this || !page->tabVisible())) page = nullptr;
    if (page == active_) return;
    TabSheet* old = active_;
    active_ = page;
    if (page) {
        const Rect r = displayRect();
        page->setBounds(r.left, r.top, r.width(), r.height());
        page->setVisible(true);
    }
    if (old) old->setVisible(false);
    notify(Prop::Style);
}

bool PageControl::userCanChange(TabSheet* target) {
    if (!enabled()) return false;
    if (target && (target == active_ || target->pageControl() != this || !target->tabVisible() || !target->enabled()))
        return false;
    bool allow = true;
    if (onChanging) application().dispatch([&] { onChanging(allow); });
    return allow;
}

void PageControl::userChanged(TabSheet* page) {
    if (!page || page == active_ || page->pageControl() != this || !page->tabVisible()) return;
    setActivePage(page);
    if (onChange) application().dispatch(onChange);
}

bool PageControl::userSelectTab(int tabIndex) {
    const auto shown = tabs();
    if (tabIndex < 0 || tabIndex >= static_cast<int>(shown.size())) return false;
    TabSheet* target = shown[static_cast<size_t>(tabIndex)];
    if (!userCanChange(target)) return false;
    userChanged(target);
    return active_ == target;
}

}  // namespace sv::ui
