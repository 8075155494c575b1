#ifndef QUIZMORA_ADMIN_ATTEMPTS_COMMAND_H_
#define QUIZMORA_ADMIN_ATTEMPTS_COMMAND_H_

#include <string>

#include "admin/admin_options.h"
#include "records/answer_sheet.h"

// attempts: the journals of the folder (running or interrupted attempts)
// as tab-separated lines under the header
// "id\tname\tsubject\tanswered\tquestions\tstarted\tstate", in name order;
// started is local time ISO 8601, state "on a seat" (a seat holds it),
// "time left N s" or "time up". With --finish, every journal whose time is
// up and that no seat holds is saved as a result, as the program would
// (ending 3), and removed; one line "finished\tID\tname\tsubject\tscore"
// each. --dry-run prints the same and writes nothing.
int RunAttempts(const AdminOptions& options);

// The state column of a journal not held by a seat, `now` seconds since
// 1970: "time left N s" (whole seconds, rounded down) or "time up".
std::string AttemptState(const AnswerSheet& sheet, int64_t now);

#endif  // QUIZMORA_ADMIN_ATTEMPTS_COMMAND_H_
