#include "admin/data_folder.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <unordered_set>

#include "records/data_files.h"
#include "records/whole_files.h"

namespace {

bool EndsWith(const std::string& name, const std::string& tail) {
  return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

DataKind KindOf(const std::string& name, const std::set<std::string>& named) {
  if (name == accountRegFileTutor) return DataKind::kTutorAccounts;
  if (name == accountRegFileCandi) return DataKind::kCandidateAccounts;
  if (name == SubjectFile) return DataKind::kLibrary;
  if (name == CandiDatefilex) return DataKind::kResults;
  if (name == SettingsFile) return DataKind::kSettings;
  if (name == AnswersFile) return DataKind::kAnswers;
  if (EndsWith(name, PartialTailName(""))) return DataKind::kPartial;
  if (named.count(name) || EndsWith(name, questionExtension)) return DataKind::kQuestions;
  if (EndsWith(name, candidateExtension)) return DataKind::kResults;
  if (EndsWith(name, journalExtension)) return DataKind::kJournal;
  return DataKind::kOther;
}

const RecordLayout* LayoutOf(DataKind kind) {
  switch (kind) {
    case DataKind::kTutorAccounts: return &TutorLayout();
    case DataKind::kCandidateAccounts:
    case DataKind::kResults: return &CandidateLayout();
    case DataKind::kLibrary: return &PaperLayout();
    case DataKind::kQuestions: return &QuestionLayout();
    case DataKind::kSettings: return &SettingsLayout();
    case DataKind::kAnswers:
    case DataKind::kJournal: return &AnswerSheetLayout();
    case DataKind::kPartial:
    case DataKind::kOther: break;
  }
  return nullptr;
}

std::string StoredText(const char* bytes, const FieldLayout& field) {
  const char* start = bytes + field.offset;
  return std::string(start, strnlen(start, field.width - 1));
}

StoreStatus ReadLibraryHeaders(std::vector<LibraryHeader>* headers) {
  headers->clear();
  const RecordLayout& layout = PaperLayout();
  const FieldLayout& subject = *FindField(layout, "subjectName");
  const FieldLayout& level = *FindField(layout, "paperLevel");
  const FieldLayout& author = *FindField(layout, "candiNames");
  std::map<std::string, long> last;
  const StoreStatus status =
      ScanRecords(SubjectFile, layout.size, WhenMissing::kFail, SIZE_MAX, [&](long record, const char* bytes) {
        LibraryHeader header;
        header.record = record;
        header.questionFile = QuestionFileName(StoredText(bytes, subject).c_str(), StoredText(bytes, level).c_str(),
                                               StoredText(bytes, author).c_str());
        last[header.questionFile] = header.record;
        headers->push_back(header);
      }).status;
  for (LibraryHeader& header : *headers) header.lastOfFile = last[header.questionFile];
  // A missing library is one without headers.
  return status.openFailed() && status.error == ENOENT ? StoreStatus{} : status;
}

std::set<std::string> NamedQuestionFiles(const std::vector<LibraryHeader>& headers) {
  std::set<std::string> named;
  for (const LibraryHeader& header : headers) named.insert(header.questionFile);
  return named;
}

const std::vector<std::string>& ClaimedAccountFiles() {
  static const std::vector<std::string> files = {accountRegFileTutor, accountRegFileCandi};
  return files;
}

StoreStatus SurveyClaims(const std::string& accounts, ClaimSurvey* survey) {
  *survey = ClaimSurvey();
  const std::string folder = ClaimFolderName(accounts);
  if (!DataFileExists(folder)) return StoreStatus{};
  std::vector<std::string> names;
  StoreStatus status = ListDataFolder(folder, &names);
  if (!status.ok() || names.empty()) return status;
  const FieldLayout& id = *FindField(CandidateLayout(), "IDNumber");
  std::unordered_set<std::string> held;
  const size_t size = accounts == accountRegFileTutor ? TutorLayout().size : CandidateLayout().size;
  status = ScanRecords(accounts, size, WhenMissing::kFail, SIZE_MAX, [&](long, const char* bytes) {
             held.insert(StoredText(bytes, id));
           }).status;
  if (!status.ok() && status.error != ENOENT) return status;
  for (const std::string& name : names) {
    std::string key;
    if (!ClaimedKey(name, &key)) {
      survey->strangers.push_back(name);
    } else if (!held.count(key)) {
      survey->unheld.push_back(key);
    }
  }
  return StoreStatus{};
}
