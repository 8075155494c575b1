// A school lab: many copies of the program at once in one data folder, and
// saves that fail for want of room. Nothing reported as saved is lost, no
// two accounts share an ID, and every file stays whole records.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/store.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/seat_runner.h"
#include "tests/session_script.h"

namespace {

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};

const char kDuplicate[] = "Id/Passport Number you entered already exists";
const char kSaved[] = "saved succesfully";

}  // namespace

// Twelve seats register and sit the same paper at once; four of them type
// the same ID and all pass the first check before any of them appends, so
// the check under the lock is what keeps the ID single.
TEST(ManySeats, RegisterAndSaveResultsAtOnce) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addPaper(dir, kTutor, "Maths", sampleQuestions(4));
  const std::string rest = candidateSitsAndSaves(1, "AAAA") + candidateLeaves() + exitProgram();

  std::vector<Seat> seats(12);
  for (size_t i = 0; i < seats.size(); ++i) {
    Person person{"Seat " + std::to_string(i), "C" + std::to_string(i), "Grade 9", "4321"};
    if (i < 8) {
      seats[i].steps = {typeAtOnce(candidateRegistersAndLogsIn(person) + rest)};
      continue;
    }
    const std::string fresh = "U" + std::to_string(i);
    seats[i].steps = {
        typeAtOnce(scriptLine("2") + scriptLine("R") + scriptLine(person.name) + scriptLine("SHARED") +
                   scriptLine("Ghana") + scriptLine("0244") + scriptLine("seat@example.org") + scriptLine("Grade 9")),
        Step{{"Set your Password"}, [](size_t) { return scriptLine("4321"); }, true},
        Step{{kDuplicate, kSaved},
             [fresh, rest](size_t which) {
               const std::string id = which == 0 ? fresh : "SHARED";
               // The duplicate's pause and the ID typed again, then the
               // pause after the confirmation and the login.
               return (which == 0 ? scriptLine("") + scriptLine(fresh) : "") + scriptLine("") + scriptLine(id) +
                      scriptLine("4321") + rest;
             }},
    };
  }
  runSeats(seats, dir.path());

  size_t duplicates = 0;
  for (const Seat& seat : seats) {
    EXPECT_EQ(seat.status, 0) << seat.errors;
    EXPECT_EQ(occurrences(seat.screen, kSaved), 1u) << seat.screen;
    EXPECT_EQ(occurrences(seat.screen, "Your score : 25%"), 1u) << seat.screen;
    duplicates += occurrences(seat.screen, kDuplicate);
  }
  EXPECT_EQ(duplicates, 3u);
  EXPECT_EQ(dataFileProblems(dir.path()), std::vector<std::string>{});
  const std::vector<std::string> accounts = idsOf(dir.file(accountRegFileCandi));
  EXPECT_EQ(accounts.size(), 12u);
  EXPECT_EQ(std::set<std::string>(accounts.begin(), accounts.end()).size(), 12u);
  EXPECT_EQ(idsOf(dir.file(CandiDatefilex)).size(), 12u);
  for (size_t i = 0; i < seats.size(); ++i) {
    const std::string id = i < 8 ? "C" + std::to_string(i) : "";
    if (id.empty()) continue;
    EXPECT_EQ(idsOf(dir.file(ResultFileName(id.c_str(), ("Seat " + std::to_string(i)).c_str()))),
              std::vector<std::string>{id});
  }
}

// While a tutor republishes the paper, alternating two editions whose keys
// differ in every question, candidates sitting it with the same answers
// score all or nothing: never a mix of the two editions.
TEST(ManySeats, CandidatesSeeOneEditionWholeWhileATutorRepublishes) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  std::vector<Question> keyA = sampleQuestions(8), keyB = sampleQuestions(8);
  for (Question& q : keyA) q.correct = 'A';
  for (Question& q : keyB) q.correct = 'B';
  addPaper(dir, kTutor, "Maths", keyA);

  std::vector<Seat> seats(7);
  std::string tutor = tutorLogsIn(kTutor);
  for (int i = 0; i < 12; ++i) tutor += tutorSetsPaper("Maths", i % 2 ? keyA : keyB);
  seats[0].steps = {typeAtOnce(tutor + tutorLeaves() + exitProgram())};
  for (size_t i = 1; i < seats.size(); ++i) {
    const Person person{"Reader " + std::to_string(i), "R" + std::to_string(i), "Grade 9", "4321"};
    std::string script = candidateRegistersAndLogsIn(person);
    for (int round = 0; round < 6; ++round) script += candidateSitsAndSaves(1, "AAAAAAAA");
    seats[i].steps = {typeAtOnce(script + candidateLeaves() + exitProgram())};
  }
  runSeats(seats, dir.path());

  for (const Seat& seat : seats) EXPECT_EQ(seat.status, 0) << seat.errors;
  EXPECT_EQ(occurrences(seats[0].screen, "Your paper has been added to library"), 12u);
  for (size_t i = 1; i < seats.size(); ++i) {
    const std::string& screen = seats[i].screen;
    EXPECT_EQ(occurrences(screen, "Your score : "), 6u);
    EXPECT_EQ(occurrences(screen, "Your score : 100%") + occurrences(screen, "Your score : 0%"), 6u) << screen;
  }
  EXPECT_EQ(dataFileProblems(dir.path()), std::vector<std::string>{});
  EXPECT_EQ(dir.size(SubjectFile), 13 * 1242);
}

// A disk that is full (here: a file-size limit) makes the saves fail; with
// room again the next registration logs in and the next result is listed
// with its name, because the failed appends left nothing behind.
TEST(ManySeats, AfterADiskFullFailureTheNextSavesAreWhole) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addPaper(dir, kTutor, "Maths", sampleQuestions(4));
  const Person ann{"Ann Lee", "C1", "Grade 9", "4321"};
  const Person ben{"Ben Ode", "C2", "Grade 9", "4321"};
  addCandidateAccount(dir, ann);
  addResult(dir, ann, "Maths", 50, 12);
  RunSetup full;
  full.fileSizeLimit = 980 + 300;  // room for part of one record only

  const ProgramRun failedRegistration = runProgram(dir, candidateRegistersAndLogsIn(ben), 30, full);
  EXPECT_NE(failedRegistration.err.find("Error while writting to tutor account file"), std::string::npos)
      << failedRegistration.err;
  EXPECT_EQ(failedRegistration.out.find(kSaved), std::string::npos);
  const ProgramRun failedResult = runProgram(
      dir, candidateLogsIn(ann) + candidateSitsAndSaves(1, "ABCD") + candidateLeaves() + exitProgram(), 30, full);
  EXPECT_NE(failedResult.err.find("Error encountered while saving your score to file."), std::string::npos);
  EXPECT_EQ(dir.size(accountRegFileCandi), 980);
  EXPECT_EQ(dir.size(CandiDatefilex), 980);

  const ProgramRun again = runProgram(dir, candidateRegistersAndLogsIn(ben) + candidateSitsAndSaves(1, "ABCD") +
                                               candidateLeaves() + scoreBoardShows(2) + exitProgram());
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(again.err, "");
  EXPECT_NE(again.out.find("Your score : 100%"), std::string::npos);
  EXPECT_EQ(idsOf(dir.file(CandiDatefilex)), (std::vector<std::string>{"C1", "C2"}));
  EXPECT_NE(again.out.find("Ben Ode"), std::string::npos);
  EXPECT_EQ(dataFileProblems(dir.path()), std::vector<std::string>{});
}
