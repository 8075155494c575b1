#ifndef QUIZMORA_CORE_ATTEMPTS_H_
#define QUIZMORA_CORE_ATTEMPTS_H_

#include "core/attempt_journal.h"
#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/store.h"

// The outcome of saving an attempt: one status for each file it goes to.
struct AttemptSave {
  StoreStatus common;         // the results of every candidate, "candidate.abcddata"
  StoreStatus own;            // the candidate's own result file
  StoreStatus answers;        // the answer sheets, "answers.abcdans"
  bool answersTried = false;  // false while a result file lacks the record
  bool ok() const { return common.ok() && own.ok() && answersTried && answers.ok(); }
};

// Saves a finished attempt. The result record `attempt` (a candidate's
// particulars with the score, the date and the time of the result) goes to
// the common results file and to the candidate's own result file, each on
// its own (a failure on one never keeps the other unwritten) and each only
// when the sheet's `saved` bits say it does not hold it yet; after each
// append the bits are kept in `journal`. When both hold it, `sheet` (its
// saved bits cleared) is appended to "answers.abcdans", and only then is
// the journal removed. So a save that failed part-way and is tried again
// stores nothing twice. Prints nothing.
AttemptSave SaveAttempt(const CandidateSkeleton& attempt, AnswerSheet& sheet, AttemptJournal& journal);

// Saves an interrupted attempt whose time is up, as the program would have:
// the score from the sheet's answers and key, the whole allowance as the
// time taken, `date` and `time` as the result's texts, the other fields of
// the result record from the candidate's account when there is one (else
// the ID and name only), ending kSheetFinishedByTool. `journal` holds the
// sheet's journal. Nothing is written when `dryRun`. Returns the record
// saved through *record.
AttemptSave FinishAttempt(AnswerSheet& sheet, AttemptJournal& journal, const char* date, const char* time, bool dryRun,
                          CandidateSkeleton* record);

#endif  // QUIZMORA_CORE_ATTEMPTS_H_
