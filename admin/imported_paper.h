#ifndef QUIZMORA_ADMIN_IMPORTED_PAPER_H_
#define QUIZMORA_ADMIN_IMPORTED_PAPER_H_

#include <string>
#include <vector>

#include "admin/paper_text.h"
#include "core/limits.h"
#include "core/question_options.h"
#include "records/question_skeleton.h"

// The neutral form of a paper between a text format and the question
// records: what the Aiken and GIFT readers produce and their writers take.

// Fewest options a question may have (a true/false question has two).
constexpr int kFewestOptions = 2;

// The texts a true/false question keeps as its options A and B.
extern const char* const kTrueOption;   // "True"
extern const char* const kFalseOption;  // "False"

struct ImportedQuestion {
  int line = 0;                      // where the question starts in its file
  std::string text;                  // trimmed question text
  int optionCount = kMaxOptions;     // 2 to 4: options from A on; the rest stay empty
  std::string options[kMaxOptions];  // trimmed options A to D
  int optionLines[kMaxOptions] = {0, 0, 0, 0};
  int correct = 0;  // 1 = A ... 4 = D
};

// True when `question` is a true/false question: the two options "True"
// and "False", in that order.
bool IsTrueFalse(const ImportedQuestion& question);

struct ImportedPaper {
  std::vector<ImportedQuestion> questions;
  std::vector<ImportProblem> problems;  // empty when the paper may be published
};

// Adds to paper->problems what both formats refuse: an empty or overlong
// question or option, and a count of questions outside 1 to 1000. Then
// sorts every problem by line (stable, so a line's problems keep their
// order).
void CheckImportedPaper(ImportedPaper* paper);

// A format's reader: the questions of a file's lines, with the mistakes of
// the format (ParseAiken, ParseGift).
using PaperParser = ImportedPaper (*)(const std::vector<TextLine>& lines);

// Reads the file content `bytes` with `parse`: cuts it into lines
// (SplitLines), reads them, and adds the problems of the lines and those of
// CheckImportedPaper, every problem in line order.
ImportedPaper ReadImportedPaper(const std::string& bytes, PaperParser parse);

// The question records of `paper`'s questions, in order.
std::vector<QuestionSkeleton> ToQuestionRecords(const std::vector<ImportedQuestion>& questions);

// The neutral form of a stored question record (its texts as stored; its
// options up to the last present one).
ImportedQuestion FromQuestionRecord(QuestionSkeleton record);

#endif  // QUIZMORA_ADMIN_IMPORTED_PAPER_H_
