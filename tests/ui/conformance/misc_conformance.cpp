// Progress bars, text viewers, date and time pickers, timers, the search
// animation and folder edits as a user meets them, on the headless backend and
// on the real Win32 controls.
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <tuple>

#include "platform/sim/headless_ui.h"
#include "platform/ui/animation.h"
#include "platform/ui/folderedit.h"
#include "platform/ui/form.h"
#include "platform/ui/pickers.h"
#include "platform/ui/progress.h"
#include "platform/ui/textview.h"
#include "platform/ui/timer.h"
#include "support/ui_driver.h"

namespace sv::test {

// What the windows show (headless: the controls' own state); defined with the
// pickers actions of each driver.
std::string shownProgress(UiDriver& ui, ui::ProgressBar& bar);  // "min..max at position"
std::string shownText(UiDriver& ui, ui::TextViewer& viewer);    // line breaks as CR LF
ui::Color shownBackground(UiDriver& ui, ui::TextViewer& viewer);
bool shownEndInView(UiDriver& ui, ui::TextViewer& viewer);      // the last line is on screen
SystemTime shownPickerValue(UiDriver& ui, ui::Control& picker); // a time picker's: the time fields only
// The text, then " [caption]" when the browse button fills the right end of the edit.
std::string shownFolderEdit(UiDriver& ui, ui::FolderEdit& edit);
ui::Bitmap shownAnimation(UiDriver& ui, ui::SearchAnimation& animation);

namespace {

constexpr ui::Color kFace = ui::rgb(236, 233, 216);

class MiscConformance : public UiConformance {
protected:
    void SetUp() override {
        UiConformance::SetUp();
        form = std::make_unique<ui::Form>("frmMisc");
        form->setCaption("Misc");
        form->setClientSize(420, 300);
        form->setColor(kFace);
    }
    void TearDown() override {
        form.reset();
        UiConformance::TearDown();
    }
    void show() {
        form->show();
        ui().processMessages();
    }
    bool headless() { return ui().name() == "headless"; }
    // Lets timer time pass until `done` holds: the headless clock is advanced;
    // real timers are waited for, with a generous bound and no claim on how long.
    bool waitFor(const std::function<bool()>& done, unsigned stepMs = 20) {
        for (int i = 0; i < 500 && !done(); ++i) {
            if (headless()) {
                ui::headlessUi().advanceTimers(stepMs);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
                ui().processMessages();
            }
        }
        return done();
    }
    // Lets about `ms` of timer time pass whatever happens.
    void letTimePass(unsigned ms) {
        int left = static_cast<int>(ms);
        waitFor([&] { return (left -= 20) < 0; });
    }

    std::unique_ptr<ui::Form> form;
};

SystemTime timeOnly(int h, int m, int s) {
    SystemTime t;
    t.hour = h;
    t.minute = m;
    t.second = s;
    return t;
}

// The largest difference of any colour channel of any pixel (pictures of one size).
int largestDifference(const ui::Bitmap& a, const ui::Bitmap& b) {
    if (a.width != b.width || a.height != b.height) return 256;
    int worst = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                             static_cast<int>((b.pixels[i] >> shift) & 0xFF)));
    return worst;
}

// --- progress bar ---------------------------------------------------------------------

TEST_P(MiscConformance, ProgressBarKeepsItsPositionInTheRange) {
    ui::ProgressBar pb(form.get(), "pb");
    pb.setBounds(10, 10, 200, 16);
    pb.setRange(0, 40);
    pb.setStep(5);
    show();
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* shown;
    } cases[] = {
        {"set", [&] { pb.setPosition(10); }, "0..40 at 10"},
        {"a step", [&] { pb.stepIt(); }, "0..40 at 15"},
        {"a step past the end stops there", [&] { pb.stepBy(100); }, "0..40 at 40"},
        {"below the minimum", [&] { pb.setPosition(-3); }, "0..40 at 0"},
        {"a narrower range moves the position in", [&] { pb.setRange(50, 10); }, "10..50 at 10"},
        {"the maximum", [&] { pb.setPosition(pb.max()); }, "10..50 at 50"},
    };
    for (const auto& c : cases) {
        c.act();
        ui().processMessages();
        EXPECT_EQ(shownProgress(ui(), pb), c.shown) << c.what;
        EXPECT_EQ(shownProgress(ui(), pb), std::to_string(pb.min()) + ".." + std::to_string(pb.max()) + " at " +
                                               std::to_string(pb.position()))
            << c.what;
    }
}

// --- text viewer ----------------------------------------------------------------------

TEST_P(MiscConformance, TextViewerShowsSetAndAppendedTextOnItsColour) {
    ui::TextViewer hint(form.get(), "mmoHint");
    hint.setBounds(10, 10, 200, 80);
    hint.setColor(ui::rgb(255, 255, 225));
    hint.setWordWrap(true);
    ui::TextViewer log(form.get(), "mmoLog");
    log.setBounds(10, 100, 300, 120);
    log.setScrollBars(ui::ScrollBars::Both);
    hint.setText("Tip one.\nTip two.");
    show();
    EXPECT_EQ(shownText(ui(), hint), "Tip one.\r\nTip two.");
    EXPECT_EQ(shownBackground(ui(), hint), ui::rgb(255, 255, 225));
    EXPECT_EQ(shownBackground(ui(), log), ui::rgb(255, 255, 255)) << "a viewer is white unless told otherwise";

    // A log read whole ends with a line break: appended lines follow it directly.
    log.setText("  Deleting: C:\\a.tmp\r\n");
    log.appendLine("  Deleting: C:\\b.tmp");
    log.appendLine("  Relocating file: C:\\c.tmp\r     To: D:\\Junk");
    ui().processMessages();
    EXPECT_EQ(log.text(), "  Deleting: C:\\a.tmp\r\n  Deleting: C:\\b.tmp\r\n  Relocating file: C:\\c.tmp\r     To: D:\\Junk");
    EXPECT_EQ(shownText(ui(), log),
              "  Deleting: C:\\a.tmp\r\n  Deleting: C:\\b.tmp\r\n  Relocating file: C:\\c.tmp\r\n     To: D:\\Junk");

    // A new text replaces everything; a changed colour and wrapping keep it.
    hint.setText("Only this.");
    hint.setColor(ui::rgb(255, 255, 255));
    hint.setWordWrap(false);
    ui().processMessages();
    EXPECT_EQ(shownText(ui(), hint), "Only this.");
    EXPECT_EQ(shownBackground(ui(), hint), ui::rgb(255, 255, 255));
    log.clear();
    ui().processMessages();
    EXPECT_EQ(shownText(ui(), log), "");
}

TEST_P(MiscConformance, TextViewerTakesALongLogAndScrollsToAppendedLines) {
    ui::TextViewer log(form.get(), "mmoJunk");
    log.setBounds(10, 10, 360, 200);
    log.setScrollBars(ui::ScrollBars::Both);
    show();
    std::string text;
    for (int i = 1; i <= 20000; ++i) text += "  Deleting: C:\\Windows\\Temp\\file" + std::to_string(i) + ".tmp\r\n";
    log.setText(text);
    ui().processMessages();
    EXPECT_EQ(shownText(ui(), log).size(), text.size());
    log.appendLine("Scan finished.");
    ui().processMessages();
    EXPECT_TRUE(shownEndInView(ui(), log));
    const std::string shown = shownText(ui(), log);
    EXPECT_EQ(shown.size(), text.size() + std::string("Scan finished.").size());
    EXPECT_EQ(shown.substr(shown.size() - 30), log.text().substr(log.text().size() - 30));
}

// --- date and time pickers ------------------------------------------------------------

TEST_P(MiscConformance, PickersReportTheUsersChangeButNotCodes) {
    ui::DatePicker dtDate(form.get(), "dtDate");
    dtDate.setBounds(10, 10, 120, 22);
    ui::TimePicker dtTime(form.get(), "dtTime");
    dtTime.setBounds(140, 10, 100, 22);
    int dateChanges = 0, timeChanges = 0;
    dtDate.onChange = [&] { ++dateChanges; };
    dtTime.onChange = [&] { ++timeChanges; };

    SystemTime next = ui::calendarDate(2026, 3, 15);
    next.hour = 10;  // a date and time: the date picker keeps the date only
    dtDate.setDate(next);
    dtTime.setTime(ui::TimeOfDay{9, 5, 0, 250});
    show();
    EXPECT_EQ(dtDate.date(), ui::calendarDate(2026, 3, 15));
    EXPECT_EQ(dtDate.date().dayOfWeek, 0) << "15 March 2026 is a Sunday";
    EXPECT_EQ(shownPickerValue(ui(), dtDate), ui::calendarDate(2026, 3, 15));
    EXPECT_EQ(shownPickerValue(ui(), dtTime), timeOnly(9, 5, 0));
    EXPECT_EQ(dateChanges + timeChanges, 0) << "values set by code are no user change";

    ui().setDate(dtDate, ui::calendarDate(2028, 2, 29));
    EXPECT_EQ(dateChanges, 1);
    EXPECT_EQ(dtDate.date(), ui::calendarDate(2028, 2, 29));
    EXPECT_EQ(shownPickerValue(ui(), dtDate), ui::calendarDate(2028, 2, 29));

    ui().setDate(dtTime, timeOnly(23, 59, 58));
    EXPECT_EQ(timeChanges, 1);
    EXPECT_EQ(dtTime.time(), (ui::TimeOfDay{23, 59, 58, 0}));
    EXPECT_EQ(shownPickerValue(ui(), dtTime), timeOnly(23, 59, 58));

    // Picking what is already there changes nothing.
    ui().setDate(dtDate, ui::calendarDate(2028, 2, 29));
    ui().setDate(dtTime, timeOnly(23, 59, 58));
    EXPECT_EQ(dateChanges, 1);
    EXPECT_EQ(timeChanges, 1);

    // A disabled picker takes nothing from the user.
    dtDate.setEnabled(false);
    ui().processMessages();
    ui().setDate(dtDate, ui::calendarDate(2030, 1, 1));
    EXPECT_EQ(dtDate.date(), ui::calendarDate(2028, 2, 29));
    EXPECT_EQ(dateChanges, 1);
}

TEST(PickerValues, DatesAndTimesTheWindowCannotShowAreRefused) {
    sim::SimMachine m;
    MachineGuard guard{m};
    for (auto [y, m, d] : {std::tuple{2026, 2, 29}, {2024, 4, 31}, {2026, 13, 1}, {2026, 0, 1}, {1700, 1, 1}, {10000, 1, 1}})
        EXPECT_THROW(ui::calendarDate(y, m, d), PlatformError) << y << "-" << m << "-" << d;
    EXPECT_NO_THROW(ui::calendarDate(2000, 2, 29));
    EXPECT_EQ(ui::calendarDate(1999, 12, 31).dayOfWeek, 5);
    ui::Form f("f");
    ui::TimePicker t(&f, "t");
    for (ui::TimeOfDay bad : {ui::TimeOfDay{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}})
        EXPECT_THROW(t.setTime(bad), PlatformError);
}

// --- timer ----------------------------------------------------------------------------

TEST_P(MiscConformance, TimerFiresUntilDisabledAndOneShotFiresOnce) {
    show();
    ui::Timer repeating(30);
    int ticks = 0;
    repeating.onTimer = [&] { ++ticks; };
    EXPECT_FALSE(repeating.running()) << "a timer starts disabled";
    repeating.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return ticks >= 3; })) << "the timer never fired three times";
    repeating.setEnabled(false);
    const int stoppedAt = ticks;
    letTimePass(150);
    EXPECT_EQ(ticks, stoppedAt) << "a disabled timer fired";

    // Switched off in its own handler: one tick only.
    ui::Timer once(30);
    int onceTicks = 0;
    once.onTimer = [&] {
        once.setEnabled(false);
        ++onceTicks;
    };
    once.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return onceTicks > 0; }));
    letTimePass(150);
    EXPECT_EQ(onceTicks, 1);
    EXPECT_FALSE(once.running());

    // Enabled again, it goes once more.
    once.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return onceTicks > 1; }));
    letTimePass(100);
    EXPECT_EQ(onceTicks, 2);
}

TEST_P(MiscConformance, TimerStopsWhenDestroyedOrGivenNoInterval) {
    show();
    int ticks = 0;
    auto timer = std::make_unique<ui::Timer>(20);
    timer->onTimer = [&] { ++ticks; };
    timer->setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return ticks > 0; }));
    timer->setInterval(0);
    EXPECT_TRUE(timer->enabled());
    EXPECT_FALSE(timer->running());
    timer->setInterval(20);
    const int before = ticks;
    ASSERT_TRUE(waitFor([&] { return ticks > before; })) << "a new interval restarts the timer";
    timer.reset();
    if (headless()) {
        EXPECT_EQ(ui::headlessUi().activeTimers(), 0u);
    }
    const int atDestruction = ticks;
    letTimePass(120);
    EXPECT_EQ(ticks, atDestruction);
}

// --- search animation -----------------------------------------------------------------

TEST_P(MiscConformance, SearchAnimationRunsOnlyWhileActive) {
    ui::SearchAnimation small(form.get(), "Animate1");
    small.setBounds(10, 10, 48, 50);
    ui::SearchAnimation wide(form.get(), "aniSearch");
    wide.setBounds(80, 10, 80, 50);
    show();
    const uint32_t face = ui::rgbPixel(236, 233, 216);
    EXPECT_EQ(small.frame(), 0);
    EXPECT_LE(largestDifference(shownAnimation(ui(), small), small.framePicture(0, face)), 2);
    EXPECT_EQ(shownAnimation(ui(), wide).width, 80);

    small.play();
    ASSERT_TRUE(waitFor([&] { return small.frame() >= 3; }));
    small.stop();
    EXPECT_EQ(small.frame(), 0) << "a stopped animation shows its first frame";
    letTimePass(200);
    EXPECT_EQ(small.frame(), 0);
    EXPECT_EQ(wide.frame(), 0) << "the other animation was never started";
    ui().processMessages();
    EXPECT_LE(largestDifference(shownAnimation(ui(), small), small.framePicture(0, face)), 2);

    // While running, the window shows the frame the control is at.
    wide.play();
    ASSERT_TRUE(waitFor([&] { return wide.frame() >= 4; }));
    ui().processMessages();
    EXPECT_LE(largestDifference(shownAnimation(ui(), wide), wide.framePicture(wide.frame(), face)), 2);
    EXPECT_GT(largestDifference(shownAnimation(ui(), wide), wide.framePicture(0, face)), 50);
    wide.setActive(false);
    ui().processMessages();
    EXPECT_LE(largestDifference(shownAnimation(ui(), wide), wide.framePicture(0, face)), 2);

    // Frames differ from each other and sit on the colour behind them.
    const ui::Bitmap first = small.framePicture(0, face), later = small.framePicture(5, face);
    EXPECT_GT(largestDifference(first, later), 50);
    EXPECT_EQ(first.at(0, 0), face);
    EXPECT_EQ(first.at(47, 49), face);
}

// --- folder edit ----------------------------------------------------------------------

TEST_P(MiscConformance, FolderEditBrowsesFromItsTextAndTakesTyping) {
    m.fs().addFolder("C:\\Junk");
    ui::FolderEdit deMove(form.get(), "deMove");
    deMove.setBounds(10, 10, 260, 21);
    deMove.setText("C:\\Windows");
    int changes = 0;
    deMove.onChange = [&] { ++changes; };
    show();
    EXPECT_EQ(shownFolderEdit(ui(), deMove), "C:\\Windows [...]");

    m.dlg().expectFolder("C:\\Junk");
    ui().click(deMove.browseButton());
    EXPECT_EQ(deMove.text(), "C:\\Junk");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shownFolderEdit(ui(), deMove), "C:\\Junk [...]");
    ASSERT_EQ(m.dlg().shown().size(), 1u);
    EXPECT_EQ(m.dlg().shown()[0].kind, sim::DialogKind::Folder);
    EXPECT_EQ(m.dlg().shown()[0].initial, "C:\\Windows") << "the browser starts at the text";
    EXPECT_TRUE(m.dlg().shown()[0].allowCreate);

    // Cancelling the browser leaves the text alone.
    m.dlg().expectFolder(std::nullopt);
    ui().click(deMove.browseButton());
    EXPECT_EQ(deMove.text(), "C:\\Junk");
    EXPECT_EQ(changes, 1);

    ui().typeText(deMove, "D:\\Moved");
    EXPECT_EQ(deMove.text(), "D:\\Moved");
    EXPECT_GT(changes, 1);
    EXPECT_EQ(shownFolderEdit(ui(), deMove), "D:\\Moved [...]");

    // Disabled, the button opens nothing (an unexpected dialog would fail the case).
    deMove.setEnabled(false);
    ui().processMessages();
    ui().click(deMove.browseButton());
    EXPECT_EQ(m.dlg().shown().size(), 2u);

    // The button follows the edit's size.
    deMove.setEnabled(true);
    deMove.setBounds(10, 40, 180, 24);
    ui().processMessages();
    EXPECT_EQ(shownFolderEdit(ui(), deMove), "D:\\Moved [...]");
}

}  // namespace

SV_UI_SUITE(MiscConformance);

}  // namespace sv::test
