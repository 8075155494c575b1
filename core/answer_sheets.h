#ifndef QUIZMORA_CORE_ANSWER_SHEETS_H_
#define QUIZMORA_CORE_ANSWER_SHEETS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"

// The rules of an answer sheet, the same for the program and the tool: how
// a sheet begins, which question the candidate sees where, how an answer is
// kept and how a sheet is scored.

// Returns the edition of a paper: the CRC-32 of its question records as
// they lie on disk, in file order.
uint32_t PaperEdition(const std::vector<QuestionSkeleton>& questions);

// Returns a new sheet of `candidate` on `paper` whose `questions` were read
// (at most kSheetMaxQuestions), its clock started at `started` (seconds
// since 1970 UTC): the particulars, the allowance, the edition and the key.
AnswerSheet BeginSheet(CandidateSkeleton& candidate, PaperSkeleton& paper,
                       const std::vector<QuestionSkeleton>& questions, int64_t started);

// The order the candidate sees, the one the sheet's order seed gives:
// returns the index, in the paper's own order, of the question shown at
// `position` (from 0).
size_t QuestionAt(const AnswerSheet& sheet, size_t position);

// Returns the first position whose question has no answer yet (the
// sheet's question count when every one has).
size_t NextPosition(const AnswerSheet& sheet);

// Keeps option `option` (1 = A to 4 = D) as the answer to the question of
// the paper's own index `index`, counting it as answered.
void KeepAnswer(AnswerSheet& sheet, size_t index, int option);

// Returns how many answers match the key.
int CorrectAnswers(const AnswerSheet& sheet);

// Returns the percent of the sheet's questions answered correctly (0 for a
// sheet of no questions).
double SheetScore(const AnswerSheet& sheet);

// Sets the result of `sheet`: the score, time taken, date and time texts of
// its result record.
void CloseSheet(AnswerSheet& sheet, double score, double timeTaken, const char* date, const char* time);

// Returns the letter of option `option` (1 to 4), or 0 for any other number.
char OptionLetter(int option);

#endif  // QUIZMORA_CORE_ANSWER_SHEETS_H_
