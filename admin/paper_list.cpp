#include "admin/paper_list.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "admin/tutor_login.h"
#include "core/paper_settings.h"
#include "records/data_files.h"
#include "records/question_skeleton.h"
#include "records/record_layout.h"
#include "records/whole_files.h"

namespace {

// A text fit for one tab-separated column: UTF-8, no tabs or line ends.
std::string Column(const std::string& text) {
  std::string out = ToUtf8(text);
  for (char& c : out) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return out;
}

std::string StoredDate(const PaperSkeleton& header) {
  const std::string record = EncodeRecord(header);
  return TextField(record.data(), *FindField(PaperLayout(), "dateAttempted"));
}

// What `papers` says of a header's question file: "whole" (whole records,
// as many as the header's count), "missing", or "damaged".
std::string QuestionFileState(PaperSkeleton& header) {
  uint64_t size = 0;
  const StoreStatus sized = DataFileSize(QuestionFileOf(header), &size);
  if (!sized.ok()) return sized.error == ENOENT ? "missing" : "damaged";
  const bool whole = size % kQuestionRecordSize == 0 &&
                     size / kQuestionRecordSize == static_cast<uint64_t>(header.setTotalQuestions());
  return whole ? "whole" : "damaged";
}

// A header's author is the tutor whose name and level (cut as a header
// keeps it) make its question file name: the one tutor who can replace it.
bool IsAuthor(PaperSkeleton& header, TutorSkeleton& tutor) {
  PaperSkeleton mine;
  mine.get_PaperLevel(tutor.setCandiLevel());
  return std::strcmp(header.setCandiNames(), tutor.setCandiNames()) == 0 &&
         std::strcmp(header.setPaperLevel(), mine.setPaperLevel()) == 0;
}

// The settings column of a paper: the names of those on, or "-".
std::string SettingsColumn(PaperSkeleton& header, const std::map<std::string, PaperSettings>& settings) {
  const auto found = settings.find(QuestionFileOf(header));
  return SettingsNames(found == settings.end() ? PaperSettings() : found->second);
}

}  // namespace

int FindOwnPaper(const AdminOptions& options, const char* act, PaperSkeleton* header) {
  TutorSkeleton tutor;
  const int login = LogInTutor(options.tutor, options.passwordStdin, &tutor);
  if (login != kExitDone) return login;
  bool found = false;
  const StoreStatus library = FindPaper(options.number, header, &found);
  if (!library.ok()) {
    Complain(DescribeFailure(library, SubjectFile));
    return kExitFailed;
  }
  if (!found || options.number < 1) {
    Complain(NoSuchPaper(options.number));
    return kExitFailed;
  }
  if (!IsAuthor(*header, tutor)) {
    Complain("paper " + std::to_string(options.number) + " was set by another tutor: only its author may " + act);
    return kExitFailed;
  }
  return kExitDone;
}

std::string QuestionFileOf(PaperSkeleton& header) {
  return QuestionFileName(header.setsubjectName(), header.setPaperLevel(), header.setCandiNames());
}

StoreStatus FindPaper(long number, PaperSkeleton* header, bool* found) {
  *found = false;
  long seen = 0;
  const LoadResult scan = ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& h) {
    if (++seen < number) return true;
    *header = h;
    *found = true;
    return false;
  });
  if (scan.status.error == ENOENT) return StoreStatus{};
  return scan.status;
}

std::string NoSuchPaper(long number) {
  return "no paper " + std::to_string(number) + " in the library (see: quizmora-admin papers)";
}

int RunPapers(const AdminOptions&) {
  OutputSink out;
  out.Open("");
  out.Write("number\tsubject\tauthor\tlevel\tquestions\tminutes\tdate\tquestion_file\tfile\tsettings\n");
  // Settings that cannot be read are all off, as the program then sits the
  // papers; check names the cause.
  std::map<std::string, PaperSettings> settings;
  if (!LoadEveryPaperSettings(&settings).ok()) settings.clear();
  long number = 0;
  const LoadResult scan = ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& h) {
    out.Write(std::to_string(++number) + '\t' + Column(h.setsubjectName()) + '\t' + Column(h.setCandiNames()) + '\t' +
              Column(h.setPaperLevel()) + '\t' + std::to_string(h.setTotalQuestions()) + '\t' +
              ShortestNumber(h.setTimeAllowed()) + '\t' + Column(StoredDate(h)) + '\t' + Column(QuestionFileOf(h)) +
              '\t' + QuestionFileState(h) + '\t' + SettingsColumn(h, settings) + '\n');
    return true;
  });
  const StoreStatus written = out.Finish();
  if (!scan.status.ok() && scan.status.error != ENOENT) {
    Complain(DescribeFailure(scan.status, SubjectFile));
    return kExitFailed;
  }
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
