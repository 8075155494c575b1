#include "platform/pinned_clock.h"

#include <cstdlib>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads exactly `digits` decimal digits at *p and moves past them.
bool ReadNumber(const char*& p, int digits, int* value) {
  *value = 0;
  for (int i = 0; i < digits; ++i, ++p) {
    if (*p < '0' || *p > '9') return false;
    *value = *value * 10 + (*p - '0');
  }
  return true;
}

bool Expect(const char*& p, char c) { return *p++ == c; }

// Sakamoto's rule: 0 = Sunday.
int Weekday(int year, int month, int day) {
  static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

}  // namespace

std::tm MomentOf(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_wday = Weekday(year, month, day);
  t.tm_yday = day - 1;
  for (int m = 1; m < month; ++m) t.tm_yday += DaysInMonth(year, m);
  t.tm_isdst = 0;
  return t;
}

bool ParseMoment(const char* text, std::tm* moment) {
  if (!text) return false;
  const char* p = text;
  int year, month, day, hour, minute, second;
  const bool read = ReadNumber(p, 4, &year) && Expect(p, '-') && ReadNumber(p, 2, &month) && Expect(p, '-') &&
                    ReadNumber(p, 2, &day) && Expect(p, ' ') && ReadNumber(p, 2, &hour) && Expect(p, ':') &&
                    ReadNumber(p, 2, &minute) && Expect(p, ':') && ReadNumber(p, 2, &second) && *p == '\0';
  if (!read || year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
      minute > 59 || second > 59) {
    return false;
  }
  *moment = MomentOf(year, month, day, hour, minute, second);
  return true;
}

bool PinnedMoment(std::tm* moment) {
  static std::tm pinned{};
  static const bool is_pinned = ParseMoment(std::getenv("QUIZMORA_FIXED_TIME"), &pinned);
  if (is_pinned) *moment = pinned;
  return is_pinned;
}
