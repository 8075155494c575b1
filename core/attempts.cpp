#include "core/attempts.h"

#include <string>

#include "records/data_files.h"

AttemptSave SaveAttemptRecords(const CandidateSkeleton& attempt) {
  CandidateSkeleton record = attempt;
  const std::string bytes = EncodeRecord(record);
  AttemptSave saved;
  saved.common = AppendRecords(CandiDatefilex, bytes, bytes.size());
  saved.own = AppendRecords(ResultFileName(record.setIDNumber(), record.setCandiNames()), bytes, bytes.size());
  return saved;
}
