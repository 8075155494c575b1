#include "admin/results_export.h"

#include <cerrno>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "core/accounts.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"

int ExportRecords(const AdminOptions& options, const std::string& csvHeader, const char* file, size_t recordSize,
                  const ExportRow& row) {
  const bool json = options.format == "jsonl";
  OutputSink out;
  StoreStatus written = out.Open(options.output);
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  if (options.bom) out.Write("\xEF\xBB\xBF");
  if (!json) out.Write(csvHeader);

  const auto write = [&](long number, const char* bytes) { out.Write(row(number, bytes, json)); };
  const StoreStatus read = ScanRecords(file, recordSize, WhenMissing::kFail, SIZE_MAX, write).status;
  if (!read.ok() && read.error != ENOENT) {
    // A file replaced by -o keeps its old content: the new one is not whole.
    Complain(DescribeFailure(read, file));
    return kExitFailed;
  }
  written = out.Finish();
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}

int RunExportResults(const AdminOptions& options) {
  return ExportRecords(options, CsvHeader(), CandiDatefilex, kCandidateRecordSize,
                       [&options](long number, const char* bytes, bool json) {
                         if (options.hasCandidate && !AccountHasId(bytes, options.candidate.c_str()))
                           return std::string();
                         const ResultRow row = RowFromRecord(number, bytes);
                         return json ? JsonLine(row) : CsvRow(row);
                       });
}
