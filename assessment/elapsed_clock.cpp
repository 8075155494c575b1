#include "assessment/elapsed_clock.h"

#include <ctime>

#include "platform/pinned_clock.h"
#include "platform/platform.h"

namespace {

// Taken while the program starts up, before main runs.
const long long programStart = platform::SteadyMilliseconds();

ClockReading testClock = nullptr;

}  // namespace

long long elapsedMilliseconds() {
  if (testClock) return testClock();
  // A pinned clock stands still: every attempt takes no time at all.
  std::tm pinned;
  if (PinnedMoment(&pinned)) return 0;
  return platform::SteadyMilliseconds() - programStart;
}

void setElapsedClockForTesting(ClockReading reading) { testClock = reading; }
