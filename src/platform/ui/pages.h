// Page controls: a row of tabs over a stack of pages, one page showing at a time.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace sv::ui {

class PageControl;

// One page of a page control. Its children show only while it is the active page:
// the page control keeps exactly the active page visible. The page's caption is
// its tab's text.
class TabSheet : public Control {
public:
    TabSheet(PageControl& owner, std::string name, std::string caption = {});
    ~TabSheet() override;
    const char* kind() const override { return "tabsheet"; }

    PageControl* pageControl() const { return owner_; }
    // A hidden tab is not shown at all and its page cannot be selected.
    bool tabVisible() const { return tabVisible_; }
    void setTabVisible(bool v);
    // Position among all pages, and among the tabs shown (-1 when its tab is hidden).
    int pageIndex() const;
    int tabIndex() const;

private:
    friend class PageControl;
    PageControl* owner_;
    bool tabVisible_ = true;
};

// A disabled page (setEnabled(false) on the TabSheet) refuses to be selected
// and its controls take no input.
class PageControl : public Control {
public:
    using Control::Control;
    ~PageControl() override;
    const char* kind() const override { return "pagecontrol"; }

    const std::vector<TabSheet*>& pages() const { return pages_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet* page(int index) const;
    // The pages whose tabs are shown, in order: what a user sees.
    std::vector<TabSheet*> tabs() const;

    TabSheet* activePage() const { return active_; }
    int activePageIndex() const { return active_ ? active_->pageIndex() : -1; }
    // Setting the page from code fires neither onChanging nor onChange. A page
    // whose tab is hidden, or null, leaves no page showing.
    void setActivePage(TabSheet* page);
    void setActivePageIndex(int index) { setActivePage(page(index)); }

    // The rectangle of the pages inside the control (its client area less the tabs).
    Rect displayRect() const;
    // Backend side: the window system measured the pages' rectangle; every page
    // takes it.
    void setDisplayRect(const Rect& r);

    // Before a user's change of page; clearing `allowChange` keeps the old page.
    std::function<void(bool& allowChange)> onChanging;
    // After a user's change of page.
    std::function<void()> onChange;

    // A user clicks the tab at `tabIndex` (counting the tabs shown). Returns
    // whether the page changed.
    bool userSelectTab(int tabIndex);
    // The two halves of a user's change, for backends that see them apart:
    // whether the page may change to `target` (asks onChanging; null when the
    // target is not known yet), then the change.
    bool userCanChange(TabSheet* target);
    void userChanged(TabSheet* page);

private:
    friend class TabSheet;
    void add(TabSheet* page);
    void remove(TabSheet* page);
    void tabShownOrHidden(TabSheet* page);
    // Tells the backend that the row of tabs changed (a tab added, removed,
    // shown, hidden or renamed).
    void tabsChanged() { notify(Prop::Content); }

    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
    bool measured_ = false;
    Rect display_;
};

}  // namespace sv::ui
