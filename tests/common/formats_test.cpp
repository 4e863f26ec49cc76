#include "common/formats.h"

#include "support/sim_test.h"

namespace sv::test {
namespace {

class FormatsTest : public SimTest {
protected:
    ~FormatsTest() override { ResetProcessDateTimeFormats(); }

    void useDotsForThousands() {
        LocaleFormats f;
        f.thousandSeparator = '.';
        f.decimalSeparator = ',';
        m.sys().setLocale(f);
    }
};

struct ByteCase {
    int64_t bytes;
    const char* bytesText;
    const char* megabytesText;
};

TEST_F(FormatsTest, ByteAmountsAreWholeBytesAndMegabytesOfAThousandTwentyFourKilobytes) {
    const ByteCase cases[] = {
        {0, "0", "0.00"},
        {2'048, "2,048", "0.00"},
        {5'119, "5,119", "0.00"},
        {5'120, "5,120", "0.01"},  // 0.005 rounds up
        {1'024'000, "1,024,000", "1.00"},
        {1'572'864, "1,572,864", "1.54"},
        {2'147'483'648, "2,147,483,648", "2,097.15"},  // past 32 bits
        {1'000'000'000'000, "1,000,000,000,000", "976,562.50"},
        // Seven significant digits: the whole part is rounded and no decimals remain.
        {5'000'000'000'000, "5,000,000,000,000", "4,882,813.00"},
        {10'000'000'000'000, "10,000,000,000,000", "9,765,625.00"},
        // Eight digits before the point do not fit seven: scientific form.
        {20'000'000'000'000, "20,000,000,000,000", "1.953125E07"},
        {-2'048, "-2,048", "0.00"},  // no sign on a text that reads zero
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatBytes(c.bytes), c.bytesText) << c.bytes;
        EXPECT_EQ(FormatMegabytes(c.bytes), c.megabytesText) << c.bytes;
    }
}

TEST_F(FormatsTest, SeparatorsComeFromTheRegionalFormats) {
    useDotsForThousands();
    EXPECT_EQ(FormatBytes(2'147'483'648), "2.147.483.648");
    EXPECT_EQ(FormatMegabytes(2'147'483'648), "2.097,15");
    EXPECT_EQ(TotalSpaceRecoveredLine(1'572'864), "TOTAL SPACE RECOVERED: 1.572.864 bytes (1,54 megabytes.)");
}

TEST_F(FormatsTest, TotalSpaceRecoveredLine) {
    EXPECT_EQ(TotalSpaceRecoveredLine(1'572'864), "TOTAL SPACE RECOVERED: 1,572,864 bytes (1.54 megabytes.)");
    EXPECT_EQ(TotalSpaceRecoveredLine(2'048), "TOTAL SPACE RECOVERED: 2,048 bytes (0.00 megabytes.)");
    EXPECT_EQ(std::string(ZeroSpaceRecoveredLine), "TOTAL SPACE RECOVERED: 0.00 bytes (0.00 megabytes.)");
}

TEST_F(FormatsTest, DatePatternsTheToolsUse) {
    const SystemTime evening{2026, 3, 14, 21, 7, 5, 45};  // a Saturday
    const SystemTime midnight{2026, 3, 14, 0, 0, 0, 0};
    const struct {
        const char* pattern;
        SystemTime t;
        const char* text;
    } cases[] = {
        {"yyyy/mm/dd", evening, "2026/03/14"},
        {"hh:nn", evening, "21:07"},
        {"m/d/yy", evening, "3/14/26"},
        {"mm/dd/yyyy hh:mmAM/PM", evening, "03/14/2026 09:07PM"},
        {"dddd, mmmm d, yyyy  hh:mm AM/PM", evening, "Saturday, March 14, 2026  09:07 PM"},
        {"\"previous run on\" yyyy-mmm-dd \"at\" hh:nn:ss", evening, "previous run on 2026-Mar-14 at 21:07:05"},
        {"ddd h:nn:ss.zzz ampm", evening, "Sat 9:07:05.045 PM"},
        {"h:nn a/p 'h' H", evening, "9:07 p h 21"},  // the 12-hour clock reaches only the hour before the marker
        {"h:nn am/pm", midnight, "12:00 am"},
        {"c", evening, "3/14/2026 9:07:05 PM"},
        {"c", midnight, "3/14/2026"},
        {"", midnight, "3/14/2026"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, c.t), c.text) << c.pattern;

    LocaleFormats f;
    f.dateSeparator = '-';
    f.timeSeparator = '.';
    m.sys().setLocale(f);
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", evening), "2026-03-14 21.07");
}

TEST_F(FormatsTest, TimeStampsFollowTheProcessFormatsOnceSetAndDropTheTimeAtMidnight) {
    m.sys().setNow(SystemTime{2026, 3, 14, 9, 5, 0, 0});
    EXPECT_EQ(TimeStamp(), "3/14/2026 9:05:00 AM");  // regional formats until a file list sets its own

    SetProcessDateTimeFormats("yyyy/mm/dd", "hh:nn");
    EXPECT_EQ(ProcessDateTimeFormats().shortDate, "yyyy/mm/dd");
    EXPECT_EQ(TimeStamp(), "2026/03/14 09:05");

    const struct {
        SystemTime utc;
        int offsetMinutes;
        const char* text;
    } cases[] = {
        {{2026, 3, 14, 0, 0, 0, 0}, 0, "2026/03/14"},
        {{2026, 3, 14, 0, 0, 0, 500}, 0, "2026/03/14"},  // milliseconds do not count
        {{2026, 3, 14, 0, 0, 30, 0}, 0, "2026/03/14 00:00"},
        {{2026, 3, 14, 23, 30, 0, 0}, 30, "2026/03/15"},  // local midnight, not UTC's
    };
    for (const auto& c : cases) {
        m.sys().setNow(c.utc);
        m.sys().setUtcOffsetMinutes(c.offsetMinutes);
        EXPECT_EQ(TimeStamp(), c.text);
    }

    ResetProcessDateTimeFormats();
    m.sys().setUtcOffsetMinutes(0);
    m.sys().setNow(SystemTime{2026, 3, 14, 0, 0, 0, 0});
    EXPECT_EQ(TimeStamp(), "3/14/2026");
}

}  // namespace
}  // namespace sv::test
