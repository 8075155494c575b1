#ifndef QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_
#define QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_

#include <vector>

#include "core/attempt_order.h"
#include "records/question_skeleton.h"

// The review a candidate sees after the result of a paper with review on:
// how many questions were answered correctly, then every question answered
// wrongly or not at all, in the order and with the letters the attempt
// showed, with the answer given and the correct one; then a pause.
//
// `questions` are the paper's in its own order; answers[q] is the own
// option (1 = A ... 4 = D) chosen for own question q, 0 when unanswered.
void showReview(std::vector<QuestionSkeleton>& questions, const AttemptOrder& order, const std::vector<int>& answers);

#endif  // QUIZMORA_ASSESSMENT_ATTEMPT_REVIEW_H_
