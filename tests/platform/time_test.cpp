#include <gtest/gtest.h>

#include "platform/types.h"

namespace sv {
namespace {

TEST(CalendarTest, FileTimesDatesAndOleNumbersAgree) {
    struct Case {
        SystemTime st;
        double ole;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1900, 1, 1, 0, 0, 0}, 2.0},
        {{2026, 3, 14, 9, 5, 0}, 46095.0 + (9 * 60 + 5) / 1440.0},
        {{2000, 2, 29, 18, 0, 0}, 36585.75},
        {{1601, 1, 1, 0, 0, 0}, -109205.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(systemTimeToOleDate(c.st), c.ole) << c.st.year;
        EXPECT_EQ(oleDateToSystemTime(c.ole), c.st) << c.ole;
        EXPECT_EQ(fileTimeToSystemTime(systemTimeToFileTime(c.st)), c.st);
    }
    EXPECT_EQ(systemTimeToFileTime({1601, 1, 1, 0, 0, 0}).ticks, 0u);
    EXPECT_EQ(fileTimeToSystemTime(systemTimeToFileTime({2026, 3, 14, 0, 0, 0})).dayOfWeek, 6);  // a Saturday
}

TEST(CalendarTest, DosDateTimePacksTwoSecondSteps) {
    const FileTime t = systemTimeToFileTime({2026, 3, 14, 9, 5, 31});
    const uint32_t dos = fileTimeToDosDateTime(t);
    EXPECT_EQ(dos >> 16, static_cast<uint32_t>(((2026 - 1980) << 9) | (3 << 5) | 14));
    EXPECT_EQ(dos & 0xFFFF, static_cast<uint32_t>((9 << 11) | (5 << 5) | 15));
    EXPECT_EQ(fileTimeToDosDateTime(systemTimeToFileTime({1979, 12, 31, 0, 0, 0})), 0u);
}

}  // namespace
}  // namespace sv
