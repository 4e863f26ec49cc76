// The headless driver: user actions go straight to the controls' user* entry
// points, which are what the Win32 backend calls on real input.
#pragma once

#include "support/ui_driver.h"

namespace sv::test {

class HeadlessDriver : public UiDriver {
public:
    std::string name() const override { return "headless"; }
    void processMessages() override;

    void click(ui::Control& c) override;
    void doubleClick(ui::Control& c) override;
    void mouseMove(ui::Control& c, int x, int y) override;
    void mouseDown(ui::Control& c, int x, int y, ui::MouseButton b) override;
    void mouseUp(ui::Control& c, int x, int y, ui::MouseButton b) override;
    void pressKey(ui::Control& c, int virtualKey) override;
    void expectModal(std::function<void(ui::Form&)> script) override;

    // Each family of controls defines its own actions in its own file
    // (headless_driver_<family>.cpp).
    void typeText(ui::Control& c, const std::string& text) override;
    void selectItem(ui::Control& c, int index) override;
    void spin(ui::Control& c, bool up) override;
    void setDate(ui::Control& picker, const SystemTime& value) override;
    void checkRow(ui::ListView& lv, int row, bool checked) override;
    void selectRow(ui::ListView& lv, int row, bool extend) override;
    void doubleClickRow(ui::ListView& lv, int row) override;
    void clickColumn(ui::ListView& lv, int column) override;
    void editCaption(ui::ListView& lv, int row, const std::string& text) override;
    void selectTab(ui::PageControl& pc, int index) override;
    void clickToolButton(ui::ToolBar& tb, int index) override;
    void chooseMenuItem(ui::MenuItem& item) override;
    void choosePopupItem(ui::PopupMenu& menu, ui::Control& over, ui::MenuItem& item) override;

private:
    ui::Control* pressed_ = nullptr;  // where the left button went down
};

}  // namespace sv::test
