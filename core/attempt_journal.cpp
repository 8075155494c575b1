#include "core/attempt_journal.h"

#include "records/data_files.h"
#include "records/whole_files.h"

AttemptJournal::Found AttemptJournal::Open(const char* id, const char* name, AnswerSheet* sheet) {
  return OpenFile(JournalFileName(id, name), sheet);
}

AttemptJournal::Found AttemptJournal::OpenFile(const std::string& path, AnswerSheet* sheet) {
  const StoreStatus held = file_.Hold(path);
  if (held.failed == StoreStep::kLock) return Found::kBusy;
  if (!held.ok()) return Found::kNone;
  std::string bytes;
  // Anything but one whole record, or a sheet of more questions than a
  // sheet holds, was never written by a seat: it is no attempt to resume.
  if (!file_.Read(&bytes).ok() || bytes.size() != kAnswerSheetRecordSize) {
    file_.Release();
    return Found::kNone;
  }
  sheet->DecodeFrom(bytes.data());
  if (sheet->questions < 0 || sheet->questions > kSheetMaxQuestions) {
    file_.Release();
    return Found::kNone;
  }
  return Found::kHeld;
}

StoreStatus AttemptJournal::Keep(const AnswerSheet& sheet) {
  return file_.Replace(JournalFileName(sheet.id, sheet.name), EncodeRecord(sheet));
}

StoreStatus AttemptJournal::Remove() { return file_.Remove(); }

StoreStatus PeekJournal(const std::string& path, AnswerSheet* sheet, bool* whole, bool* busy) {
  *whole = false;
  StoreStatus status = ProbeHeld(path, busy);
  if (!status.ok() && status.failed != StoreStep::kOpen) return status;
  std::string bytes;
  status = ReadWholeFile(path, &bytes);
  if (!status.ok()) return status;
  *whole = bytes.size() == kAnswerSheetRecordSize;
  if (*whole) sheet->DecodeFrom(bytes.data());
  return StoreStatus{};
}
