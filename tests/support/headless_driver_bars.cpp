// Pages, bars and menus as a user works them, through the controls' user*
// entry points.
#include "platform/ui/bars.h"
#include "platform/ui/menus.h"
#include "platform/ui/pages.h"
#include "support/headless_driver.h"

namespace sv::test {

#ifdef _WIN32
// The same read from the real windows (win32_driver_bars.cpp).
std::string win32ShownTabs(ui::PageControl& pc);
bool win32ShownVisible(ui::Control& c);
std::string win32ShownToolBar(ui::ToolBar& tb);
std::string win32ShownMenuBar(ui::Form& form);
std::string win32ShownStatus(ui::StatusBar& sb);
#define SV_FROM_WINDOWS(ui, call) \
    if ((ui).name() == "win32") return call
#else
#define SV_FROM_WINDOWS(ui, call)
#endif

// `index` counts the tabs a user sees (hidden tabs have none).
void HeadlessDriver::selectTab(ui::PageControl& pc, int index) {
    if (!pc.showingOnScreen()) return;
    pc.userSelectTab(index);
}

void HeadlessDriver::clickToolButton(ui::ToolBar& tb, int index) {
    ui::ToolButton* b = tb.button(index);
    ASSERT_NE(b, nullptr) << tb.name() << " has no button " << index;
    b->click();
}

// The item's menu must be open for a choice: its sub-menus open on the way
// (each parent's onClick fires as it opens), then the item is chosen.
void HeadlessDriver::chooseMenuItem(ui::MenuItem& item) {
    std::vector<ui::MenuItem*> path;
    for (ui::MenuItem* p = item.parent(); p; p = p->parent()) path.insert(path.begin(), p);
    for (ui::MenuItem* p : path) {
        if (!p->usable()) return;
        p->userClick();
    }
    item.userClick();
    processMessages();
}

// A drop-down tool button opens its menu from its arrow; anything else by a
// right click.
void HeadlessDriver::choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) {
    bool shown = false;
    if (auto* b = dynamic_cast<ui::ToolButton*>(&over); b && b->dropDownMenu() == &menu) {
        shown = b->userDropDown();
    } else {
        if (!over.enabled() || !over.showingOnScreen()) return;
        const int x = over.width() / 2, y = over.height() / 2;
        over.userMouseDown(ui::MouseButton::Right, {}, x, y);
        over.userMouseUp(ui::MouseButton::Right, {}, x, y);
        shown = ui::PopupMenu::userContextMenu(over, x, y) == &menu;
    }
    if (!shown) return;
    for (ui::MenuItem* p = item.parent(); p; p = p->parent())
        if (!p->usable()) return;
    item.userClick();
    processMessages();
}

// --- what the windows show (headless: the controls' own state) --------------------------

std::string shownTabs(UiDriver& ui, ui::PageControl& pc) {
    SV_FROM_WINDOWS(ui, win32ShownTabs(pc));
    std::string out;
    for (ui::TabSheet* p : pc.tabs()) out += (out.empty() ? "" : " | ") + std::string(p == pc.activePage() ? "*" : "") + p->caption();
    return out;
}

bool shownVisible(UiDriver& ui, ui::Control& c) {
    SV_FROM_WINDOWS(ui, win32ShownVisible(c));
    return c.showingOnScreen();
}

std::string shownToolBar(UiDriver& ui, ui::ToolBar& tb) {
    SV_FROM_WINDOWS(ui, win32ShownToolBar(tb));
    std::string out;
    for (ui::ToolButton* b : tb.buttons()) {
        if (!b->visible()) continue;
        std::string text = b->style() == ui::ToolButtonStyle::Separator ? "-" : b->caption();
        if (b->style() == ui::ToolButtonStyle::DropDown) text += " v";
        if (!b->enabled() && b->style() != ui::ToolButtonStyle::Separator) text = "(" + text + ")";
        out += (out.empty() ? "" : " | ") + text;
    }
    return out;
}

namespace {
std::string shownItems(const std::vector<ui::MenuItem*>& items, const char* separator) {
    std::string out;
    for (ui::MenuItem* i : items) {
        if (!i->visible()) continue;
        std::string text = i->caption();
        if (!i->isSeparator()) {
            if (!i->shortCut().empty()) text += "\t" + i->shortCutText();
            if (i->checked()) text = "*" + text;
            if (!i->enabled()) text = "(" + text + ")";
            if (i->count()) text += "[" + shownItems(i->items(), ", ") + "]";
        }
        out += (out.empty() ? "" : separator) + text;
    }
    return out;
}
}  // namespace

std::string shownMenuBar(UiDriver& ui, ui::Form& form) {
    SV_FROM_WINDOWS(ui, win32ShownMenuBar(form));
    ui::MainMenu* menu = ui::MainMenu::of(form);
    return menu ? shownItems(menu->items(), " | ") : "";
}

std::string shownStatus(UiDriver& ui, ui::StatusBar& sb) {
    SV_FROM_WINDOWS(ui, win32ShownStatus(sb));
    if (sb.simplePanel()) return sb.simpleText();
    std::string out;
    for (int i = 0; i < sb.panelCount(); ++i) out += (i ? " | " : "") + sb.panelText(i);
    return out;
}

}  // namespace sv::test
