#include "core/paper_time.h"

#include "core/limits.h"

double StandardMinutes(char letter, int questions) {
  if (letter == 'Y' || letter == 'y') return 2.0 * questions;
  if (letter == 'N' || letter == 'n') return questions;
  return 0;
}

bool MinutesAllowed(long minutes) { return minutes >= 1 && minutes <= kMaxPaperMinutes; }
