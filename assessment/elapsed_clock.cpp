#include "assessment/elapsed_clock.h"

#include <chrono>

namespace {

using Monotonic = std::chrono::steady_clock;

// Taken while the program starts up, before main runs.
const Monotonic::time_point programStart = Monotonic::now();

ClockReading testClock = nullptr;

}  // namespace

long long elapsedMilliseconds() {
  if (testClock) return testClock();
  const auto since = Monotonic::now() - programStart;
  return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

void setElapsedClockForTesting(ClockReading reading) { testClock = reading; }
