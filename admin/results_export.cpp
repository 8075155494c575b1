#include "admin/results_export.h"

#include <cerrno>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "core/accounts.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/whole_files.h"

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

  const auto write = [&](long number, const char* bytes) {
    if (options.hasCandidate && !AccountHasId(bytes, options.candidate.c_str())) return;
    const ResultRow row = RowFromRecord(number, bytes);
    out.Write(json ? JsonLine(row) : CsvRow(row));
  };
  const StoreStatus read =
      ScanRecords(CandiDatefilex, kCandidateRecordSize, WhenMissing::kFail, SIZE_MAX, write).status;
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
