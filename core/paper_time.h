#ifndef QUIZMORA_CORE_PAPER_TIME_H_
#define QUIZMORA_CORE_PAPER_TIME_H_

// The time allowance of a new paper, chosen by letter: Y gives 2 minutes a
// question, N 1 minute a question, and D lets the tutor give 1 to
// kMaxPaperMinutes minutes of his own.

// Returns the minutes of a paper of `questions` questions at the letter
// `letter` (Y or N, either case); 0 for any other letter.
double StandardMinutes(char letter, int questions);

// True when `minutes` is an allowance a tutor may give: 1 to
// kMaxPaperMinutes.
bool MinutesAllowed(long minutes);

#endif  // QUIZMORA_CORE_PAPER_TIME_H_
