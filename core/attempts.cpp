#include "core/attempts.h"

#include <string>

#include "core/accounts.h"
#include "core/answer_sheets.h"
#include "records/data_files.h"

namespace {

// Appends the result `bytes` to `path` unless `sheet` says it holds them,
// then marks them held with `bit` in the sheet and its journal.
StoreStatus SaveResultOnce(const std::string& path, const std::string& bytes, int32_t bit, AnswerSheet& sheet,
                           AttemptJournal& journal) {
  if (sheet.saved & bit) return StoreStatus{};
  const StoreStatus status = AppendRecords(path, bytes, bytes.size());
  if (!status.ok()) return status;
  sheet.saved |= bit;
  // A journal that cannot take the bit only loses the protection of a
  // retry; the record itself is stored.
  journal.Keep(sheet);
  return status;
}

}  // namespace

AttemptSave SaveAttempt(const CandidateSkeleton& attempt, AnswerSheet& sheet, AttemptJournal& journal) {
  CandidateSkeleton record = attempt;
  const std::string bytes = EncodeRecord(record);
  AttemptSave saved;
  saved.common = SaveResultOnce(CandiDatefilex, bytes, kSavedInResults, sheet, journal);
  saved.own = SaveResultOnce(ResultFileName(record.setIDNumber(), record.setCandiNames()), bytes, kSavedInOwnFile,
                             sheet, journal);
  if (!saved.common.ok() || !saved.own.ok()) return saved;
  AnswerSheet stored = sheet;
  stored.saved = 0;
  const std::string sheetBytes = EncodeRecord(stored);
  saved.answersTried = true;
  saved.answers = AppendRecords(AnswersFile, sheetBytes, sheetBytes.size());
  if (saved.answers.ok()) journal.Remove();
  return saved;
}

AttemptSave FinishAttempt(AnswerSheet& sheet, AttemptJournal& journal, const char* date, const char* time, bool dryRun,
                          CandidateSkeleton* record) {
  CandidateSkeleton result;
  if (!FindAccount(accountRegFileCandi, sheet.id, &result, WhenMissing::kFail).found) {
    result = CandidateSkeleton();
    result.getIDNumber(sheet.id);
    result.getCandiNames(sheet.name);
  }
  const double score = SheetScore(sheet);
  result.getsubjectName(sheet.subject);
  result.getcandiscores(score);
  result.getTimeTaken(sheet.allowed);
  result.getDateAttempted(date);
  result.getTimeAttempted(time);
  sheet.ending = kSheetFinishedByTool;
  CloseSheet(sheet, score, sheet.allowed, date, time);
  *record = result;
  if (dryRun) return AttemptSave{{}, {}, {}, true};
  return SaveAttempt(result, sheet, journal);
}
