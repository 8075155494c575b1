#ifndef QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_
#define QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_

#include <vector>

#include "records/answer_sheet.h"
#include "records/question_skeleton.h"

// The review a candidate sees after the result of a paper with review on:
// how many questions were answered correctly, then every question answered
// wrongly or not at all, in the order and with the letters the attempt
// showed, with the answer given and the correct one; then a pause.
//
// `questions` are the paper's in its own order, the ones `sheet` answers;
// the order shown is the one the sheet's seed gives.
void showReview(std::vector<QuestionSkeleton>& questions, const AnswerSheet& sheet);

#endif  // QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_
