#ifndef QUIZMORA_ACCOUNTS_LOGIN_H_
#define QUIZMORA_ACCOUNTS_LOGIN_H_

#include "records/candidate_skeleton.h"
#include "records/tutor_skeleton.h"

// Returns true when a tutor account with `id` exists and its password equals
// the leading integer of `password`. On an ID match the account is copied
// into `tutor`, even when the password is wrong.
bool loginTutor(const char* id, const char* password, TutorSkeleton& tutor);

// The same over the candidate accounts.
bool LoginStudent(const char* id, const char* password, CandidateSkeleton& candidate);

#endif  // QUIZMORA_ACCOUNTS_LOGIN_H_
