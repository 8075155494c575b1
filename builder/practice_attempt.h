#ifndef QUIZMORA_BUILDER_PRACTICE_ATTEMPT_H_
#define QUIZMORA_BUILDER_PRACTICE_ATTEMPT_H_

#include <vector>

#include "console/destinations.h"
#include "records/question_skeleton.h"

// The tutor's untimed try of a new paper held in memory: every question is
// answered in order, the score is shown, and the tutor may try again. Nothing
// is stored. Returns the tutor menu chosen at the end: the logged-in menu (N)
// or the logged-out menu (E). Leaves the console output's precision at 3.
TutorDestination practisePaper(std::vector<QuestionSkeleton>& questions);

#endif  // QUIZMORA_BUILDER_PRACTICE_ATTEMPT_H_
