#include "admin/results_export.h"

#include <cerrno>

#include "accounts/account_lookup.h"
#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/store.h"

int RunExportResults(const AdminOptions& options) {
  const bool json = options.format == "jsonl";
  OutputSink out;
  StoreStatus written = out.Open(options.output);
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  if (options.bom) out.Write("\xEF\xBB\xBF");
  if (!json) out.Write(CsvHeader());

  RecordReader reader(kCandidateRecordSize);
  bool created = false;
  StoreStatus read = reader.Open(CandiDatefilex, WhenMissing::kFail, &created);
  const char* bytes = nullptr;
  long number = 0;
  while (read.ok() && reader.Next(&bytes)) {
    ++number;
    if (options.hasCandidate && !AccountHasId(bytes, options.candidate.c_str())) continue;
    const ResultRow row = RowFromRecord(number, bytes);
    out.Write(json ? JsonLine(row) : CsvRow(row));
  }
  if (read.ok()) read = reader.status();
  if (!read.ok() && read.error != ENOENT) {
    // A file replaced by -o keeps its old content: the new one is not whole.
    Complain(DescribeFailure(read, CandiDatefilex));
    return kExitFailed;
  }
  written = out.Finish();
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
