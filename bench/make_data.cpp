// Lays out a working directory for one benchmark scenario: the data files,
// written with the program's own record classes, and the scripted input
// (input.txt) that walks the screens being measured.
//
// Usage: quizmora_make_data SCENARIO DIR [COUNT]
//
// The scenarios analysis, report and sheets write answer sheets of a class
// of simulated candidates, for the analysis's benchmarks and the report's
// sample.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/store.h"
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

// One paper as a candidate sits it: its header and the question records
// an attempt reads.
struct SatPaper {
  PaperSkeleton header;
  std::string records;    // the bytes of the questions read
  std::vector<int> keys;  // 0 to 3 for A to D
  uint32_t edition = 0;
  int questions = 0;
};

// The papers of the library in `dir`, the last header of each question file.
std::vector<SatPaper> papersToSit() {
  std::map<std::string, PaperSkeleton> last;
  std::vector<std::string> order;
  ScanFile<PaperSkeleton>(dir + "/" + SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& h) {
    const std::string file = QuestionFileName(h.setsubjectName(), h.setPaperLevel(), h.setCandiNames());
    if (!last.count(file)) order.push_back(file);
    last[file] = h;
    return true;
  });
  std::vector<SatPaper> papers;
  for (const std::string& file : order) {
    SatPaper paper;
    paper.header = last[file];
    const size_t wanted = static_cast<size_t>(std::min(paper.header.setTotalQuestions(), kSheetMaxQuestions));
    ScanRecords(dir + "/" + file, kQuestionRecordSize, WhenMissing::kFail, wanted, [&](size_t, const char* bytes) {
      paper.records.append(bytes, kQuestionRecordSize);
      QuestionSkeleton record;
      record.DecodeFrom(bytes);
      paper.keys.push_back(std::max(1, std::min(4, record.setQuestionAnswer())) - 1);
      ++paper.questions;
    });
    paper.edition = Crc32(0, paper.records.data(), paper.records.size());
    papers.push_back(paper);
  }
  return papers;
}

// A class of `count` candidates sitting every paper of the library in `dir`,
// their answer sheets appended to "answers.abcdans" as saved attempts. Each
// candidate has an ability and each question a difficulty, so scores spread
// and questions discriminate; on every seventh question the strongest
// prefer one wrong option (as a wrong key makes them), and one distractor
// of each question draws most wrong answers.
void answerSheets(long count, unsigned seed) {
  static const char* const kFirst[] = {"Amina", "Brian", "Chloe", "David", "Esther", "Femi",   "Grace", "Hassan",
                                       "Ines",  "James", "Kofi",  "Lucy",  "Mercy",  "Nikhil", "Olga",  "Peter"};
  static const char* const kLast[] = {"Achieng", "Banda", "Chen",  "Dlamini", "Evans",  "Fofana", "Garcia", "Hughes",
                                      "Ivanova", "Juma",  "Kamau", "Lopez",   "Mensah", "Novak",  "Okafor", "Patel"};
  const std::vector<SatPaper> papers = papersToSit();
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  std::normal_distribution<double> normal(0, 1);
  std::ofstream out(dir + "/" + AnswersFile, std::ios::binary | std::ios::app);
  std::string bytes(kAnswerSheetRecordSize, '\0');
  for (long c = 0; c < count; ++c) {
    const double ability = 0.55 + 0.2 * normal(random);
    const std::string name = std::string(kFirst[c % 16]) + ' ' + kLast[(c / 16 + c * 7) % 16];
    for (const SatPaper& paper : papers) {
      PaperSkeleton header = paper.header;
      AnswerSheet sheet;
      sheet.edition = paper.edition;
      sheet.questions = paper.questions;
      sheet.allowed = header.setTimeAllowed() * 60;
      int correct = 0;
      for (int q = 0; q < paper.questions; ++q) {
        const int key = paper.keys[static_cast<size_t>(q)];
        // The chance of a right answer grows with ability over difficulty.
        const double difficulty = 0.25 + 0.6 * ((q * 37) % 11) / 10.0;
        const bool right = unit(random) < 1.0 / (1.0 + std::exp(-6.0 * (ability - difficulty)));
        const int lure = (key + 1 + q % 3) % 4;
        int choice = right ? key : unit(random) < 0.7 ? lure : static_cast<int>(random() % 4);
        if (q % 7 == 6 && ability > 0.6) choice = right ? lure : key;
        if (unit(random) < 0.03) choice = -1;  // not answered
        sheet.key[q] = static_cast<char>('A' + key);
        sheet.answers[q] = choice < 0 ? '\0' : static_cast<char>('A' + choice);
        sheet.answered += choice >= 0;
        correct += choice == key;
      }
      sheet.score = paper.questions > 0 ? correct * 100.0 / paper.questions : 0;
      sheet.timeTaken = std::min(sheet.allowed, sheet.allowed * (0.4 + 0.6 * unit(random)));
      sheet.ending = sheet.answered == sheet.questions ? kSheetAllAnswered : kSheetTimeUp;
      std::snprintf(sheet.id, sizeof sheet.id, "C%ld", c + 1);
      std::snprintf(sheet.name, sizeof sheet.name, "%s", name.c_str());
      std::snprintf(sheet.subject, sizeof sheet.subject, "%s", header.setsubjectName());
      std::snprintf(sheet.level, sizeof sheet.level, "%s", header.setPaperLevel());
      std::snprintf(sheet.author, sizeof sheet.author, "%s", header.setCandiNames());
      std::snprintf(sheet.date, sizeof sheet.date, "%ld/12/2026 | %s", 7 + c % 3,
                    c % 3 == 0   ? "Monday"
                    : c % 3 == 1 ? "Tuesday"
                                 : "Wednesday");
      std::snprintf(sheet.time, sizeof sheet.time, "%ld:%ld:%ld", 9 + c % 4, (c * 7) % 60, (c * 13) % 60);
      sheet.EncodeTo(&bytes[0]);
      out << bytes;
    }
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
  } else if (scenario == "analysis") {  // COUNT sheets of one 50-question paper
    tutors(1);
    papers(1, 50);
    answerSheets(count, 1);
  } else if (scenario == "report") {  // 10 papers of 40 questions, COUNT sheets each
    tutors(1);
    papers(10, 40);
    answerSheets(count, 2);
  } else if (scenario == "sheets") {  // COUNT candidates sit every paper already in DIR
    answerSheets(count, 3);
  } else if (scenario == "tutor") {  // the tutor account alone, to import papers for
    tutors(1);
  } else if (scenario == "answers") {  // export-answers
    sheets(count);
  } else {
    std::cerr << "unknown scenario " << scenario << "\n";
    return 2;
  }
  std::ofstream(dir + "/input.txt", std::ios::binary) << input;
  return 0;
}
