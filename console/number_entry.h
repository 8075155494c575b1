#ifndef QUIZMORA_CONSOLE_NUMBER_ENTRY_H_
#define QUIZMORA_CONSOLE_NUMBER_ENTRY_H_

#include <cstddef>

// One screen's request for a whole number typed as text. Every such request
// in the program is this routine with its own texts and limits.
struct NumberEntry {
  const char* prompt;      // printed before each read (no line end)
  char* text;              // buffer for the typed line, at least `limit` bytes
  size_t limit;            // readLine limit: at most limit-1 characters kept
  int highest;             // accepted range is 1 to highest, inclusive
  const char* echo;        // if set: echo, the typed text and a line end
  const char* negative;    // printed when the text starts with '-'
  const char* outOfRange;  // printed when the value is outside the range
  const char* afterBound;  // if set: `highest` and this follow outOfRange
  bool blankIsNegative;    // an empty line takes the negative message
  bool pauses;             // pauseScreen after either message
};

// Repeats flushInput, prompt, readLine (and echo) until the text converts
// (leading-integer rules) to a value in 1..highest; returns that value.
int enterNumber(const NumberEntry& entry);

#endif  // QUIZMORA_CONSOLE_NUMBER_ENTRY_H_
