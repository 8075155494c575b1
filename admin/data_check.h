#ifndef QUIZMORA_ADMIN_DATA_CHECK_H_
#define QUIZMORA_ADMIN_DATA_CHECK_H_

#include <string>
#include <vector>

#include "admin/admin_options.h"

// check: reads every data file of the current folder, raw, field by field
// through the record layouts, and returns one line per problem
// ("FILE: record N: ..." or "FILE: ..."), files in name order:
//   - bytes after the last whole record; a text field without its NUL;
//   - a score not finite or outside 0 to 100, a time taken not finite or
//     negative (results); a password outside 1 to 9000000 and an ID
//     registered twice (accounts); a correct option outside 1 to 4, an
//     empty option before a present one and a correct option naming an
//     empty one (questions);
//   - a header count outside 1 to 1000, minutes not finite or not above 0,
//     a header superseded by a later one naming the same question file, and
//     for the last header of each question file: the file missing, or its
//     count of whole records differing from the header's;
//   - answer sheets ("answers.abcdans" and the journals): a question count
//     outside 0 to 1000, answered outside 0 to the count or not the number
//     of answers present, answer bytes other than 0 and A to D, key bytes
//     other than A to D below the count or not 0 from it on, a score, time
//     taken or allowance not finite or out of range, an ending outside 0
//     to 4; a journal that is not exactly one sheet;
//   - a settings record with bits other than the three settings', or naming
//     a question file no header names;
//   - a question file no header names;
//   - an ID claimed beside an account file (in FILE.ids) that no account
//     holds, and a file in such a folder that is no claim.
// A file that cannot be read is a problem too.
std::vector<std::string> CheckDataFolder();

// Returns one line for each copy kept aside in the current folder, in name
// order: every ".partial" file (bytes the store or repair cut from a data
// file) and every backup folder of repair, each named as a kept copy with
// the advice to remove it once it is no longer needed. They are no problem:
// nothing reads them.
std::vector<std::string> KeptCopies();

// Prints the problems, then the kept copies, then a last line "N problems
// found" ("1 problem found") or "no problems found" on standard output.
void PrintCheckReport(const std::vector<std::string>& problems, const std::vector<std::string>& kept);

// Runs check; returns kExitDone when no problem is found (kept copies
// aside), kExitFailed otherwise.
int RunCheck(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_DATA_CHECK_H_
