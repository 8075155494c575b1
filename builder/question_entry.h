#ifndef QUIZMORA_BUILDER_QUESTION_ENTRY_H_
#define QUIZMORA_BUILDER_QUESTION_ENTRY_H_

#include <vector>

#include "records/question_skeleton.h"

// Typing the questions of a new paper.

// Asks for one whole question into `question`: its text, options A to D
// (each asked again while empty) and the correct option (asked again until
// it is a letter A to D). Everything typed replaces what was there. The
// typed texts pass through the abcdData buffers, within their limits.
void enterQuestion(QuestionSkeleton& question);

// Asks for every question of `questions` in order, numbering them from 1.
// The screen is cleared before questions 3, 5, 7, ... with a banner naming
// the question about to be typed.
void enterQuestions(std::vector<QuestionSkeleton>& questions);

#endif  // QUIZMORA_BUILDER_QUESTION_ENTRY_H_
