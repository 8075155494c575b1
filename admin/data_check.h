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
//   - a settings record with bits other than the three settings', or naming
//     a question file no header names;
//   - a question file no header names; a ".partial" file left by the store.
// A file that cannot be read is a problem too.
std::vector<std::string> CheckDataFolder();

// Prints the problems and a last line "N problems found" or "no problems
// found" on standard output.
void PrintCheckReport(const std::vector<std::string>& problems);

// Runs check; returns kExitDone when no problem is found, kExitFailed
// otherwise.
int RunCheck(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_DATA_CHECK_H_
