#include "console/calendar.h"

#include <cstdint>
#include <cstdio>
#include <iostream>

#include "console/console_io.h"
#include "console/working_record.h"
#include "platform/pinned_clock.h"
#include "platform/platform.h"
#include "records/field_text.h"

const char weekDays[7][10] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

namespace {

bool use_fixed_time = false;
std::tm fixed_time;

const char* const kOpenings[11] = {
    "\n\tHello there ",         "\n\tHello ",    "\n\tHi ",    "\n\tHello ",  "\n\tHey ", "\n\tHalla ", "\n\tWelcome ",
    "\n\tNice to recieve you ", "\n\tWhatsapp ", "\n\tHowdy ", "\n\tHow is ",
};

}  // namespace

std::tm localNow() {
  if (use_fixed_time) return fixed_time;
  std::tm pinned;
  if (PinnedMoment(&pinned)) return pinned;
  return platform::LocalTimeNow();
}

void setLocalTimeForTesting(const std::tm* fixed) {
  use_fixed_time = fixed != nullptr;
  if (fixed) fixed_time = *fixed;
}

char* dateOfToday() {
  const std::tm t = localNow();
  const int weekday = (t.tm_wday >= 0 && t.tm_wday < 7) ? t.tm_wday : 0;
  // Built in a roomy buffer first: a damaged clock must not overflow the field.
  char text[128];
  std::snprintf(text, sizeof text, "%d/%d/%d | %s", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, weekDays[weekday]);
  StoreText(abcdData.todayText, text);
  return abcdData.todayText;
}

char* currentTime() {
  const std::tm t = localNow();
  char text[128];
  std::snprintf(text, sizeof text, "%d:%d:%d", t.tm_hour, t.tm_min, t.tm_sec);
  StoreText(abcdData.nowText, text);
  return abcdData.nowText;
}

// The additive feedback generator behind rand() in the GNU C library (31
// words of state, taps 3 apart, 310 outputs discarded after seeding). Every
// build computes it here, so the greeting for a given second is the same on
// every system, whatever its C library's rand() does.
int firstRandomAfterSeed(unsigned seed) {
  constexpr int kWords = 31;
  constexpr int kSeparation = 3;
  int32_t state[kWords];
  if (seed == 0) seed = 1;
  int32_t word = static_cast<int32_t>(seed);
  state[0] = word;
  for (int i = 1; i < kWords; ++i) {
    // 16807 * word % 2147483647 without overflowing 31 bits.
    const int32_t hi = word / 127773;
    const int32_t lo = word % 127773;
    word = 16807 * lo - 2836 * hi;
    if (word < 0) word += 2147483647;
    state[i] = word;
  }
  int front = kSeparation;
  int rear = 0;
  uint32_t value = 0;
  for (int n = 0; n <= 10 * kWords; ++n) {
    value = static_cast<uint32_t>(state[front]) + static_cast<uint32_t>(state[rear]);
    state[front] = static_cast<int32_t>(value);
    front = (front + 1) % kWords;
    rear = (rear + 1) % kWords;
  }
  return static_cast<int>(value >> 1);
}

const char* greetingPhrase(int hour) {
  if (hour >= 0 && hour <= 11) return "goood morning...";
  if (hour >= 13 && hour <= 14) return "goood afternoon...";
  if (hour >= 17 && hour <= 22) return "goood evening...";
  return "how are you doing...";
}

void greetings(const char* name) {
  const std::tm t = localNow();
  // Seeded with the seconds, so two greetings within one second match.
  const int pick = firstRandomAfterSeed(static_cast<unsigned>(t.tm_sec));
  flushInput();
  const char* phrase = greetingPhrase(t.tm_hour);
  flushInput();
  std::cout << kOpenings[pick % 11] << name << ", " << phrase << " " << std::endl;
}
