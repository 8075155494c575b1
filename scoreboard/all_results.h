#ifndef QUIZMORA_SCOREBOARD_ALL_RESULTS_H_
#define QUIZMORA_SCOREBOARD_ALL_RESULTS_H_

#include <cstddef>
#include <vector>

#include "records/candidate_skeleton.h"

// Most results the score board's list and the printable file take from
// "candidate.abcddata"; later records are neither shown nor counted.
constexpr size_t kAllResultsCapacity = 1000;

// Returns the whole result records of "candidate.abcddata" in file order, at
// most kAllResultsCapacity of them. When the file cannot be opened it is
// created empty (an existing file is never truncated) and the outcome is
// reported: "the file is empty" on standard output, or the creation error on
// standard error; the table is then empty. *complete (when not null) tells
// whether the file could be read without error as far as the table goes.
std::vector<CandidateSkeleton> LoadAllResults(bool* complete = nullptr);

#endif  // QUIZMORA_SCOREBOARD_ALL_RESULTS_H_
