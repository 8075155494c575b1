#ifndef QUIZMORA_ADMIN_AIKEN_FORMAT_H_
#define QUIZMORA_ADMIN_AIKEN_FORMAT_H_

#include <string>
#include <vector>

#include "admin/imported_paper.h"
#include "admin/paper_text.h"

// Aiken, the plainest multiple-choice text format:
//
//   What is 2 + 2?
//   A. 3
//   B) 4
//   C. 5
//   D. 22
//   ANSWER: B
//
// One line of question text, the four options in order (a letter A to D,
// then '.' or ')', optional blanks and the text), then ANSWER: (any case)
// and one letter A to D. Blank lines are ignored.

// Reads the questions of `lines`. Every mistake of the format is added to
// the paper's problems with its line; after a mistake the reader skips to
// the question's ANSWER: line or the next blank line and goes on, so one
// run reports every faulty question. Texts are trimmed; their lengths are
// left to CheckImportedPaper.
ImportedPaper ParseAiken(const std::vector<TextLine>& lines);

// Returns `questions` as Aiken text ("A. text", "ANSWER: X"), a blank line
// between questions. Each correct option must be 1 to 4.
std::string WriteAiken(const std::vector<ImportedQuestion>& questions);

#endif  // QUIZMORA_ADMIN_AIKEN_FORMAT_H_
