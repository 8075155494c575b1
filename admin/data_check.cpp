#include "admin/data_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "admin/admin_status.h"
#include "admin/counted.h"
#include "admin/data_folder.h"
#include "admin/result_rows.h"
#include "core/limits.h"
#include "core/question_options.h"
#include "records/answer_sheet.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_settings.h"
#include "records/question_skeleton.h"
#include "records/whole_files.h"

namespace {

std::string Shown(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  return ShortestNumber(value);
}

// The checks of one data file, record by record.
class FileCheck {
 public:
  FileCheck(const std::string& name, DataKind kind, const std::vector<LibraryHeader>& headers,
            std::vector<std::string>* problems)
      : name_(name), kind_(kind), layout_(*LayoutOf(kind)), headers_(headers), problems_(problems) {}

  void Run() {
    const LoadResult scan =
        ScanRecords(name_, layout_.size, WhenMissing::kFail, SIZE_MAX, [this](long record, const char* bytes) {
          record_ = record;
          CheckRecord(bytes);
        });
    if (!scan.status.ok()) return Add(DescribeFailure(scan.status, name_));
    if (scan.tail > 0) Add(Counted(static_cast<long long>(scan.tail), "byte") + " after the last whole record");
    if (kind_ == DataKind::kJournal && (scan.records != 1 || scan.tail > 0)) {
      Add("a journal holds one answer sheet, this one " + std::to_string(scan.records) + " whole and " +
          Counted(static_cast<long long>(scan.tail), "byte") + " more");
    }
  }

 private:
  void CheckRecord(const char* bytes) {
    for (const FieldLayout& field : layout_.fields) {
      if (field.kind == FieldKind::kText && !TextTerminated(bytes, field)) {
        AddAtRecord(std::string("text field ") + field.name + " has no terminating NUL");
      }
    }
    switch (kind_) {
      case DataKind::kTutorAccounts:
      case DataKind::kCandidateAccounts: CheckAccount(bytes); break;
      case DataKind::kResults: CheckResult(bytes); break;
      case DataKind::kLibrary: CheckHeader(bytes); break;
      case DataKind::kQuestions: CheckQuestion(bytes); break;
      case DataKind::kSettings: CheckSettings(bytes); break;
      case DataKind::kAnswers:
      case DataKind::kJournal: CheckSheet(bytes); break;
      case DataKind::kPartial:
      case DataKind::kOther: break;
    }
  }

  void CheckAccount(const char* bytes) {
    static const FieldLayout& password = *FindField(CandidateLayout(), "logInPassword");
    static const FieldLayout& idField = *FindField(CandidateLayout(), "IDNumber");
    const int32_t value = DecodeFixed32(bytes + password.offset);
    if (value < 1 || value > kHighestPassword)
      AddAtRecord("password " + std::to_string(value) + " is outside 1 to 9000000");
    const auto first = ids_.emplace(StoredText(bytes, idField), record_);
    if (!first.second) {
      AddAtRecord("ID \"" + ToUtf8(first.first->first) + "\" already registered in record " +
                  std::to_string(first.first->second));
    }
  }

  void CheckResult(const char* bytes) {
    static const FieldLayout& score = *FindField(CandidateLayout(), "candiscores");
    static const FieldLayout& taken = *FindField(CandidateLayout(), "timeTaken");
    const double percent = DecodeDouble(bytes + score.offset);
    if (!std::isfinite(percent) || percent < 0 || percent > 100) {
      AddAtRecord("score " + Shown(percent) + " is not a number from 0 to 100");
    }
    const double seconds = DecodeDouble(bytes + taken.offset);
    if (!std::isfinite(seconds) || seconds < 0)
      AddAtRecord("time taken " + Shown(seconds) + " is not a number of seconds from 0");
  }

  void CheckQuestion(const char* bytes) {
    static const FieldLayout& answer = *FindField(QuestionLayout(), "answer");
    const int32_t value = DecodeFixed32(bytes + answer.offset);
    if (value < 1 || value > 4) AddAtRecord("correct option " + std::to_string(value) + " is outside 1 to 4");
    QuestionSkeleton question;
    question.DecodeFrom(bytes);
    const std::string options = OptionsProblem(question);
    if (!options.empty()) AddAtRecord(options);
  }

  void CheckSettings(const char* bytes) {
    static const FieldLayout& flags = *FindField(SettingsLayout(), "flags");
    static const FieldLayout& file = *FindField(SettingsLayout(), "questionFile");
    const int32_t value = DecodeFixed32(bytes + flags.offset);
    if (value & ~kKnownSettingsFlags) {
      AddAtRecord("flags " + std::to_string(value) +
                  " hold bits other than shuffle questions (1), shuffle options (2) and review (4)");
    }
    if (named_.empty()) named_ = NamedQuestionFiles(headers_);
    const std::string questionFile = StoredText(bytes, file);
    if (!named_.count(questionFile)) {
      AddAtRecord("no library header names the question file \"" + ToUtf8(questionFile) + "\"");
    }
  }

  // An answer sheet as the program writes it: its counts, letters and
  // numbers within their ranges and agreeing with each other.
  void CheckSheet(const char* bytes) {
    AnswerSheet sheet;
    sheet.DecodeFrom(bytes);
    const int32_t count = sheet.questions;
    if (count < 0 || count > kSheetMaxQuestions) {
      AddAtRecord("question count " + std::to_string(count) + " is outside 0 to 1000");
    }
    const int32_t q = std::min(std::max(count, 0), kSheetMaxQuestions);
    int present = 0;
    for (int i = 0; i < kSheetMaxQuestions; ++i) {
      const char a = sheet.answers[i];
      if (a != 0) ++present;
      if (a != 0 && (a < 'A' || a > 'D')) {
        AddAtRecord("answer " + std::to_string(i + 1) + " is byte " + std::to_string(static_cast<unsigned char>(a)) +
                    ", not A to D");
        break;
      }
    }
    if (sheet.answered < 0 || sheet.answered > q || sheet.answered != present) {
      AddAtRecord("answered " + std::to_string(sheet.answered) + " but " + std::to_string(present) + " answers of " +
                  std::to_string(q) + " questions");
    }
    for (int i = 0; i < kSheetMaxQuestions; ++i) {
      const char k = sheet.key[i];
      const bool good = i < q ? k >= 'A' && k <= 'D' : k == 0;
      if (!good) {
        AddAtRecord("key byte " + std::to_string(i + 1) + " is " + std::to_string(static_cast<unsigned char>(k)) +
                    (i < q ? ", not A to D" : ", not 0 after the last question"));
        break;
      }
    }
    if (!std::isfinite(sheet.score) || sheet.score < 0 || sheet.score > 100) {
      AddAtRecord("score " + Shown(sheet.score) + " is not a number from 0 to 100");
    }
    if (!std::isfinite(sheet.timeTaken) || sheet.timeTaken < 0) {
      AddAtRecord("time taken " + Shown(sheet.timeTaken) + " is not a number of seconds from 0");
    }
    if (!std::isfinite(sheet.allowed) || sheet.allowed < 0) {
      AddAtRecord("time allowed " + Shown(sheet.allowed) + " is not a number of seconds from 0");
    }
    if (sheet.ending < 0 || sheet.ending > kSheetPaperChanged) {
      AddAtRecord("ending " + std::to_string(sheet.ending) + " is outside 0 to 4");
    }
  }

  void CheckHeader(const char* bytes) {
    static const FieldLayout& total = *FindField(PaperLayout(), "totalQuestions");
    static const FieldLayout& allowed = *FindField(PaperLayout(), "timeAllowed");
    const int32_t count = DecodeFixed32(bytes + total.offset);
    if (count < 1 || count > kMaxPaperQuestions)
      AddAtRecord("question count " + std::to_string(count) + " is outside 1 to 1000");
    const double minutes = DecodeDouble(bytes + allowed.offset);
    if (!std::isfinite(minutes) || minutes <= 0) AddAtRecord("minutes " + Shown(minutes) + " are not above 0");
    if (static_cast<size_t>(record_) > headers_.size()) return;  // appended since the headers were read
    const LibraryHeader& header = headers_[static_cast<size_t>(record_ - 1)];
    if (header.lastOfFile != header.record) {
      return AddAtRecord("superseded by record " + std::to_string(header.lastOfFile) +
                         ", which names the same question file \"" + header.questionFile + "\"");
    }
    uint64_t size = 0;
    const StoreStatus sized = DataFileSize(header.questionFile, &size);
    if (!sized.ok()) {
      return AddAtRecord(sized.error == ENOENT ? "question file \"" + header.questionFile + "\" is missing"
                                               : DescribeFailure(sized, header.questionFile));
    }
    const uint64_t questions = size / kQuestionRecordSize;
    if (questions != static_cast<uint64_t>(count)) {
      AddAtRecord("question count " + std::to_string(count) + " but \"" + header.questionFile + "\" holds " +
                  Counted(static_cast<long long>(questions), "whole question"));
    }
  }

  void AddAtRecord(const std::string& message) { Add("record " + std::to_string(record_) + ": " + message); }
  void Add(const std::string& message) { problems_->push_back(name_ + ": " + message); }

  const std::string& name_;
  DataKind kind_;
  const RecordLayout& layout_;
  const std::vector<LibraryHeader>& headers_;
  std::vector<std::string>* problems_;
  long record_ = 0;
  std::unordered_map<std::string, long> ids_;
  std::set<std::string> named_;  // the question files the headers name, once needed
};

}  // namespace

std::vector<std::string> CheckDataFolder() {
  std::vector<std::string> problems;
  std::vector<std::string> names;
  StoreStatus status = ListDataFolder(".", &names);
  if (!status.ok()) return {DescribeFailure(status, "the data folder")};
  std::vector<LibraryHeader> headers;
  status = ReadLibraryHeaders(&headers);
  if (!status.ok()) problems.push_back(DescribeFailure(status, SubjectFile));
  const std::set<std::string> named = NamedQuestionFiles(headers);
  for (const std::string& name : names) {
    const DataKind kind = KindOf(name, named);
    if (kind == DataKind::kOther || kind == DataKind::kPartial) continue;
    FileCheck(name, kind, headers, &problems).Run();
    if (kind == DataKind::kQuestions && !named.count(name)) {
      problems.push_back(name + ": no library header names this question file");
    }
  }
  for (const std::string& accounts : ClaimedAccountFiles()) {
    ClaimSurvey survey;
    const std::string folder = ClaimFolderName(accounts);
    status = SurveyClaims(accounts, &survey);
    if (!status.ok()) problems.push_back(DescribeFailure(status, folder));
    for (const std::string& id : survey.unheld)
      problems.push_back(folder + ": ID \"" + ToUtf8(id) + "\" claimed but held by no account");
    for (const std::string& name : survey.strangers) problems.push_back(folder + "/" + name + ": not a claim");
  }
  return problems;
}

std::vector<std::string> KeptCopies() {
  // A folder that cannot be listed is reported by CheckDataFolder already.
  std::vector<std::string> kept, names;
  const std::string advice = "; remove it once it is no longer needed";
  ListDataFolder(".", &names);
  for (const std::string& name : names) {
    if (KindOf(name, {}) == DataKind::kPartial) {
      kept.push_back(name + ": kept copy of bytes cut from a partial record" + advice);
    }
  }
  ListSubfolders(".", &names);
  for (const std::string& name : names) {
    if (name.rfind(kBackupFolderPrefix, 0) == 0) {
      kept.push_back(name + "/: kept copy of the files as they were before a repair" + advice);
    }
  }
  return kept;
}

void PrintCheckReport(const std::vector<std::string>& problems, const std::vector<std::string>& kept) {
  std::string report;
  for (const std::string& problem : problems) report += problem + "\n";
  for (const std::string& copy : kept) report += copy + "\n";
  report += problems.empty() ? std::string("no problems found\n")
                             : Counted(static_cast<long long>(problems.size()), "problem") + " found\n";
  std::fwrite(report.data(), 1, report.size(), stdout);
  std::fflush(stdout);
}

int RunCheck(const AdminOptions&) {
  const std::vector<std::string> problems = CheckDataFolder();
  PrintCheckReport(problems, KeptCopies());
  return problems.empty() ? kExitDone : kExitFailed;
}
