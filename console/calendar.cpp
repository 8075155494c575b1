#include "console/calendar.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "console/console_io.h"
#include "console/working_record.h"
#include "records/field_text.h"

const char weekDays[7][10] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

namespace {

bool use_fixed_time = false;
std::tm fixed_time;

const char* const kOpenings[11] = {
    "\n\tHello there ", "\n\tHello ",   "\n\tHi ",   "\n\tHello ", "\n\tHey ",  "\n\tHalla ",
    "\n\tWelcome ",     "\n\tNice to recieve you ", "\n\tWhatsapp ", "\n\tHowdy ", "\n\tHow is ",
};

}  // namespace

std::tm localNow() {
  if (use_fixed_time) return fixed_time;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
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

const char* greetingPhrase(int hour) {
  if (hour >= 0 && hour <= 11) return "goood morning...";
  if (hour >= 13 && hour <= 14) return "goood afternoon...";
  if (hour >= 17 && hour <= 22) return "goood evening...";
  return "how are you doing...";
}

void greetings(const char* name) {
  const std::tm t = localNow();
  // Seeded with the seconds, so two greetings within one second match.
  std::srand(static_cast<unsigned>(t.tm_sec));
  flushInput();
  const char* phrase = greetingPhrase(t.tm_hour);
  flushInput();
  std::cout << kOpenings[std::rand() % 11] << name << ", " << phrase << " " << std::endl;
}
