#include "tests/data_fixture.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "core/limits.h"
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

// Sets the particulars every account and result record carries.
void setParticulars(CandidateSkeleton& r, const std::string& name, const std::string& id, const std::string& level,
                    const char* email, const char* contact) {
  r.getCandiNames(name.c_str());
  r.getIDNumber(id.c_str());
  r.getCandiLevel(level.c_str());
  r.getcandiCountry("Kenya");
  r.getEmail(email);
  r.getContact(contact);
}

void fillPerson(CandidateSkeleton& r, const Person& p) {
  setParticulars(r, p.name, p.id, p.level, "someone@example.org", "0700 000 000");
  r.getLogInPassword(std::atoi(p.password.c_str()));
}

QuestionSkeleton questionRecord(const std::string& text, const std::string (&options)[4], int answer) {
  QuestionSkeleton q;
  q.getQuestion(text.c_str());
  q.getOptionA(options[0].c_str());
  q.getOptionB(options[1].c_str());
  q.getOptionC(options[2].c_str());
  q.getOptionD(options[3].c_str());
  q.getQuestionAnswer(answer);
  return q;
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

// Checks every record of a file the program wrote itself.
void checkRecords(const std::string& name, const std::string& bytes, long size, std::vector<std::string>& problems) {
  const RecordLayout& layout = layoutOfSize(size);
  for (size_t at = 0; at + static_cast<size_t>(size) <= bytes.size(); at += static_cast<size_t>(size)) {
    const std::string record = bytes.substr(at, static_cast<size_t>(size));
    for (const FieldLayout& field : layout.fields) {
      if (field.kind == FieldKind::kText && !TextTerminated(record.data(), field)) {
        problems.push_back(name + ": record at " + std::to_string(at) + " has a text without its terminator");
      }
    }
    if (&layout == &QuestionLayout()) {
      const int32_t answer = numberOf(record, "answer");
      if (answer < 1 || answer > 4) problems.push_back(name + ": question with answer " + std::to_string(answer));
    } else if (name == accountRegFileTutor || name == accountRegFileCandi) {
      const int32_t password = numberOf(record, "logInPassword");
      if (password < 1 || password > kHighestPassword) {
        problems.push_back(name + ": account with password out of range");
      }
    }
  }
}

// Checks that a folder of claimed IDs holds nothing but empty claim files.
void checkClaims(const std::string& folder, std::vector<std::string>& problems) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return problems.push_back("cannot list " + folder);
  while (const dirent* entry = ::readdir(d)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    std::string key;
    if (::lstat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0 ||
        !ClaimedKey(name, &key)) {
      problems.push_back(folder + "/" + name + ": not a claim");
    }
  }
  ::closedir(d);
}

// Returns the field `name` of any record type, or nullptr.
const FieldLayout* fieldNamed(const char* name) {
  const FieldLayout* field = FindField(PaperLayout(), name);  // holds the tutor's and the candidate's
  return field ? field : FindField(QuestionLayout(), name);
}

}  // namespace

std::string textOf(const std::string& bytes, const char* name) {
  const FieldLayout* field = fieldNamed(name);
  if (!field || bytes.size() < field->offset + field->width) return "";
  return TextField(bytes.data(), *field);
}

std::string textsOf(const std::string& bytes, const std::vector<const char*>& names) {
  std::string joined;
  for (size_t i = 0; i < names.size(); ++i) joined += (i == 0 ? "" : "|") + textOf(bytes, names[i]);
  return joined;
}

int32_t numberOf(const std::string& bytes, const char* name) {
  const FieldLayout* field = fieldNamed(name);
  if (!field || bytes.size() < field->offset + field->width) return 0;
  return DecodeFixed32(bytes.data() + field->offset);
}

CandidateSkeleton candidateNamed(const std::string& name, const std::string& id, int password) {
  CandidateSkeleton c;
  setParticulars(c, name, id, "Form 4", "mary@home.example", "0711000111");
  c.getLogInPassword(password);
  return c;
}

std::string candidateBytes(const CandidateSkeleton& candidate) { return EncodeRecord(candidate); }

CandidateSkeleton candidateAt(const std::string& bytes, size_t offset) {
  CandidateSkeleton c;
  if (bytes.size() >= offset + kCandidateRecordSize) c.DecodeFrom(bytes.data() + offset);
  return c;
}

CandidateSkeleton resultRecord(const Attempt& a) {
  CandidateSkeleton r;
  setParticulars(r, a.name, a.id, "Form 2", "someone@example.org", "0700 111 222");
  r.getsubjectName(a.subject);
  r.getcandiscores(a.score);
  r.getTimeAttempted(a.time);
  r.getTimeTaken(a.taken);
  r.getDateAttempted("7/12/2026 | Monday");
  return r;
}

std::string resultBytes(const std::vector<Attempt>& attempts) {
  std::string bytes;
  for (const Attempt& a : attempts) bytes += EncodeRecord(resultRecord(a));
  return bytes;
}

std::string repeatedResultBytes(const Attempt& a, int n) {
  const std::string one = resultBytes({a});
  std::string all;
  for (int i = 0; i < n; ++i) all += one;
  return all;
}

std::string paperBytes(const PaperFacts& facts) {
  PaperSkeleton paper;
  paper.getsubjectName(facts.subject.c_str());
  paper.getCandiNames(facts.author.c_str());
  paper.get_PaperLevel(facts.level.c_str());
  paper.getTotalQuestion(facts.totalQuestions);
  paper.getTimeAllowed(facts.minutes);
  paper.getContact(facts.contact.c_str());
  paper.getEmail(facts.email.c_str());
  paper.get_Deparment(facts.department.c_str());
  return EncodeRecord(paper);
}

std::string libraryBytes(const std::string& prefix, int count) {
  std::string bytes;
  for (int i = 1; i <= count; ++i) {
    PaperSkeleton paper;
    paper.getsubjectName((prefix + std::to_string(i)).c_str());
    bytes += EncodeRecord(paper);
  }
  return bytes;
}

std::string questionFileOf(const PaperFacts& paper) {
  return QuestionFileName(paper.subject.c_str(), paper.level.c_str(), paper.author.c_str());
}

QuestionSkeleton makeQuestion(int i, int answer, const std::string& gap) {
  const std::string n = std::to_string(i);
  const std::string options[4] = {"A" + gap + n, "B" + gap + n, "C" + gap + n, "D" + gap + n};
  return questionRecord("Question " + n, options, answer);
}

std::vector<QuestionSkeleton> makePaper(const std::vector<int>& answers) {
  std::vector<QuestionSkeleton> paper;
  for (size_t i = 0; i < answers.size(); ++i) paper.push_back(makeQuestion(static_cast<int>(i + 1), answers[i]));
  return paper;
}

std::string questionBytes(const std::vector<int>& answers) {
  std::string bytes;
  for (size_t i = 0; i < answers.size(); ++i)
    bytes += questionBytes(makeQuestion(static_cast<int>(i + 1), answers[i], " "));
  return bytes;
}

std::string questionBytes(const QuestionSkeleton& record) { return EncodeRecord(record); }

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
  std::string file;
  for (const Question& q : questions) file += EncodeRecord(questionRecord(q.text, q.options, optionNumber(q.correct)));
  return file;
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

void addAnswerSheet(const ScratchDir& dir, const Person& candidate, const Person& author, const std::string& subject,
                    const std::vector<Question>& questions, const std::string& answers) {
  AnswerSheet sheet;
  const std::string records = questionFileBytes(questions);
  sheet.edition = Crc32(0, records.data(), records.size());
  sheet.questions = static_cast<int32_t>(questions.size());
  int correct = 0;
  for (size_t i = 0; i < questions.size(); ++i) {
    sheet.key[i] = questions[i].correct;
    sheet.answers[i] = answers[i] == '-' ? '\0' : answers[i];
    sheet.answered += answers[i] != '-';
    correct += answers[i] == questions[i].correct;
  }
  sheet.score = correct * 100.0 / static_cast<double>(questions.size());
  sheet.allowed = 120.0 * static_cast<double>(questions.size());
  sheet.timeTaken = 95;
  sheet.ending = sheet.answered == sheet.questions ? kSheetAllAnswered : kSheetTimeUp;
  std::snprintf(sheet.id, sizeof sheet.id, "%s", candidate.id.c_str());
  std::snprintf(sheet.name, sizeof sheet.name, "%s", candidate.name.c_str());
  std::snprintf(sheet.subject, sizeof sheet.subject, "%s", subject.c_str());
  std::snprintf(sheet.level, sizeof sheet.level, "%s", author.level.c_str());
  std::snprintf(sheet.author, sizeof sheet.author, "%s", author.name.c_str());
  std::snprintf(sheet.date, sizeof sheet.date, "7/12/2026 | Monday");
  std::snprintf(sheet.time, sizeof sheet.time, "9:5:7");
  dir.append(AnswersFile, EncodeRecord(sheet));
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
    const bool isFolder = ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (isFolder && (name == ClaimFolderName(accountRegFileTutor) || name == ClaimFolderName(accountRegFileCandi))) {
      checkClaims(path, problems);
      continue;
    }
    if (isFolder || !S_ISREG(st.st_mode)) {
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

std::vector<std::string> idsOf(const std::string& path) {
  std::vector<std::string> ids;
  ScanFile<CandidateSkeleton>(path, WhenMissing::kFail, SIZE_MAX, [&ids](CandidateSkeleton& c) {
    ids.push_back(c.setIDNumber());
    return true;
  });
  return ids;
}
