#include "tests/data_fixture.h"

#include <dirent.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_settings.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/record_layout.h"
#include "records/store.h"
#include "records/tutor_skeleton.h"

namespace {

template <class Record>
void fillPerson(Record& r, const Person& p) {
  r.getCandiNames(p.name.c_str());
  r.getIDNumber(p.id.c_str());
  r.getCandiLevel(p.level.c_str());
  r.getcandiCountry("Kenya");
  r.getEmail("someone@example.org");
  r.getContact("0700 000 000");
  r.getLogInPassword(std::atoi(p.password.c_str()));
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Returns the layout of records of `size` bytes.
const RecordLayout& layoutOfSize(long size) {
  if (size == static_cast<long>(kQuestionRecordSize)) return QuestionLayout();
  if (size == static_cast<long>(kPaperRecordSize)) return PaperLayout();
  if (size == static_cast<long>(kTutorRecordSize)) return TutorLayout();
  if (size == static_cast<long>(kAnswerSheetRecordSize)) return AnswerSheetLayout();
  if (size == static_cast<long>(kSettingsRecordSize)) return SettingsLayout();
  return CandidateLayout();
}

int32_t int32Named(const std::string& bytes, size_t at, const RecordLayout& layout, const char* field) {
  return DecodeFixed32(bytes.data() + at + FindField(layout, field)->offset);
}

// Checks every record of a file the program wrote itself.
void checkRecords(const std::string& name, const std::string& bytes, long size, std::vector<std::string>& problems) {
  for (size_t at = 0; at + static_cast<size_t>(size) <= bytes.size(); at += static_cast<size_t>(size)) {
    const std::vector<std::pair<int, int>> texts = textFieldsOf(size);
    for (const auto& field : texts) {
      if (bytes[at + static_cast<size_t>(field.first + field.second - 1)] != '\0') {
        problems.push_back(name + ": record at " + std::to_string(at) + " has a text without its terminator");
      }
    }
    const RecordLayout& layout = layoutOfSize(size);
    if (size == 3204) {
      const int32_t answer = int32Named(bytes, at, layout, "answer");
      if (answer < 1 || answer > 4) problems.push_back(name + ": question with answer " + std::to_string(answer));
    } else if (name == accountRegFileTutor || name == accountRegFileCandi) {
      const int32_t password = int32Named(bytes, at, layout, "logInPassword");
      if (password < 1 || password > 9000000) problems.push_back(name + ": account with password out of range");
    }
  }
}

}  // namespace

std::vector<std::pair<int, int>> textFieldsOf(long size) {
  std::vector<std::pair<int, int>> texts;
  for (const FieldLayout& field : layoutOfSize(size).fields) {
    if (field.kind == FieldKind::kText)
      texts.emplace_back(static_cast<int>(field.offset), static_cast<int>(field.width));
  }
  return texts;
}

void addTutorAccount(const ScratchDir& dir, const Person& tutor) {
  TutorSkeleton t;
  fillPerson(t, tutor);
  t.get_Institution("Hill School");
  t.get_Deparment("Sciences");
  dir.append(accountRegFileTutor, EncodeRecord(t));
}

void addCandidateAccount(const ScratchDir& dir, const Person& candidate) {
  CandidateSkeleton c;
  fillPerson(c, candidate);
  dir.append(accountRegFileCandi, EncodeRecord(c));
}

std::string questionFileBytes(const std::vector<Question>& questions) {
  std::ostringstream file;
  for (const Question& q : questions) {
    QuestionSkeleton r;
    r.getQuestion(q.text.c_str());
    r.getOptionA(q.options[0].c_str());
    r.getOptionB(q.options[1].c_str());
    r.getOptionC(q.options[2].c_str());
    r.getOptionD(q.options[3].c_str());
    r.getQuestionAnswer(optionNumber(q.correct));
    r.QuestionWrite(file);
  }
  return file.str();
}

std::string addPaper(const ScratchDir& dir, const Person& author, const std::string& subject,
                     const std::vector<Question>& questions) {
  const std::string name = QuestionFileName(subject.c_str(), author.level.c_str(), author.name.c_str());
  dir.write(name, questionFileBytes(questions));
  PaperSkeleton header;
  header.getsubjectName(subject.c_str());
  header.getCandiNames(author.name.c_str());
  header.get_PaperLevel(author.level.c_str());
  header.get_Deparment("Sciences");
  header.get_Institution("Hill School");
  header.getEmail("jane@example.org");
  header.getContact("0700 000 000");
  header.getDateAttempted("7/12/2026 | Monday");
  header.getTotalQuestion(static_cast<int>(questions.size()));
  header.getTimeAllowed(2.0 * static_cast<double>(questions.size()));
  dir.append(SubjectFile, EncodeRecord(header));
  return name;
}

void addResult(const ScratchDir& dir, const Person& candidate, const std::string& subject, double score,
               double seconds) {
  CandidateSkeleton r;
  fillPerson(r, candidate);
  r.getsubjectName(subject.c_str());
  r.getcandiscores(score);
  r.getTimeTaken(seconds);
  r.getDateAttempted("7/12/2026 | Monday");
  r.getTimeAttempted("9:5:7");
  const std::string bytes = EncodeRecord(r);
  dir.append(CandiDatefilex, bytes);
  dir.append(ResultFileName(candidate.id.c_str(), candidate.name.c_str()), bytes);
}

long recordSizeOf(const std::string& name) {
  if (name == SubjectFile) return kPaperRecordSize;
  if (name == accountRegFileTutor) return kTutorRecordSize;
  if (name == accountRegFileCandi || name == CandiDatefilex) return kCandidateRecordSize;
  if (name == SettingsFile) return kSettingsRecordSize;
  if (name == AnswersFile || endsWith(name, journalExtension)) return kAnswerSheetRecordSize;
  if (endsWith(name, printableExtension)) return 0;
  if (endsWith(name, candidateExtension)) return kCandidateRecordSize;
  if (endsWith(name, questionExtension)) return kQuestionRecordSize;
  return -1;
}

std::vector<std::string> dataFileProblems(const std::string& dir, bool tempFilesAllowed) {
  std::vector<std::string> problems;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return {"cannot list " + dir};
  while (const dirent* entry = ::readdir(d)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = dir + "/" + name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      problems.push_back(name + ": not a plain file");
      continue;
    }
    // A replacement writes a hidden temporary file beside its target first.
    if (name.rfind(".quizmora-", 0) == 0) {
      if (!tempFilesAllowed) problems.push_back(name + ": temporary file left behind");
      continue;
    }
    const long size = recordSizeOf(name);
    if (size < 0) {
      problems.push_back(name + ": a file the program never makes");
    } else if (size > 0) {
      if (st.st_size % size != 0) {
        problems.push_back(name + ": " + std::to_string(st.st_size) + " bytes, not whole records of " +
                           std::to_string(size));
      }
      std::ifstream in(path, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      checkRecords(name, bytes.str(), size, problems);
    }
  }
  ::closedir(d);
  return problems;
}

bool hasSanitizerReport(const std::string& err) {
  return err.find("Sanitizer") != std::string::npos || err.find("runtime error:") != std::string::npos;
}
