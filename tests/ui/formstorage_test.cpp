// Form storage on the simulated machine: what it writes (names and texts bit for
// bit), what it restores and when, and what it leaves alone.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/ui/buttons.h"
#include "platform/ui/edits.h"
#include "platform/ui/formstorage.h"
#include "support/sim_test.h"

namespace sv::ui {
namespace {

constexpr const char* kKey = "Software\\Sorvane";
constexpr const char* kSection = "Software\\Sorvane\\Options";

// A window as the tools build them: controls first, the storage after them.
class OptionsForm : public Form {
public:
    explicit OptionsForm(Placement placement = Placement::None)
        : Form("frmOptions"), storage(*this, kKey, "Options", placement) {
        setBounds(100, 50, 400, 300);
        cbConfirm.setChecked(true);
        meDays.setText("7");
        UpDown2.setPosition(1);
        Panel24.setWidth(80);
        seCount.setValue(5);
        storage.addChecked(cbConfirm);
        storage.addChecked(rbFast);
        storage.addText(meDays);
        storage.addPosition(UpDown2);
        storage.addWidth(Panel24);
        storage.addValue(seCount);
        storage.add("frmOptions_Caption", [this] { return caption(); }, [this](const std::string& v) { setCaption(v); });
    }

    CheckBox cbConfirm{this, "cbConfirm"};
    RadioButton rbFast{this, "rbFast"};
    Edit meDays{this, "meDays"};
    UpDown UpDown2{this, "UpDown2"};
    Label Panel24{this, "Panel24"};
    SpinEdit seCount{this, "seCount"};
    FormStorage storage;
};

class FormStorageTest : public test::SimTest {
protected:
    std::optional<RegValue> stored(const std::string& name) { return m.reg().get(RegRoot::CurrentUser, kSection, name); }
    void store(const std::string& name, const std::string& text) {
        m.reg().set(RegRoot::CurrentUser, kSection, name, RegValue::text(text));
    }
    std::vector<std::string> storedNames() {
        auto key = m.reg().openKey(RegRoot::CurrentUser, kSection, false);
        return key ? key->valueNames() : std::vector<std::string>{};
    }
};

TEST_F(FormStorageTest, ClosingWritesEachPropertyAsIniTextAndTheNextShowingRestoresIt) {
    {
        OptionsForm f;
        f.show();
        f.cbConfirm.setChecked(false);
        f.rbFast.setChecked(true);
        f.meDays.setText("14");
        f.UpDown2.setPosition(3);
        f.Panel24.setWidth(120);
        f.seCount.setValue(-2);
        f.setCaption("Opci\xC3\xB3n");
        f.close();
    }
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"cbConfirm_Checked", "rbFast_Checked", "meDays_Text",
                                                       "UpDown2_Position", "Panel24_Width", "seCount_Value",
                                                       "frmOptions_Caption"}));
    EXPECT_EQ(stored("cbConfirm_Checked"), RegValue::text("0"));
    EXPECT_EQ(stored("rbFast_Checked"), RegValue::text("1"));
    EXPECT_EQ(stored("meDays_Text"), RegValue::text("14"));
    EXPECT_EQ(stored("UpDown2_Position"), RegValue::text("3"));
    EXPECT_EQ(stored("Panel24_Width"), RegValue::text("120"));
    EXPECT_EQ(stored("seCount_Value"), RegValue::text("-2"));
    EXPECT_EQ(stored("frmOptions_Caption"), RegValue::text("Opci\xC3\xB3n"));

    OptionsForm again;
    EXPECT_TRUE(again.cbConfirm.checked()) << "nothing is restored before the form is shown";
    again.show();
    EXPECT_FALSE(again.cbConfirm.checked());
    EXPECT_TRUE(again.rbFast.checked());
    EXPECT_EQ(again.meDays.text(), "14");
    EXPECT_EQ(again.UpDown2.position(), 3);
    EXPECT_EQ(again.Panel24.width(), 120);
    EXPECT_EQ(again.seCount.value(), -2);
    EXPECT_EQ(again.caption(), "Opci\xC3\xB3n");
    again.close();
}

TEST_F(FormStorageTest, MissingOrUnreadableValuesLeaveTheControlsAsDesigned) {
    {
        OptionsForm f;
        f.show();
        EXPECT_FALSE(m.reg().keyExists(RegRoot::CurrentUser, kKey)) << "restoring never creates the key";
        EXPECT_TRUE(f.cbConfirm.checked());
        EXPECT_EQ(f.meDays.text(), "7");
        f.close();
    }

    store("cbConfirm_Checked", "yes");
    store("UpDown2_Position", "three");
    store("Panel24_Width", "");
    store("frmOptions_Caption", "Restored");
    m.reg().set(RegRoot::CurrentUser, kSection, "seCount_Value", RegValue::dword(9));  // typed style reads too
    OptionsForm f;
    f.storage.add("broken_Setting", [] { return std::string("x"); },
                  [](const std::string&) { throw std::invalid_argument("bad"); });
    store("broken_Setting", "x");
    store("meDays_Text", "");  // an empty text is a text
    f.show();
    EXPECT_TRUE(f.cbConfirm.checked());
    EXPECT_EQ(f.UpDown2.position(), 1);
    EXPECT_EQ(f.Panel24.width(), 80);
    EXPECT_EQ(f.seCount.value(), 9);
    EXPECT_EQ(f.meDays.text(), "");
    EXPECT_EQ(f.caption(), "Restored") << "a setter that throws does not stop the rest";
    f.hide();
}

TEST_F(FormStorageTest, RestoresBeforeTheFormsOwnShowHandlerAndOncePerShowing) {
    OptionsForm f;
    store("meDays_Text", "21");
    std::string seenInOnShow;
    f.onShow = [&] { seenInOnShow = f.meDays.text(); };
    f.show();
    EXPECT_EQ(seenInOnShow, "21");
    f.close();

    // A window that restores at creation gets its values at once, and showing it
    // does not restore over what it did in between.
    store("meDays_Text", "30");
    OptionsForm early;
    early.storage.restore();
    EXPECT_EQ(early.meDays.text(), "30");
    early.meDays.setText("31");
    early.show();
    EXPECT_EQ(early.meDays.text(), "31");
    early.close();
    EXPECT_EQ(stored("meDays_Text"), RegValue::text("31"));
    early.meDays.setText("0");
    early.show();  // shown again after closing: restored again
    EXPECT_EQ(early.meDays.text(), "31");
    early.close();
}

TEST_F(FormStorageTest, AFormDestroyedWhileShowingSavesAndOneNeverShownWritesNothing) {
    { OptionsForm neverShown; }
    EXPECT_FALSE(m.reg().keyExists(RegRoot::CurrentUser, kKey));

    auto f = std::make_unique<OptionsForm>();
    f->show();
    f->meDays.setText("99");
    f.reset();
    EXPECT_EQ(stored("meDays_Text"), RegValue::text("99"));

    // Closed, then destroyed: saved once, at the close.
    f = std::make_unique<OptionsForm>();
    f->show();
    f->close();
    m.reg().set(RegRoot::CurrentUser, kSection, "meDays_Text", RegValue::text("edited meanwhile"));
    f.reset();
    EXPECT_EQ(stored("meDays_Text"), RegValue::text("edited meanwhile"));
}

TEST_F(FormStorageTest, ThePlacementIsStoredAsTheFormsOwnProperties) {
    struct Case {
        Placement placement;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {Placement::None, {}},
        {Placement::Position, {"frmOptions_Left", "frmOptions_Top"}},
        {Placement::PositionAndSize, {"frmOptions_Left", "frmOptions_Top", "frmOptions_Width", "frmOptions_Height"}},
        {Placement::Full,
         {"frmOptions_Left", "frmOptions_Top", "frmOptions_Width", "frmOptions_Height", "frmOptions_WindowState"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.placement));
        m.reg().deleteKeyTree(RegRoot::CurrentUser, kKey);
        {
            OptionsForm f(c.placement);
            f.show();
            f.setBounds(30, 40, 500, 350);
            f.close();
        }
        auto names = storedNames();
        names.resize(c.names.size());
        EXPECT_EQ(names, c.names) << "the placement comes before the controls";
        OptionsForm f(c.placement);
        f.show();
        const bool position = c.placement != Placement::None;
        const bool size = position && c.placement != Placement::Position;
        EXPECT_EQ(f.left(), position ? 30 : 100);
        EXPECT_EQ(f.top(), position ? 40 : 50);
        EXPECT_EQ(f.width(), size ? 500 : 400);
        EXPECT_EQ(f.height(), size ? 350 : 300);
        f.close();
    }
    EXPECT_EQ(stored("frmOptions_Left"), RegValue::text("30"));
    EXPECT_EQ(stored("frmOptions_WindowState"), RegValue::text("0"));

    // Maximized: only the state is written; the normal bounds stay as they were.
    {
        OptionsForm f(Placement::Full);
        f.show();
        f.setWindowState(WindowState::Maximized);
        f.setBounds(0, 0, 1024, 740);
        f.close();
    }
    EXPECT_EQ(stored("frmOptions_WindowState"), RegValue::text("2"));
    EXPECT_EQ(stored("frmOptions_Width"), RegValue::text("500"));
    {
        OptionsForm f(Placement::Full);
        f.show();
        EXPECT_EQ(f.windowState(), WindowState::Maximized);
        EXPECT_EQ(f.width(), 500);
        f.close();
    }
    // A window never comes back minimized.
    store("frmOptions_WindowState", "1");
    OptionsForm f(Placement::Full);
    f.setWindowState(WindowState::Maximized);
    f.show();
    EXPECT_EQ(f.windowState(), WindowState::Normal);
    f.hide();
}

}  // namespace
}  // namespace sv::ui
