#include "admin/results_export.h"

#include <cerrno>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "core/accounts.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"

namespace {

// The filters as they were typed: " --candidate C1 --subject Maths".
std::string FilterWords(const AdminOptions& options) {
  std::string words;
  if (options.hasCandidate) words += " --candidate " + options.candidate;
  if (options.hasSubject) words += " --subject " + options.subject;
  return words;
}

}  // namespace

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

  // A row left out by a filter comes back empty.
  long matched = 0;
  const auto write = [&](long number, const char* bytes) {
    const std::string text = row(number, bytes, json);
    if (text.empty()) return;
    ++matched;
    out.Write(text);
  };
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
  // An empty result of a filter is an answer, not a failure; it is said so
  // that a mistyped ID or subject is not taken for a class without results.
  if (matched == 0 && (options.hasCandidate || options.hasSubject))
    Complain("no result matched" + FilterWords(options));
  return kExitDone;
}

int RunExportResults(const AdminOptions& options) {
  return ExportRecords(options, CsvHeader(), CandiDatefilex, kCandidateRecordSize,
                       [&options](long number, const char* bytes, bool json) {
                         const ResultRow row = RowFromRecord(number, bytes);
                         if (options.hasCandidate && row.id != options.candidate) return std::string();
                         if (options.hasSubject && row.subject != options.subject) return std::string();
                         return json ? JsonLine(row) : CsvRow(row);
                       });
}
