#include "admin/import_paper.h"

#include <cctype>
#include <iostream>
#include <vector>

#include "admin/admin_status.h"
#include "admin/aiken_format.h"
#include "admin/counted.h"
#include "admin/gift_format.h"
#include "admin/imported_paper.h"
#include "admin/paper_settings_command.h"
#include "admin/paper_text.h"
#include "admin/result_rows.h"
#include "admin/tutor_login.h"
#include "console/calendar.h"
#include "core/paper_header.h"
#include "core/paper_time.h"
#include "core/publication.h"
#include "records/data_files.h"
#include "records/whole_files.h"

namespace {

// The problems of the subject typed on the command line.
void CheckSubject(const std::string& subject, std::vector<std::string>* problems) {
  if (TrimBlanks(subject).empty()) problems->push_back("subject is empty");
  if (subject.size() > kMaxSubjectBytes) problems->push_back(TextLengthProblem(subject, "subject", kMaxSubjectBytes));
  if (!IsValidUtf8(subject)) problems->push_back("subject is not valid UTF-8");
}

// Returns the format a file is read in when --format is not given: "gift"
// for a name ending in .gift (any case), "aiken" otherwise.
std::string DefaultPaperFormat(const std::string& file) {
  std::string tail = file.size() >= 5 ? file.substr(file.size() - 5) : "";
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".gift" ? "gift" : "aiken";
}

// Reads and checks FILE; false (after printing every problem) when the
// paper may not be published.
bool ReadPaper(const AdminOptions& options, ImportedPaper* paper) {
  std::string bytes;
  const StoreStatus read = ReadWholeFile(options.file, &bytes);
  if (!read.ok()) {
    Complain(DescribeFailure(read, options.file));
    return false;
  }
  const std::string format = options.format.empty() ? DefaultPaperFormat(options.file) : options.format;
  *paper = ReadImportedPaper(bytes, format == "gift" ? ParseGift : ParseAiken);
  std::vector<std::string> subjectProblems;
  CheckSubject(options.subject, &subjectProblems);
  for (const std::string& problem : subjectProblems) Complain(problem);
  for (const ImportProblem& p : paper->problems) {
    Complain(options.file + ":" + std::to_string(p.line) + ": " + p.message);
  }
  return paper->problems.empty() && subjectProblems.empty();
}

}  // namespace

double MinutesFor(const std::string& time, int questions) {
  const double standard = time.size() == 1 ? StandardMinutes(time[0], questions) : 0;
  if (standard > 0) return standard;
  if (time.empty() || time.size() > 6) return 0;
  long minutes = 0;
  for (char c : time) {
    if (c < '0' || c > '9') return 0;
    minutes = minutes * 10 + (c - '0');
  }
  return MinutesAllowed(minutes) ? static_cast<double>(minutes) : 0;
}

int RunImportPaper(const AdminOptions& options) {
  TutorSkeleton tutor;
  const int login = LogInTutor(options.tutor, options.passwordStdin, &tutor);
  if (login != kExitDone) return login;
  ImportedPaper paper;
  if (!ReadPaper(options, &paper)) return kExitFailed;

  // The header and the file name exactly as the builder makes them.
  const int count = static_cast<int>(paper.questions.size());
  const double minutes = MinutesFor(options.time, count);
  PaperSkeleton header;
  FillPaperHeader(header, tutor, options.subject.c_str(), count, minutes, dateOfToday());
  const std::string questionFile =
      QuestionFileName(options.subject.c_str(), tutor.setCandiLevel(), tutor.setCandiNames());
  const std::string summary =
      Counted(count, "question") + ", " + Counted(ShortestNumber(minutes), "minute") + ", as \"" + questionFile + "\"";
  if (options.dryRun) {
    std::cout << "would publish " << summary << " (dry run: nothing written)\n";
    return kExitDone;
  }
  const PublishResult published = PublishQuestionPaper(ToQuestionRecords(paper.questions), header, questionFile);
  if (!published.questions.ok()) {
    Complain(DescribeFailure(published.questions, questionFile));
    return kExitFailed;
  }
  if (!published.header.ok()) {
    Complain(DescribeFailure(published.header, SubjectFile));
    return kExitFailed;
  }
  std::cout << "published " << summary << "\n";
  if (ChangesSettings(options) && !ChangePaperSettings(options, questionFile)) return kExitFailed;
  return kExitDone;
}
