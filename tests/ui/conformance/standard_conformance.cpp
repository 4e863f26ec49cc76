// Buttons, check boxes, radio buttons, edits, up-downs, combo and list boxes,
// worked as a user would, on every backend.
#include <string>
#include <vector>

#include "platform/sim/headless_ui.h"
#include "platform/ui/buttons.h"
#include "platform/ui/edits.h"
#include "platform/ui/form.h"
#include "support/ui_driver.h"

namespace sv::test {
namespace {

using namespace sv::ui;

class StandardControls : public UiConformance {
protected:
    // Shows `form` modally while `user` acts on it; returns how it closed.
    ModalResult showModalWhile(Form& form, std::function<void()> user) {
        if (ui().name() == "headless") {
            headlessUi().expectModal<Form>([user](Form&) { user(); });
        } else {
            uiBackend().post([&form, user] {
                user();
                if (form.showing()) {
                    ADD_FAILURE() << "the form is still open";
                    form.close();
                }
            });
        }
        return form.showModal();
    }
};

TEST_P(StandardControls, ButtonClickRunsOnClickOnceAndItsModalResultClosesTheForm) {
    Form dlg("frmAsk");
    dlg.setClientSize(240, 100);
    Button go(&dlg, "cmdGo"), ok(&dlg, "cmdOK");
    go.setCaption("&Go");
    go.setBounds(10, 60, 75, 25);
    ok.setCaption("OK");
    ok.setBounds(100, 60, 75, 25);
    ok.setModalResult(ModalResult::Ok);
    int goClicks = 0, okClicks = 0;
    bool openDuringOkClick = false;
    go.onClick = [&] { ++goClicks; };
    ok.onClick = [&] {
        ++okClicks;
        openDuringOkClick = dlg.showing();
    };

    const ModalResult result = showModalWhile(dlg, [&] {
        ui().click(go);
        EXPECT_TRUE(dlg.showing()) << "a button without a modal result leaves the form open";
        ui().click(ok);
    });

    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(goClicks, 1);
    EXPECT_EQ(okClicks, 1);
    EXPECT_TRUE(openDuringOkClick) << "onClick runs before the form closes";
    EXPECT_FALSE(dlg.showing());
}

TEST_P(StandardControls, EnterAndEscapeInAnEditPressTheDefaultAndCancelButtons) {
    struct Case {
        int key;
        ModalResult expected;
    };
    for (const Case& c : {Case{key::Return, ModalResult::Ok}, Case{key::Escape, ModalResult::Cancel}}) {
        Form dlg("frmName");
        dlg.setClientSize(240, 100);
        Edit name(&dlg, "txtName");
        name.setBounds(10, 10, 200, 21);
        Button ok(&dlg, "cmdOK"), cancel(&dlg, "cmdCancel");
        ok.setBounds(10, 60, 75, 25);
        ok.setModalResult(ModalResult::Ok);
        ok.setDefault(true);
        cancel.setBounds(100, 60, 75, 25);
        cancel.setModalResult(ModalResult::Cancel);
        cancel.setCancel(true);
        int okClicks = 0, cancelClicks = 0;
        ok.onClick = [&] { ++okClicks; };
        cancel.onClick = [&] { ++cancelClicks; };
        EXPECT_EQ(dlg.defaultButton(), &ok);
        EXPECT_EQ(dlg.cancelButton(), &cancel);

        const ModalResult result = showModalWhile(dlg, [&] {
            ui().typeText(name, "x");
            ui().pressKey(name, c.key);
        });

        EXPECT_EQ(result, c.expected) << "key " << c.key;
        EXPECT_EQ(okClicks, c.key == key::Return ? 1 : 0);
        EXPECT_EQ(cancelClicks, c.key == key::Escape ? 1 : 0);
        EXPECT_EQ(name.text(), "x");
    }
}

TEST_P(StandardControls, CheckBoxTogglesOnAClickAndNotWhenCodeSetsIt) {
    Form f("frmOptions");
    f.setClientSize(240, 100);
    CheckBox confirm(&f, "cbConfirm");
    confirm.setCaption("&Confirm before removing files");
    confirm.setBounds(10, 10, 200, 17);
    std::vector<bool> seen;
    confirm.onClick = [&] { seen.push_back(confirm.checked()); };
    f.show();

    ui().click(confirm);
    ui().click(confirm);
    ui().click(confirm);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true})) << "the handler sees the new state";
    EXPECT_TRUE(confirm.checked());

    confirm.setChecked(false);
    EXPECT_EQ(seen.size(), 3u);
    ui().click(confirm);
    EXPECT_TRUE(confirm.checked()) << "a click after a change from code starts from that state";

    confirm.setEnabled(false);
    ui().click(confirm);
    EXPECT_TRUE(confirm.checked()) << "a disabled box does not toggle";
    EXPECT_EQ(seen.size(), 4u);
}

TEST_P(StandardControls, RadioButtonsWithTheSameParentFormOneGroup) {
    Form f("frmRemoval");
    f.setClientSize(320, 200);
    RadioButton recycle(&f, "optRecycle"), del(&f, "optDelete");
    recycle.setCaption("&Move removed files to recycle bin");
    recycle.setBounds(10, 10, 250, 17);
    del.setCaption("&Permanently delete removed files");
    del.setBounds(10, 30, 250, 17);
    GroupBox group(&f, "grpFiles");
    group.setCaption("Files to look at");
    group.setBounds(10, 60, 250, 80);
    RadioButton all(&group, "optAllFiles"), named(&group, "optNamed");
    all.setCaption("&All Files");
    all.setBounds(10, 20, 200, 17);
    named.setCaption("&Files Named...");
    named.setBounds(10, 45, 200, 17);
    recycle.setChecked(true);
    all.setChecked(true);
    std::vector<std::string> clicks;
    for (RadioButton* r : {&recycle, &del, &all, &named}) r->onClick = [&clicks, r] { clicks.push_back(r->name()); };
    f.show();

    ui().click(del);
    EXPECT_TRUE(del.checked());
    EXPECT_FALSE(recycle.checked());
    EXPECT_TRUE(all.checked()) << "the group box's buttons are a group of their own";

    ui().click(named);  // its notification goes to the group box's window
    EXPECT_TRUE(named.checked());
    EXPECT_FALSE(all.checked());
    EXPECT_TRUE(del.checked());

    ui().click(named);  // already chosen: nothing happens
    recycle.setChecked(true);  // from code: unchecks the group, runs nothing
    EXPECT_FALSE(del.checked());
    EXPECT_EQ(clicks, (std::vector<std::string>{"optDelete", "optNamed"}));
}

TEST_P(StandardControls, TypingIntoAnEditKeepsTheTextInTheObjectAndRunsOnChange) {
    Form f("frmEdit");
    f.setClientSize(300, 150);
    Edit name(&f, "EditDescript"), code(&f, "txtCode"), memo(&f, "mmoHint");
    name.setBounds(10, 10, 200, 21);
    code.setBounds(10, 40, 200, 21);
    code.setMaxLength(3);
    memo.setBounds(10, 70, 200, 60);
    memo.setMultiLine(true);
    memo.setScrollBars(ScrollBars::Vertical);
    memo.setReadOnly(true);
    memo.setText("Hints\nand tips");
    std::vector<std::string> seen;
    name.onChange = [&] { seen.push_back(name.text()); };
    f.show();

    ui().typeText(name, "Tax");
    EXPECT_EQ(name.text(), "Tax");
    EXPECT_EQ(seen, (std::vector<std::string>{"T", "Ta", "Tax"})) << "one change per typed character";

    seen.clear();
    name.setText("Set by code");
    EXPECT_EQ(seen, (std::vector<std::string>{"Set by code"})) << "setText runs onChange too";
    ui().typeText(name, "");
    EXPECT_EQ(name.text(), "");

    ui().typeText(code, "abcdef");
    EXPECT_EQ(code.text(), "abc") << "typing stops at maxLength";

    ui().typeText(memo, "lost");
    EXPECT_EQ(memo.text(), "Hints\nand tips") << "a read-only edit takes no typing";
    EXPECT_EQ(memo.caption(), "") << "the text is not the caption";
}

TEST_P(StandardControls, MaskedEditRefusesWhatItsMaskDoesNotAllow) {
    Form f("frmJunk");
    f.setClientSize(200, 100);
    MaskedEdit days(&f, "meDays");
    days.setBounds(10, 10, 60, 21);
    days.setMask("!999;1;_");
    days.setText(" 30");
    f.show();

    struct Case {
        const char* typed;
        const char* expected;
    };
    for (const Case& c : {Case{"1a2b", "12"}, Case{"12345", "123"}, Case{"x", "123"}, Case{" 7", " 7"}}) {
        ui().typeText(days, c.typed);
        EXPECT_EQ(days.text(), c.expected) << "typed " << c.typed;
    }

    MaskedEdit date(&f, "meDate");
    date.setMask("00/00");
    EXPECT_TRUE(date.accepts("12/3"));
    EXPECT_FALSE(date.accepts("123"));
    EXPECT_FALSE(date.accepts("12/345"));
}

TEST_P(StandardControls, UpDownStepsItsPositionAndKeepsTheEditInStep) {
    Form f("frmJunk");
    f.setClientSize(200, 100);
    MaskedEdit days(&f, "meDays");
    days.setMask("999");
    days.setBounds(10, 10, 45, 21);
    UpDown ud(&f, "udDays");
    ud.setBounds(55, 10, 17, 21);
    ud.setRange(0, 999);
    ud.setPosition(30);
    ud.associate(days);
    EXPECT_EQ(days.text(), "30");
    std::vector<UDButton> clicks;
    ud.onClick = [&](UDButton b) { clicks.push_back(b); };
    int edits = 0;
    days.onChange = [&] { ++edits; };
    f.show();

    ui().spin(ud, true);
    EXPECT_EQ(ud.position(), 31);
    EXPECT_EQ(days.text(), "31");
    EXPECT_EQ(edits, 1) << "the edit's onChange runs as its text follows";

    ui().typeText(days, "998");  // a typed number is where the next step starts
    ui().spin(ud, true);
    ui().spin(ud, true);  // at the end: nothing moves, no click
    EXPECT_EQ(ud.position(), 999);
    EXPECT_EQ(days.text(), "999");
    ui().spin(ud, false);
    EXPECT_EQ(ud.position(), 998);
    EXPECT_EQ(clicks, (std::vector<UDButton>{UDButton::Up, UDButton::Up, UDButton::Down}));

    ud.onChanging = [](bool& allow) { allow = false; };
    ui().spin(ud, false);
    EXPECT_EQ(ud.position(), 998) << "onChanging refused the step";
}

TEST_P(StandardControls, SpinEditStepsAndKeepsItsValueInRange) {
    Form f("frmPrivacy");
    f.setClientSize(200, 100);
    SpinEdit history(&f, "seHistory");
    history.setBounds(10, 10, 50, 21);
    history.setRange(0, 99);
    history.setValue(20);
    int changes = 0;
    history.onChange = [&] { ++changes; };
    f.show();

    ui().spin(history, true);
    EXPECT_EQ(history.value(), 21);
    EXPECT_EQ(history.text(), "21");
    EXPECT_EQ(changes, 1);
    ui().spin(history, false);
    ui().spin(history, false);
    EXPECT_EQ(history.value(), 19);

    ui().typeText(history, "150");
    EXPECT_EQ(history.value(), 99) << "a typed number beyond max counts as max";
    ui().typeText(history, "x-");
    EXPECT_EQ(history.text(), "150") << "only digits can be typed";
    history.setValue(-5);
    EXPECT_EQ(history.value(), 0);
}

TEST_P(StandardControls, ComboBoxChoiceAndTyping) {
    Form f("frmStartupEdit");
    f.setClientSize(300, 120);
    ComboBox loc(&f, "cbLoc"), name(&f, "cbName");
    loc.setStyle(ComboStyle::DropDownList);
    loc.setBounds(10, 10, 200, 21);
    loc.setItems({"HKLM Run", "HKCU Run", "StartUp folder"});
    loc.setItemIndex(0);
    name.setBounds(10, 50, 200, 21);
    name.setItems({"Alpha", "Beta"});
    int locChanges = 0, nameChanges = 0, nameSelects = 0;
    loc.onChange = [&] { ++locChanges; };
    name.onChange = [&] { ++nameChanges; };
    name.onSelect = [&] { ++nameSelects; };
    f.show();

    ui().selectItem(loc, 2);
    EXPECT_EQ(loc.itemIndex(), 2);
    EXPECT_EQ(loc.text(), "StartUp folder");
    EXPECT_EQ(locChanges, 1) << "without onSelect a choice runs onChange";

    ui().selectItem(name, 1);
    EXPECT_EQ(name.text(), "Beta");
    EXPECT_EQ(nameSelects, 1);
    EXPECT_EQ(nameChanges, 0) << "with onSelect a choice runs only that";

    ui().typeText(name, "Gamma");
    EXPECT_EQ(name.text(), "Gamma");
    EXPECT_EQ(name.itemIndex(), -1);
    EXPECT_EQ(nameChanges, 5);

    loc.setText("hkcu run");
    EXPECT_EQ(loc.itemIndex(), 1) << "a drop-down list's text chooses its item";
    EXPECT_EQ(locChanges, 1) << "code runs no event";
}

TEST_P(StandardControls, SortedListBoxOrdersItemsIgnoringCaseAndReportsClicks) {
    Form f("frmList");
    f.setClientSize(300, 200);
    ListBox list(&f, "lstNames"), multi(&f, "lstMulti");
    list.setBounds(10, 10, 120, 150);
    list.setSorted(true);
    for (const char* s : {"beta", "Alpha", "gamma", "Delta", "alpha2"}) list.addItem(s);
    multi.setBounds(150, 10, 120, 150);
    multi.setMultiSelect(true);
    multi.setItems({"one", "two", "three"});
    multi.setSelected(0, true);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    f.show();

    EXPECT_EQ(list.items(), (std::vector<std::string>{"Alpha", "alpha2", "beta", "Delta", "gamma"}));
    ui().selectItem(list, 3);
    EXPECT_EQ(list.itemIndex(), 3);
    EXPECT_TRUE(list.selected(3));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.addItem("Charlie"), 3);
    EXPECT_EQ(list.itemIndex(), 4) << "the chosen item stays chosen as others come before it";

    ui().selectItem(multi, 2);
    EXPECT_EQ(multi.selCount(), 1) << "a plain click selects just that item";
    EXPECT_TRUE(multi.selected(2));
    multi.setSelected(1, true);
    EXPECT_EQ(multi.selCount(), 2);
}

SV_UI_SUITE(StandardControls);

TEST(AccessKeys, TheMarkedLetterFindsAShowingEnabledButtonOfTheForm) {
    EXPECT_EQ(accessKeyOf("&Help"), U'H');
    EXPECT_EQ(accessKeyOf("Find && Replace"), 0u) << "&& is a literal ampersand";
    EXPECT_EQ(accessKeyOf("Save && E&xit"), U'x');
    EXPECT_EQ(accessKeyOf("&\xc3\x9c" "bersicht"), U'\u00dc');

    Form f("frmKeys");
    GroupBox group(&f, "grp");
    Button help(&f, "cmdHelp"), hidden(&f, "cmdHidden");
    CheckBox confirm(&group, "cbConfirm");
    Label label(&f, "lbl");
    help.setCaption("&Help");
    hidden.setCaption("&Exit");
    hidden.hide();
    confirm.setCaption("&Confirm");
    label.setCaption("&Location:");
    EXPECT_EQ(findAccessKeyTarget(f, U'h'), &help) << "case does not matter";
    EXPECT_EQ(findAccessKeyTarget(f, U'C'), &confirm) << "inside a group box too";
    EXPECT_EQ(findAccessKeyTarget(f, U'e'), nullptr) << "a hidden button is skipped";
    EXPECT_EQ(findAccessKeyTarget(f, U'l'), nullptr) << "a label is not pressed";
    help.setEnabled(false);
    EXPECT_EQ(findAccessKeyTarget(f, U'h'), nullptr);
}

}  // namespace
}  // namespace sv::test
