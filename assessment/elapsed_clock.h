#ifndef QUIZMORA_ASSESSMENT_ELAPSED_CLOCK_H_
#define QUIZMORA_ASSESSMENT_ELAPSED_CLOCK_H_

// The clock of the timed assessment: real (wall) time, never processor
// time, since a candidate's thinking time is what the allowance limits.

// Returns the whole milliseconds of real time since the program started,
// read from a monotonic clock (a change of the system time does not move
// it), the reading of the clock set for testing, or 0 while
// QUIZMORA_FIXED_TIME pins the clock (see platform/pinned_clock.h).
long long elapsedMilliseconds();

// A replacement clock: returns a millisecond reading.
using ClockReading = long long (*)();

// Test seam: makes elapsedMilliseconds() return reading() until called with
// nullptr, which puts the real clock back.
void setElapsedClockForTesting(ClockReading reading);

#endif  // QUIZMORA_ASSESSMENT_ELAPSED_CLOCK_H_
