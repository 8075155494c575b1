#ifndef QUIZMORA_SCOREBOARD_CANDIDATE_DETAILS_H_
#define QUIZMORA_SCOREBOARD_CANDIDATE_DETAILS_H_

// The two looks of the detail view: the tutor's (no time taken) and the
// home menu's Score Board (with a column of seconds).
enum class DetailLayout { kTutor, kScoreBoard };

// Clears the screen and shows the candidate of row `candidateNumber` (from 1,
// as numbered by displayCandidates) with every attempt of their own result
// file, at most 500 of them.
//
// Returns false, after an error line on standard error and with nothing
// printed on standard output, when the candidate's result file cannot be
// opened, or when row `candidateNumber` can no longer be read from
// "candidate.abcddata"; the caller then ends the program.
//
// The tutor layout prints scores with the precision standard output already
// has (the list's 3); the score-board layout leaves precision 8 and right
// adjustment in force.
bool viewCandidateDetails(int candidateNumber, DetailLayout layout);

#endif  // QUIZMORA_SCOREBOARD_CANDIDATE_DETAILS_H_
