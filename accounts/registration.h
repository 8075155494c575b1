#ifndef QUIZMORA_ACCOUNTS_REGISTRATION_H_
#define QUIZMORA_ACCOUNTS_REGISTRATION_H_

#include "records/candidate_skeleton.h"
#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"

// Shows the tutor registration form, fills `tutor` (and the author fields of
// `paper`) and appends the account. Returns true when the account was
// written; false when the account file could not be opened or written.
bool registerTutor(TutorSkeleton& tutor, PaperSkeleton& paper);

// The same for a candidate account.
bool registerCandidate(CandidateSkeleton& candidate);

// Returns true when `id` is already registered as a tutor (after printing the
// duplicate message and pausing).
bool noDuplicateIDTUTOR(const char* id);

// Returns true when `id` is already registered as a candidate (after printing
// the duplicate message and pausing).
bool noDuplicateIDSTUDENT(const char* id);

#endif  // QUIZMORA_ACCOUNTS_REGISTRATION_H_
