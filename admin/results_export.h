#ifndef QUIZMORA_ADMIN_RESULTS_EXPORT_H_
#define QUIZMORA_ADMIN_RESULTS_EXPORT_H_

#include "admin/admin_options.h"

// export-results: every result of "candidate.abcddata" in file order (or
// those of one candidate, one subject, or both), as CSV or JSON Lines.
// Records are read and written one at a time, so memory stays constant
// whatever the file's size. A missing file is one without results: the
// output is the CSV header row alone. A filter that matches nothing is said
// on standard error; the status is still kExitDone.
int RunExportResults(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_RESULTS_EXPORT_H_
