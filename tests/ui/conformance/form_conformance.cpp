// Forms as a whole: errors escaping handlers, closing, modal results and the
// key preview, on the headless backend and on real windows.
#include "platform/ui/buttons.h"
#include "platform/ui/form.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

class TestForm : public ui::Form {
public:
    TestForm() : ui::Form("frmTest") {
        setCaption("Test");
        setClientSize(300, 120);
        cmdGo.setCaption("&Go");
        cmdGo.setBounds(10, 10, 80, 25);
        cmdOK.setCaption("OK");
        cmdOK.setBounds(100, 10, 80, 25);
        cmdOK.setModalResult(ui::ModalResult::Ok);
    }
    ui::Button cmdGo{this, "cmdGo"};
    ui::Button cmdOK{this, "cmdOK"};
};

using FormConformance = UiConformance;

TEST_P(FormConformance, AnErrorEscapingAHandlerIsShownAndTheWindowStaysOpen) {
    ui::application().setTitle("Sorvane");
    TestForm form;
    int clicks = 0;
    form.cmdGo.onClick = [&] {
        ++clicks;
        throw PlatformError("Invalid data type for 'DoJunk'");
    };
    form.show();
    m.dlg().expectMessage("Invalid data type for 'DoJunk'", MsgAnswer::Ok);
    ui().click(form.cmdGo);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(form.showing());
    ASSERT_FALSE(m.dlg().shown().empty());
    EXPECT_EQ(m.dlg().shown().back().request.title, "Sorvane");
    EXPECT_EQ(m.dlg().shown().back().request.icon, MsgIcon::Error);
    m.dlg().expectMessage("Invalid data type for 'DoJunk'", MsgAnswer::Ok);
    ui().click(form.cmdGo);  // still works afterwards
    EXPECT_EQ(clicks, 2);
}

TEST_P(FormConformance, CloseQueryCanRefuseAndModalResultsEndTheModalLoop) {
    TestForm form;
    bool allow = false;
    int closeEvents = 0;
    form.onCloseQuery = [&](bool& canClose) { canClose = allow; };
    form.onClose = [&](ui::CloseAction&) { ++closeEvents; };
    ui().expectModalOf<TestForm>([&](TestForm& f) {
        ui().click(f.cmdOK);  // refused by the close query
        EXPECT_TRUE(f.showing());
        allow = true;
        ui().click(f.cmdOK);
        EXPECT_FALSE(f.showing());
    });
    EXPECT_EQ(form.showModal(), ui::ModalResult::Ok);
    EXPECT_EQ(closeEvents, 1);
}

TEST_P(FormConformance, KeyPreviewSeesKeysBeforeTheControls) {
    TestForm form;
    form.setKeyPreview(true);
    std::vector<int> seen;
    form.onKeyDown = [&](int& key, ui::ShiftState) {
        seen.push_back(key);
        if (key == ui::key::F1) key = 0;
    };
    int buttonKeys = 0;
    form.cmdGo.onKeyDown = [&](int&, ui::ShiftState) { ++buttonKeys; };
    form.show();
    ui().pressKey(form.cmdGo, ui::key::F1);
    ui().pressKey(form.cmdGo, ui::key::F2);
    EXPECT_EQ(seen, (std::vector<int>{ui::key::F1, ui::key::F2}));
    EXPECT_EQ(buttonKeys, 1) << "F1 was swallowed by the form";
}

TEST_P(FormConformance, AModelessFormClosedWithFreeGoesAway) {
    auto* form = new TestForm;
    bool destroyed = false;
    form->onDestroy = [&] { destroyed = true; };
    form->onClose = [](ui::CloseAction& action) { action = ui::CloseAction::Free; };
    form->show();
    form->close();
    ui().processMessages();
    EXPECT_TRUE(destroyed);
}

SV_UI_SUITE(FormConformance);

}  // namespace
}  // namespace sv::test
