#ifndef QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_
#define QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_

#include "core/attempt_journal.h"
#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"

// One timed attempt as it runs: its answer sheet, kept in its journal from
// the moment the clock starts until it is saved or dropped.
struct RunningAttempt {
  AnswerSheet sheet;
  AttemptJournal journal;
  bool warned = false;  // the journal could not be written and the candidate was told
};

// One timed attempt: the candidate picks a paper from the library, sees its
// particulars, answers its questions against the paper's allowance (checked
// before each question is shown) and sees the result screen. Every answer
// is kept in `attempt`'s sheet and journal as it is given.
//
// Stores the subject and the time taken (the real time used, but never more
// than the allowance) into `candidate`; writes no file but the journal,
// except that a missing library or question file is created empty. Returns
// the score: the percent of the questions read from the paper's file
// answered correctly (0 when the file holds none). Returns a negative
// value, after its message, only when the library holds no paper at all,
// so that nothing could be chosen.
//
// Standard output is left with precision 3 (set by the result screen) and,
// once a question was shown, left adjustment.
double assessmentTemplate(CandidateSkeleton& candidate, RunningAttempt& attempt);

// Goes on with the interrupted attempt whose sheet `attempt` holds (its
// journal held): reads the paper again and, when it is still the edition
// begun on, asks the questions left while the wall-clock time since the
// start allows; then the result screen, as assessmentTemplate. A changed
// paper ends the attempt at once. Returns the score from the sheet.
double resumeAttempt(CandidateSkeleton& candidate, RunningAttempt& attempt);

// Writes the attempt's sheet to its journal; the first failure is told on
// standard error, once.
void keepJournal(RunningAttempt& attempt);

#endif  // QUIZMORA_ASSESSMENT_TIMED_ASSESSMENT_H_
