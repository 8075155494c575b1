#include "console/calendar.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/pinned_clock.h"
#include "tests/console_capture.h"

namespace {

struct FixedClock {
  explicit FixedClock(const std::tm& t) { setLocalTimeForTesting(&t); }
  ~FixedClock() { setLocalTimeForTesting(nullptr); }
};

}  // namespace

TEST(Calendar, DateAndTimeHaveNoLeadingZeros) {
  FixedClock clock(MomentOf(2026, 12, 7, 9, 5, 7));
  EXPECT_STREQ(dateOfToday(), "7/12/2026 | Monday");
  EXPECT_STREQ(currentTime(), "9:5:7");
}

TEST(Calendar, LongestTextsFit) {
  FixedClock clock(MomentOf(2026, 12, 30, 23, 59, 59));
  EXPECT_STREQ(dateOfToday(), "30/12/2026 | Wednesday");
  EXPECT_STREQ(currentTime(), "23:59:59");
}

TEST(Calendar, FirstOfTheMonth) {
  FixedClock clock(MomentOf(2026, 3, 1, 0, 0, 0));
  EXPECT_STREQ(dateOfToday(), "1/3/2026 | Sunday");
}

TEST(Calendar, SecondCallReplacesTheFirstText) {
  char* first;
  {
    FixedClock clock(MomentOf(2026, 3, 25, 0, 0, 0));
    first = dateOfToday();
  }
  FixedClock clock(MomentOf(2026, 3, 26, 0, 0, 0));
  EXPECT_EQ(dateOfToday(), first);
  EXPECT_STREQ(first, "26/3/2026 | Thursday");
}

TEST(Calendar, PhraseFollowsTheHour) {
  EXPECT_STREQ(greetingPhrase(0), "goood morning...");
  EXPECT_STREQ(greetingPhrase(11), "goood morning...");
  EXPECT_STREQ(greetingPhrase(12), "how are you doing...");
  EXPECT_STREQ(greetingPhrase(14), "goood afternoon...");
  EXPECT_STREQ(greetingPhrase(15), "how are you doing...");
  EXPECT_STREQ(greetingPhrase(16), "how are you doing...");
  EXPECT_STREQ(greetingPhrase(17), "goood evening...");
  EXPECT_STREQ(greetingPhrase(22), "goood evening...");
  EXPECT_STREQ(greetingPhrase(23), "how are you doing...");
}

TEST(Calendar, GreetingLineUsesNameAndPhrase) {
  FixedClock clock(MomentOf(2026, 12, 7, 14, 59, 30));
  ConsoleCapture console("");
  greetings("Jane Doe");
  const std::string out = console.out();
  EXPECT_EQ(out.substr(0, 2), "\n\t");
  EXPECT_NE(out.find(" Jane Doe, goood afternoon... \n"), std::string::npos) << out;
  ConsoleCapture again("");
  greetings("Jane Doe");
  EXPECT_EQ(again.out(), out);  // same second, same opening
}

// The greeting's pick is computed by the program itself so that every build
// greets alike; on Linux it must be exactly what the C library's rand() gives.
TEST(Calendar, GreetingPickMatchesTheCLibrary) {
  for (unsigned seed : {0u, 1u, 2u, 7u, 30u, 59u, 60u, 12345u, 2147483647u, 4294967295u}) {
    std::srand(seed);
    EXPECT_EQ(firstRandomAfterSeed(seed), std::rand()) << seed;
  }
}
