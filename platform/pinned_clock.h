#ifndef QUIZMORA_PLATFORM_PINNED_CLOCK_H_
#define QUIZMORA_PLATFORM_PINNED_CLOCK_H_

#include <ctime>

// A testing aid, the same on every system: when the environment variable
// QUIZMORA_FIXED_TIME holds a moment as "YYYY-MM-DD HH:MM:SS", the local
// time is that moment and the elapsed-time clock stands still, so two runs
// of the same script print and store the same bytes.

// Returns the moment of that date and time, with its weekday and day of the
// year; month is 1 to 12. The date must exist.
std::tm MomentOf(int year, int month, int day, int hour, int minute, int second);

// Reads "YYYY-MM-DD HH:MM:SS" into *moment (with its weekday and day of the
// year). Returns false, leaving *moment alone, for any other text or a date
// that does not exist.
bool ParseMoment(const char* text, std::tm* moment);

// Returns true and sets *moment when QUIZMORA_FIXED_TIME pins the clock. The
// variable is read once, on the first call.
bool PinnedMoment(std::tm* moment);

#endif  // QUIZMORA_PLATFORM_PINNED_CLOCK_H_
