#ifndef QUIZMORA_BUILDER_PAPER_REVIEW_H_
#define QUIZMORA_BUILDER_PAPER_REVIEW_H_

#include <vector>

#include "records/question_skeleton.h"

// The review of a new paper before it is saved.

// The review choices.
enum ReviewChoice { kReviewSave = 1, kReviewDrop = 2, kReviewEdit = 3, kReviewLogOut = 4 };

// Clears the screen and lists every question of `questions` in one go, each
// with its options and correct option ("No Answer" when the stored option is
// not 1 to 4).
void showReview(std::vector<QuestionSkeleton>& questions);

// Shows the review menu and returns the whole number typed: 0 when the entry
// is not a number (the rest of the line stays pending).
int reviewChoice();

// Tells the tutor the choice was wrong and waits for a key.
void wrongReviewChoice();

#endif  // QUIZMORA_BUILDER_PAPER_REVIEW_H_
