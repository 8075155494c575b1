#ifndef QUIZMORA_BUILDER_QUESTION_EDIT_H_
#define QUIZMORA_BUILDER_QUESTION_EDIT_H_

#include <vector>

#include "records/question_skeleton.h"

// Asks which question of `questions` to change (1 to its size; asked again
// until valid), has that question typed again completely, confirms it and
// waits for a key. Returns after clearing the screen.
void editQuestion(std::vector<QuestionSkeleton>& questions);

#endif  // QUIZMORA_BUILDER_QUESTION_EDIT_H_
