#ifndef QUIZMORA_SCOREBOARD_CANDIDATE_LIST_H_
#define QUIZMORA_SCOREBOARD_CANDIDATE_LIST_H_

// Prints the table of every saved attempt in "candidate.abcddata" (at most
// 1000 rows, numbered from 1 in file order) with its summary line, or the
// no-candidates line. Discards pending console input first; does not clear
// the screen. A missing file is created empty (see LoadAllResults).
//
// Returns the number of rows listed: the highest candidate number the
// score-board screens accept.
//
// After at least one row, standard output keeps precision 3 and right
// adjustment; the tutor's detail view prints its scores with them.
int displayCandidates();

#endif  // QUIZMORA_SCOREBOARD_CANDIDATE_LIST_H_
