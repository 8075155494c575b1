// Lays out a working directory for one benchmark scenario: the data files,
// written with the program's own record classes, and the scripted input
// (input.txt) that walks the screens being measured.
//
// Usage: quizmora_make_data SCENARIO DIR [COUNT]

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/tutor_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/session_script.h"

namespace {

std::string dir;

// Appends `count` copies of one encoded record (with a numbered ID) to `name`.
template <class Record>
void appendRecords(const std::string& name, Record record, const std::string& idPrefix, long count,
                   long firstNumber = 1) {
  std::ofstream out(dir + "/" + name, std::ios::binary | std::ios::app);
  for (long i = 0; i < count; ++i) {
    record.getIDNumber((idPrefix + std::to_string(firstNumber + i)).c_str());
    record.CandidateWrite(out);
  }
}

template <class Record>
Record person(const Person& p) {
  Record r;
  r.getCandiNames(p.name.c_str());
  r.getIDNumber(p.id.c_str());
  r.getCandiLevel(p.level.c_str());
  r.getcandiCountry("Kenya");
  r.getEmail("someone@example.org");
  r.getContact("0700 000 000");
  r.getLogInPassword(std::atoi(p.password.c_str()));
  return r;
}

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};

void tutors(long count) { appendRecords(accountRegFileTutor, person<TutorSkeleton>(kTutor), "T", count); }
void candidates(long count) { appendRecords(accountRegFileCandi, person<CandidateSkeleton>(kCandidate), "C", count); }

// `count` results of candidate C1, all in the common file; the candidate's
// own file gets at most `ownCount` of them.
void results(long count, long ownCount) {
  CandidateSkeleton r = person<CandidateSkeleton>(kCandidate);
  r.getsubjectName("Maths");
  r.getcandiscores(200.0 / 3);
  r.getTimeTaken(42.418);
  r.getDateAttempted("7/12/2026 | Monday");
  r.getTimeAttempted("9:5:7");
  std::ostringstream one;
  r.CandidateWrite(one);
  std::ofstream all(dir + "/" + CandiDatefilex, std::ios::binary | std::ios::app);
  for (long i = 0; i < count; ++i) all << one.str();
  std::ofstream own(dir + "/" + ResultFileName("C1", "Ann Lee"), std::ios::binary | std::ios::app);
  for (long i = 0; i < ownCount; ++i) own << one.str();
}

// `count` saved answer sheets of 40 questions each.
void sheets(long count) {
  AnswerSheet sheet;
  std::snprintf(sheet.id, sizeof sheet.id, "C1");
  std::snprintf(sheet.name, sizeof sheet.name, "Ann Lee");
  std::snprintf(sheet.subject, sizeof sheet.subject, "Maths");
  std::snprintf(sheet.level, sizeof sheet.level, "Form 2");
  std::snprintf(sheet.author, sizeof sheet.author, "Jane Doe");
  std::snprintf(sheet.date, sizeof sheet.date, "7/12/2026 | Monday");
  std::snprintf(sheet.time, sizeof sheet.time, "9:5:7");
  sheet.questions = 40;
  sheet.answered = 40;
  sheet.allowed = 4800;
  sheet.timeTaken = 1234.5;
  sheet.score = 32.5;  // 13 of the 40 answers match the key
  sheet.ending = kSheetAllAnswered;
  sheet.edition = 0xcbf43926u;
  for (int i = 0; i < 40; ++i) {
    sheet.key[i] = static_cast<char>('A' + i % 4);
    sheet.answers[i] = static_cast<char>('A' + (i / 3) % 4);
  }
  std::string one(kAnswerSheetRecordSize, '\0');
  sheet.EncodeTo(&one[0]);
  std::ofstream out(dir + "/" + AnswersFile, std::ios::binary | std::ios::app);
  for (long i = 0; i < count; ++i) out << one;
}

// `count` headers of papers by the tutor, each with `questions` questions in
// its own file.
void papers(long count, int questions) {
  std::ofstream lib(dir + "/" + SubjectFile, std::ios::binary | std::ios::app);
  for (long p = 1; p <= count; ++p) {
    const std::string subject = "Subject " + std::to_string(p);
    PaperSkeleton h;
    h.getsubjectName(subject.c_str());
    h.getCandiNames(kTutor.name.c_str());
    h.get_PaperLevel(kTutor.level.c_str());
    h.getTotalQuestion(questions);
    h.getTimeAllowed(2.0 * questions);
    h.CandidateWrite(lib);
    std::ofstream(dir + "/" + QuestionFileName(subject.c_str(), kTutor.level.c_str(), kTutor.name.c_str()),
                  std::ios::binary)
        << questionFileBytes(sampleQuestions(questions));
  }
}

std::string answers(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += static_cast<char>('A' + i % 4);
  return s;
}

// A paper of `count` questions typed, reviewed, saved, practised once and
// then sat by a candidate.
std::string wholePaper(int count) {
  std::string s = tutorLogsIn(kTutor) + "Q\nBig paper\n" + std::to_string(count) + "\nY\n";
  for (const Question& q : sampleQuestions(count)) {
    s += q.text + "\n";
    for (const std::string& o : q.options) s += o + "\n";
    s += std::string(1, q.correct) + "\n";
  }
  s += "1\nA\n";  // save, then practise
  for (char a : answers(count)) s += std::string(1, a) + "\n";
  s += "N\n" + tutorLeaves();
  return s + candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, answers(count)) + candidateLeaves();
}

// An Aiken file of `count` questions with texts near the longest allowed.
void aikenFile(const std::string& name, int count) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  const std::string filler(300, 'q');
  for (int i = 1; i <= count; ++i) {
    out << "Question " << i << " " << filler << "\n";
    for (char letter : std::string("ABCD"))
      out << letter << ". Option " << letter << " " << filler.substr(0, 250) << "\n";
    out << "ANSWER: " << static_cast<char>('A' + i % 4) << "\n\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: quizmora_make_data SCENARIO DIR [COUNT]\n";
    return 2;
  }
  const std::string scenario = argv[1];
  dir = argv[2];
  const long count = argc > 3 ? std::atol(argv[3]) : 0;
  std::string input;
  if (scenario == "startup") {
    input = exitProgram();
  } else if (scenario == "scoreboard") {  // list and one candidate in detail
    results(count, 500);
    input = scoreBoardShows(1) + exitProgram();
  } else if (scenario == "printable") {  // the printable file
    tutors(1);
    results(count, 1);
    input = tutorLogsIn(kTutor) + tutorPrintsResults("summary") + tutorLeaves() + exitProgram();
  } else if (scenario == "login") {  // logins and duplicate checks
    tutors(count);
    candidates(count);
    Person newcomer{"New Comer", "N1", "Form 1", "55"};
    input = tutorLogsIn(kTutor) + tutorLeaves() + candidateLogsIn(kCandidate) + candidateLeaves() +
            candidateRegistersAndLogsIn(newcomer) + candidateLeaves() + exitProgram();
  } else if (scenario == "paper") {  // a paper of COUNT questions end to end
    tutors(1);
    candidates(1);
    input = wholePaper(static_cast<int>(count)) + exitProgram();
  } else if (scenario == "capacity") {  // every list full, and more
    tutors(700);
    candidates(600);
    results(1200, 600);
    papers(600, 1);
    Person last{"Jane Doe", "T600", "Form 2", "1234"};
    input = "2\nQ\nR\nP\n" + candidateLogsIn(kCandidate) + candidateSitsAndSaves(500, "A") + "S\nB\n" +
            candidateLeaves() + scoreBoardShows(1000) + tutorLogsIn(last) + "R\nB\n" + tutorPrintsResults("summary") +
            tutorLeaves() + exitProgram();
  } else if (scenario == "admin") {  // the companion tool's figures
    tutors(1);
    candidates(count);
    results(count, 1);
    papers(3, 10);
    aikenFile("questions.txt", 1000);
  } else if (scenario == "answers") {  // export-answers
    sheets(count);
  } else {
    std::cerr << "unknown scenario " << scenario << "\n";
    return 2;
  }
  std::ofstream(dir + "/input.txt", std::ios::binary) << input;
  return 0;
}
