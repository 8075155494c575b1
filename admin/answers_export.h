#ifndef QUIZMORA_ADMIN_ANSWERS_EXPORT_H_
#define QUIZMORA_ADMIN_ANSWERS_EXPORT_H_

#include <string>

#include "admin/admin_options.h"
#include "records/answer_sheet.h"

// export-answers: every answer sheet of "answers.abcdans" in file order,
// as CSV (RFC 4180, CR LF) or JSON Lines, with the rules of export-results;
// --candidate ID and --subject NAME keep only the sheets that match.
int RunExportAnswers(const AdminOptions& options);

// The CSV header row, and one sheet numbered `number` as a CSV row or a
// JSON line: the answers one character per question (the letter, or '-'
// when not answered), the key the question's letters, the edition as 8
// lower-case hex digits, the ending as a word.
std::string AnswersCsvHeader();
std::string AnswersCsvRow(long number, const AnswerSheet& sheet);
std::string AnswersJsonLine(long number, const AnswerSheet& sheet);

#endif  // QUIZMORA_ADMIN_ANSWERS_EXPORT_H_
