#ifndef QUIZMORA_ADMIN_TUTOR_LOGIN_H_
#define QUIZMORA_ADMIN_TUTOR_LOGIN_H_

#include <string>

#include "records/tutor_skeleton.h"

// The tutor login of the commands that act for a tutor (import-paper,
// export-paper): the ID must be a registered tutor's and the password,
// a whole number, must equal the stored one (1 to 9000000).

// Returns the exit status of a login attempt as the command should end
// when it fails (kExitUsage, kExitFailed), after printing the message; or
// kExitDone with the account in *tutor. The password is read from the first
// line of standard input when `fromStdin`, otherwise from the terminal
// without echo. Nothing is ever written: a missing account file means no
// tutor is registered.
int LogInTutor(const std::string& id, bool fromStdin, TutorSkeleton* tutor);

#endif  // QUIZMORA_ADMIN_TUTOR_LOGIN_H_
