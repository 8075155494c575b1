#ifndef QUIZMORA_ADMIN_GIFT_FORMAT_H_
#define QUIZMORA_ADMIN_GIFT_FORMAT_H_

#include <string>
#include <vector>

#include "admin/imported_paper.h"
#include "admin/paper_text.h"

// GIFT, its multiple-choice part:
//
//   // a comment
//   ::Sums:: [plain] What is 2 + 2? {
//     ~3 #too few
//     =4
//     ~5 ~22
//   }
//
// Questions are separated by blank lines; "//" comment lines and
// "$CATEGORY:" lines are ignored. An optional ::title:: and a leading
// [plain], [html], [moodle] or [markdown] tag are dropped. The answers stand
// between { and }, '=' before the correct one and '~' before the others;
// "#feedback" after an answer is dropped. \~ \= \# \{ \} \: stand for the
// character itself, \n for a blank, and a backslash before any other
// character for that character (so \\ is a backslash).

// Reads the questions of `lines`. Each question that is not plain multiple
// choice with four options and one correct answer adds a problem naming
// the kind (true/false, short answer, matching, numerical, essay,
// missing word, weighted answers) with its line. Texts are trimmed; their
// lengths are left to CheckImportedPaper.
ImportedPaper ParseGift(const std::vector<TextLine>& lines);

// Returns `questions` as GIFT text that ParseGift reads back to the same
// texts: special characters escaped, one answer a line, a blank line
// between questions. Each correct option must be 1 to 4.
std::string WriteGift(const std::vector<ImportedQuestion>& questions);

#endif  // QUIZMORA_ADMIN_GIFT_FORMAT_H_
