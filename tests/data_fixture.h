#ifndef QUIZMORA_TESTS_DATA_FIXTURE_H_
#define QUIZMORA_TESTS_DATA_FIXTURE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/question_skeleton.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

// The one place tests make records and data files: records built with the
// record classes and encoded by the store, fields read back by name through
// the layout table, data files written under their names from
// records/data_files.h; and checks of what the program left in a directory.

// ---- Reading a record's fields by name ----------------------------------------

// Returns the text of the field `name` (any record type's field, a
// question's too) of the record at the start of `bytes`: up to its NUL, ""
// when the bytes end before the field does.
std::string textOf(const std::string& bytes, const char* name);

// Returns textOf each field of `names`, joined by "|".
std::string textsOf(const std::string& bytes, const std::vector<const char*>& names);

// The text fields a tutor's registration fills, in the form's order.
inline const std::vector<const char*> kTutorFormFields = {"candiNames", "IDNumber",    "candiCountry", "contact",
                                                          "email",      "institution", "department",   "candiLevel"};

// Returns the 32-bit number of the field `name` of the record at the start
// of `bytes` (0 when the bytes end before the field does).
int32_t numberOf(const std::string& bytes, const char* name);

// ---- Accounts and attempts ----------------------------------------------------

// Returns the bytes of one account record (a TutorSkeleton or a
// CandidateSkeleton) with the given ID, password and name.
template <class Record>
std::string accountBytes(const std::string& id, int password, const std::string& name = "Someone") {
  Record r;
  r.getIDNumber(id.c_str());
  r.getLogInPassword(password);
  r.getCandiNames(name.c_str());
  std::string bytes(Record::kRecordSize, '\0');
  r.EncodeTo(&bytes[0]);
  return bytes;
}

// Returns a candidate account (or result) record with these particulars.
CandidateSkeleton candidateNamed(const std::string& name, const std::string& id, int password = 1234);

// Returns the 980-byte form of `candidate`.
std::string candidateBytes(const CandidateSkeleton& candidate);

// Returns the record decoded from the 980 bytes at `offset` of `bytes`.
CandidateSkeleton candidateAt(const std::string& bytes, size_t offset);

// A saved attempt with the particulars the score board shows.
struct Attempt {
  const char* name;
  const char* id;
  const char* subject;
  double score;
  const char* time;
  double taken;
};

// Ann Lee's attempts, as the score board's tests list them.
inline const Attempt kMaths{"Ann Lee", "A12", "Maths", 200.0 / 3, "9:5:7", 1234.5};
inline const Attempt kPhysics{"Ann Lee", "A12", "Physics", 100, "10:15:27", 45.123456789};
inline const Attempt kChemistry{"Ann Lee", "A12", "Chemistry", 50, "11:0:0", 90};

// Ann Lee's own result file.
inline const std::string kAnnResults = ResultFileName("A12", "Ann Lee");

// Returns one result record of `a`.
CandidateSkeleton resultRecord(const Attempt& a);

// Returns the bytes of the attempts as the data files hold them.
std::string resultBytes(const std::vector<Attempt>& attempts);

// Returns `n` copies of one attempt's bytes.
std::string repeatedResultBytes(const Attempt& a, int n);

// ---- Papers and questions -----------------------------------------------------

// A library header's particulars.
struct PaperFacts {
  std::string subject = "Physics";
  std::string author = "John Doe";
  std::string level = "Form 4";
  int totalQuestions = 0;
  double minutes = 1;
  std::string contact = "0700111222";
  std::string email = "john@school.example";
  std::string department = "Sciences";
};

// Returns the 1242-byte library header of `paper`.
std::string paperBytes(const PaperFacts& paper);

// Returns `count` library headers whose one field is the subject: `prefix`
// and the header's number from 1.
std::string libraryBytes(const std::string& prefix, int count);

// Returns the question file name of `paper`.
std::string questionFileOf(const PaperFacts& paper);

// Question `i`: "Question i" with options "A<gap>i" ... "D<gap>i" and the
// correct option `answer` (1 to 4).
QuestionSkeleton makeQuestion(int i, int answer, const std::string& gap = "");

// Questions 1..n made by makeQuestion (no gap), with the given answers.
std::vector<QuestionSkeleton> makePaper(const std::vector<int>& answers);

// Returns the bytes of makeQuestion(i, answers[i - 1], " ") for each
// answer, as a question file holds them.
std::string questionBytes(const std::vector<int>& answers);

// Returns the 3204-byte form of `record`.
std::string questionBytes(const QuestionSkeleton& record);

// ---- Data files in a directory ------------------------------------------------

// Appends a tutor account (1230 bytes) for `tutor`.
void addTutorAccount(const ScratchDir& dir, const Person& tutor);
// Appends a candidate account (980 bytes) for `candidate`.
void addCandidateAccount(const ScratchDir& dir, const Person& candidate);
// Returns the bytes of a question file holding `questions` in order.
std::string questionFileBytes(const std::vector<Question>& questions);
// Writes the question file of a paper by `author` and appends its header,
// as publishing does. Returns the question file's name.
std::string addPaper(const ScratchDir& dir, const Person& author, const std::string& subject,
                     const std::vector<Question>& questions);
// Appends one saved attempt to "candidate.abcddata" and to the candidate's
// result file.
void addResult(const ScratchDir& dir, const Person& candidate, const std::string& subject, double score,
               double seconds);

// Appends to "answers.abcdans" the sheet of `candidate` who answered
// `answers` (one letter per question, '-' for none) on the paper `subject`
// by `author` made of `questions`: its key and edition those questions',
// its score the program's.
void addAnswerSheet(const ScratchDir& dir, const Person& candidate, const Person& author, const std::string& subject,
                    const std::vector<Question>& questions, const std::string& answers);

// Returns the record size that a file of this name must be a whole multiple
// of: 0 for the printable text files, -1 for a name the program never makes.
long recordSizeOf(const std::string& name);

// ---- Checks of a directory the program used ----------------------------------

// Returns the (offset, width) of every text field of a record of `size`
// bytes (980, 1230, 1242, 3204 or 2570), in the order they lie on disk.
std::vector<std::pair<int, int>> textFieldsOf(long size);

// Returns a description of everything wrong with the data files in `dir`
// (empty when all is well): a file that is not a whole number of records, a
// record whose texts lack their terminator or whose numbers are out of the
// range the program writes, a name the program never makes, a subdirectory,
// and, unless `tempFilesAllowed`, a temporary file left over from a
// replacement.
std::vector<std::string> dataFileProblems(const std::string& dir, bool tempFilesAllowed = false);

// Returns true when `err` (a run's standard error) holds a report of
// AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer. Such a
// report may end the run with an ordinary exit status, so status alone
// cannot tell.
bool hasSanitizerReport(const std::string& err);

#endif  // QUIZMORA_TESTS_DATA_FIXTURE_H_
