#include "console/number_entry.h"

#include <iostream>

#include "console/console_io.h"

namespace {

void reject(const NumberEntry& entry, const char* message, bool showBound) {
  std::cout << message;
  if (showBound) std::cout << entry.highest << entry.afterBound;
  std::cout.flush();
  if (entry.pauses) pauseScreen();
}

}  // namespace

int enterNumber(const NumberEntry& entry) {
  for (;;) {
    flushInput();
    std::cout << entry.prompt;
    readLine(entry.text, entry.limit);
    if (entry.echo) std::cout << entry.echo << entry.text << std::endl;
    const bool blank = entry.text[0] == '\0';
    if (entry.text[0] == '-' || (blank && entry.blankIsNegative)) {
      reject(entry, entry.negative, false);
      continue;
    }
    const int value = leadingInteger(entry.text);
    if (value >= 1 && value <= entry.highest) return value;
    reject(entry, entry.outOfRange, entry.afterBound != nullptr);
  }
}
