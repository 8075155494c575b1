#ifndef QUIZMORA_CORE_WALL_CLOCK_H_
#define QUIZMORA_CORE_WALL_CLOCK_H_

#include <cstdint>
#include <ctime>

// The wall clock of attempts: an answer sheet's start and the time spent
// since, which counts time away from the seat too.

// Returns the seconds since 1970-01-01 UTC now: the moment
// QUIZMORA_FIXED_TIME pins (see platform/pinned_clock.h), the reading set
// for testing, else the system's clock.
int64_t WallSecondsNow();

// Test seam: makes WallSecondsNow() return `seconds` until called with -1.
void SetWallSecondsForTesting(int64_t seconds);

// Returns the local time of `seconds` since 1970 UTC.
std::tm LocalTimeOf(int64_t seconds);

#endif  // QUIZMORA_CORE_WALL_CLOCK_H_
