#ifndef QUIZMORA_ADMIN_RESULTS_EXPORT_H_
#define QUIZMORA_ADMIN_RESULTS_EXPORT_H_

#include <cstddef>
#include <functional>
#include <string>

#include "admin/admin_options.h"

// export-results: every result of "candidate.abcddata" in file order (or
// those of one candidate, one subject, or both), as CSV or JSON Lines.
// Records are read and written one at a time, so memory stays constant
// whatever the file's size. A missing file is one without results: the
// output is the CSV header row alone. A filter that matches nothing is said
// on standard error; the status is still kExitDone.
int RunExportResults(const AdminOptions& options);

// Returns the output of the record `bytes` numbered `number` (from 1) as a
// JSON line when `json`, else as a CSV row; "" leaves it out.
using ExportRow = std::function<std::string(long number, const char* bytes, bool json)>;

// The export commands' common course: opens the output (standard output,
// or FILE of -o replaced when complete), writes the byte-order mark when
// asked and the CSV header row `csvHeader` (not for JSON Lines), then
// row(...) of every whole record of `file` (records of `recordSize`) in
// order. A missing file has no records. Returns the exit status, after
// its message on failure.
int ExportRecords(const AdminOptions& options, const std::string& csvHeader, const char* file, size_t recordSize,
                  const ExportRow& row);

#endif  // QUIZMORA_ADMIN_RESULTS_EXPORT_H_
