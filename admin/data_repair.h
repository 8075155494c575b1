#ifndef QUIZMORA_ADMIN_DATA_REPAIR_H_
#define QUIZMORA_ADMIN_DATA_REPAIR_H_

#include <string>

#include "admin/admin_options.h"

// repair: mends what can be mended without a person's judgement, under the
// store's locks (the library's for the whole run, since publishing replaces
// question files under it, and each file's own while it is changed):
//   - a partial tail is cut into FILE.partial, as the store does;
//   - a text without its terminating NUL gets one in its last byte (what
//     every reader already shows of it);
//   - superseded library headers are dropped (the last of each question
//     file stays).
// Each file is copied into a new folder quizmora-backup-YYYYMMDD-HHMMSS in
// the data folder before it is changed; a file to be rewritten is replaced
// atomically. Each change is printed, then the folder is checked again.
// Returns kExitDone when no problem is left (kept copies aside), kExitFailed
// otherwise. With --dry-run nothing is written: a first line says so, then
// each change is said as what would be done (status kExitDone).
int RunRepair(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_DATA_REPAIR_H_
