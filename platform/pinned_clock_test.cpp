#include "platform/pinned_clock.h"

#include <gtest/gtest.h>

TEST(PinnedClock, ReadsAMomentWithItsWeekday) {
  const struct {
    const char* text;
    int year, month, day, hour, minute, second, weekday, yday;
  } cases[] = {
      {"2026-12-07 09:05:07", 2026, 12, 7, 9, 5, 7, 1, 340},
      {"2024-02-29 23:59:59", 2024, 2, 29, 23, 59, 59, 4, 59},
      {"2000-01-01 00:00:00", 2000, 1, 1, 0, 0, 0, 6, 0},
  };
  for (const auto& c : cases) {
    std::tm t{};
    ASSERT_TRUE(ParseMoment(c.text, &t)) << c.text;
    EXPECT_EQ(t.tm_year + 1900, c.year);
    EXPECT_EQ(t.tm_mon + 1, c.month);
    EXPECT_EQ(t.tm_mday, c.day);
    EXPECT_EQ(t.tm_hour, c.hour);
    EXPECT_EQ(t.tm_min, c.minute);
    EXPECT_EQ(t.tm_sec, c.second);
    EXPECT_EQ(t.tm_wday, c.weekday) << c.text;
    EXPECT_EQ(t.tm_yday, c.yday) << c.text;
  }
}

TEST(PinnedClock, RefusesOtherTexts) {
  for (const char* text :
       {"", "2026-12-07", "2026-12-07 9:05:07", "2026-12-07 09:05:07 ", "2026-13-01 00:00:00", "2025-02-29 00:00:00",
        "2026-12-07 24:00:00", "2026-12-07T09:05:07", "abcd-ef-gh ij:kl:mn"}) {
    std::tm t{};
    t.tm_mday = 99;
    EXPECT_FALSE(ParseMoment(text, &t)) << text;
    EXPECT_EQ(t.tm_mday, 99);
  }
  EXPECT_FALSE(ParseMoment(nullptr, nullptr));
}
