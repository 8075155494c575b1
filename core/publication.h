#ifndef QUIZMORA_CORE_PUBLICATION_H_
#define QUIZMORA_CORE_PUBLICATION_H_

#include <string>
#include <vector>

#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/store.h"

// Publishes a question paper without a word on the screen: `questions`, in
// order, become the whole content of the question file `questionFile` (a
// new edition, put in place whole), and then `header` is appended to the
// subject library, under the library's lock. Returns the store's answer for
// each step. Typed papers and papers imported by quizmora-admin both go
// through here, so their bytes agree.
PublishResult PublishQuestionPaper(const std::vector<QuestionSkeleton>& questions, const PaperSkeleton& header,
                                   const std::string& questionFile);

#endif  // QUIZMORA_CORE_PUBLICATION_H_
