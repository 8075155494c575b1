#ifndef QUIZMORA_CONSOLE_CALENDAR_H_
#define QUIZMORA_CONSOLE_CALENDAR_H_

#include <ctime>

// Day names indexed by the local weekday number (0 = Sunday).
extern const char weekDays[7][10];

// Returns abcdData.todayText, rebuilt as day/month/year " | " weekday, for
// example "7/12/2026 | Monday". Each call overwrites the previous text.
char* dateOfToday();

// Returns abcdData.nowText, rebuilt as hours:minutes:seconds without leading
// zeros, for example "9:5:7". Each call overwrites the previous text.
char* currentTime();

// Prints one greeting line for `name` with a phrase fitting the hour.
void greetings(const char* name);

// Returns the phrase the greeting uses at `hour` (0 to 23).
const char* greetingPhrase(int hour);

// Returns the first number the GNU C library's rand() gives after
// srand(seed), on every system alike (the greeting's pick).
int firstRandomAfterSeed(unsigned seed);

// Returns the local time now: the time set for testing, else the moment
// QUIZMORA_FIXED_TIME pins, else the system's local time.
std::tm localNow();

// Test seam: makes localNow() return *fixed until called with nullptr.
void setLocalTimeForTesting(const std::tm* fixed);

#endif  // QUIZMORA_CONSOLE_CALENDAR_H_
