#ifndef QUIZMORA_BUILDER_PAPER_SAVE_H_
#define QUIZMORA_BUILDER_PAPER_SAVE_H_

#include <string>
#include <vector>

#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"

// Publishes a new paper: `questions`, in order, become the whole content of
// the question file `questionFile`, and then `header` is appended to the
// subject library.
//
// The question file is built beside its target and put in place only once
// every record is written, so a failed save leaves an earlier file of that
// name whole. The header is appended only when the question file is in
// place, so the library never names a paper whose questions are missing.
// Failures are reported on the error stream; the success message goes to the
// console output only when both files were written. Returns true then.
bool savePaper(const std::vector<QuestionSkeleton>& questions, const PaperSkeleton& header, const char* questionFile);

#endif  // QUIZMORA_BUILDER_PAPER_SAVE_H_
