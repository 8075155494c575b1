#include "assessment/elapsed_clock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>

namespace {

long long fixedReading() { return 123456; }

}  // namespace

TEST(ElapsedClock, CountsRealTimeNotProcessorTime) {
  const long long before = elapsedMilliseconds();
  const std::clock_t cpuBefore = std::clock();
  ::usleep(300 * 1000);  // sleeping takes no processor time
  const long long after = elapsedMilliseconds();
  EXPECT_GE(after - before, 300);
  EXPECT_LT(after - before, 5000);
  EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) * 1000 / CLOCKS_PER_SEC, 150);
  EXPECT_GE(before, 0);
}

TEST(ElapsedClock, TestClockReplacesTheRealOneUntilReset) {
  setElapsedClockForTesting(&fixedReading);
  EXPECT_EQ(elapsedMilliseconds(), 123456);
  setElapsedClockForTesting(nullptr);
  EXPECT_LT(elapsedMilliseconds(), 123456LL * 1000);
}
