// A lab of seats on two machines sharing one data folder over a cluster file
// system: the folder is seen through two mounts (two clients of one volume,
// named in QUIZMORA_LAB_MOUNTS as "FIRST:SECOND"), and seats on both register,
// sit and save while a tutor on the first republishes the paper. Nothing a
// screen confirmed may be missing when either mount is read afterwards.
// tests/lab/run-lab sets up such a volume and runs this test; without the
// mounts it is skipped.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "records/answer_sheet.h"
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
const int kRepublications = 6;
const int kSittings = 4;

// The two mounts of the lab's volume, or nothing when the test is not run
// on one.
std::vector<std::string> labMounts() {
  const char* mounts = std::getenv("QUIZMORA_LAB_MOUNTS");
  if (!mounts) return {};
  const std::string both = mounts;
  const size_t colon = both.find(':');
  if (colon == std::string::npos) return {};
  return {both.substr(0, colon), both.substr(colon + 1)};
}

// A paper of eight questions whose answers are all `key`.
std::vector<Question> keyed(char key) {
  std::vector<Question> questions = sampleQuestions(8);
  for (Question& q : questions) q.correct = key;
  return questions;
}

std::string bytesOf(const std::string& path) {
  std::string bytes;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return "(missing)";
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  std::fclose(f);
  return bytes;
}

// One round of the lab in a fresh folder, `first` and `second` being that
// folder as the two machines see it (the same path for a local round): on
// the first, a tutor republishes the paper (two editions whose keys differ
// in every question) while two candidates sit it and two register with one
// shared ID; on the second, three candidates sit it and two more register
// with that ID. Returns the seats, run to their ends.
std::vector<Seat> runRound(const ScratchDir& dir, const std::string& second, double pace, double* seconds) {
  // At a pace, each line is typed `pace` seconds after the one before.
  const auto typing = [pace](const std::string& text) {
    return pace > 0 ? typeLineByLine(text, pace) : std::vector<Step>{typeAtOnce(text)};
  };
  const std::string& first = dir.path();
  const std::vector<Question> keyA = keyed('A'), keyB = keyed('B');
  addTutorAccount(dir, kTutor);
  addPaper(dir, kTutor, "Maths", keyA);

  std::vector<Seat> seats(10);
  std::string tutor = tutorLogsIn(kTutor);
  for (int i = 0; i < kRepublications; ++i) tutor += tutorSetsPaper("Maths", i % 2 ? keyA : keyB);
  seats[0].steps = typing(tutor + tutorLeaves() + exitProgram());
  for (size_t i = 1; i < seats.size(); ++i) {
    seats[i].dir = i < 5 ? first : second;
    const bool reader = i == 1 || i == 2 || (i >= 5 && i <= 7);
    if (reader) {
      const Person person{"Reader " + std::to_string(i), "R" + std::to_string(i), "Grade 9", "4321"};
      std::string script = candidateRegistersAndLogsIn(person);
      for (int round = 0; round < kSittings; ++round) script += candidateSitsAndSaves(1, "AAAAAAAA");
      seats[i].steps = typing(script + candidateLeaves() + exitProgram());
      continue;
    }
    // Registrants of the shared ID: all pass the first check before any of
    // them appends; the losers take an ID of their own, all then sit once.
    const std::string fresh = "U" + std::to_string(i);
    const std::string rest = candidateSitsAndSaves(1, "AAAAAAAA") + candidateLeaves() + exitProgram();
    seats[i].steps =
        typing(scriptLine("2") + scriptLine("R") + scriptLine("Seat " + std::to_string(i)) + scriptLine("SHARED") +
               scriptLine("Ghana") + scriptLine("0244") + scriptLine("seat@example.org") + scriptLine("Grade 9"));
    seats[i].steps.insert(seats[i].steps.end(),
                          {
                              Step{{"Set your Password"}, [](size_t) { return scriptLine("4321"); }, true},
                              Step{{kDuplicate, kSaved},
                                   [fresh, rest](size_t which) {
                                     const std::string id = which == 0 ? fresh : "SHARED";
                                     return (which == 0 ? scriptLine("") + scriptLine(fresh) : "") + scriptLine("") +
                                            scriptLine(id) + scriptLine("4321") + rest;
                                   }},
                          });
  }
  const double start = monotonicSeconds();
  runSeats(seats, first, 300);
  *seconds = monotonicSeconds() - start;
  return seats;
}

// Checks what the seats of a round saw and what they left, through both
// views of the folder.
void checkRound(const std::vector<Seat>& seats, const std::string& first, const std::string& second) {
  size_t duplicates = 0, registered = 0, sittings = 0;
  for (size_t i = 0; i < seats.size(); ++i) {
    const Seat& seat = seats[i];
    EXPECT_EQ(seat.status, 0) << "seat " << i << ": " << seat.errors;
    EXPECT_EQ(seat.errors, "") << "seat " << i;
    if (i == 0) {
      EXPECT_EQ(occurrences(seat.screen, "Your paper has been added to library"), size_t{kRepublications});
      continue;
    }
    // Each opening of the paper read one edition whole: all right or all
    // wrong. Every sitting is saved; a failed save would be on its errors.
    const size_t sat = occurrences(seat.screen, "Your score : ");
    EXPECT_EQ(occurrences(seat.screen, "Your score : 100%") + occurrences(seat.screen, "Your score : 0%"), sat)
        << "seat " << i;
    sittings += sat;
    EXPECT_EQ(seat.screen.find("blank"), std::string::npos) << "seat " << i;
    duplicates += occurrences(seat.screen, kDuplicate);
    registered += occurrences(seat.screen, kSaved);
  }
  const size_t accounts = 9, results = 5 * kSittings + 4;
  EXPECT_EQ(duplicates, 3u);
  EXPECT_EQ(registered, accounts);
  EXPECT_EQ(sittings, results);
  for (const std::string& view : {first, second}) {
    SCOPED_TRACE(view);
    EXPECT_EQ(dataFileProblems(view), std::vector<std::string>{});
    const std::vector<std::string> ids = idsOf(view + "/" + accountRegFileCandi);
    EXPECT_EQ(ids.size(), accounts);
    EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
    EXPECT_EQ(idsOf(view + "/" + CandiDatefilex).size(), results);
    EXPECT_EQ(bytesOf(view + "/" + AnswersFile).size(), results * kAnswerSheetRecordSize);
    for (int i : {1, 2, 5, 6, 7}) {
      const std::string id = "R" + std::to_string(i), name = "Reader " + std::to_string(i);
      EXPECT_EQ(idsOf(view + "/" + ResultFileName(id.c_str(), name.c_str())).size(), size_t{kSittings}) << id;
    }
    EXPECT_EQ(bytesOf(view + "/" + SubjectFile).size(), (1u + kRepublications) * 1242);
  }
  for (const char* name : {accountRegFileCandi, CandiDatefilex, AnswersFile, SubjectFile}) {
    EXPECT_EQ(bytesOf(first + "/" + name), bytesOf(second + "/" + name)) << name << " differs between the mounts";
  }
}

// Runs one seat of `script` in `folder` to its end; returns its screen.
std::string runSeat(const std::string& folder, const std::string& script) {
  std::vector<Seat> seats(1);
  seats[0].steps = {typeAtOnce(script)};
  runSeats(seats, folder, 60);
  EXPECT_EQ(seats[0].status, 0) << seats[0].errors;
  EXPECT_EQ(seats[0].errors, "");
  return seats[0].screen;
}

std::string letters(const std::string& answers) {
  std::string s;
  for (char a : answers) s += scriptLine(std::string(1, a));
  return s;
}

// The answers a journal read through `view` holds, or "(none)".
std::string journalAnswers(const std::string& view, const std::string& journal) {
  const std::string bytes = bytesOf(view + "/" + journal);
  if (bytes.size() != kAnswerSheetRecordSize) return "(none)";
  AnswerSheet sheet;
  sheet.DecodeFrom(bytes.data());
  return std::string(sheet.answers, static_cast<size_t>(sheet.answered));
}

// An attempt begun on one machine, interrupted (its seat's input ends), is
// seen and resumed on the other, which has just looked the journal up when
// the first replaces it once more; the other then finishes and saves it.
void resumeOnTheOtherMount(const std::string& first, const std::string& second) {
  const Person reader{"Reader 1", "R1", "Grade 9", "4321"};
  const std::string journal = JournalFileName(reader.id.c_str(), reader.name.c_str());
  const size_t sheets = bytesOf(first + "/" + AnswersFile).size() / kAnswerSheetRecordSize;
  const std::string resume = candidateLogsIn(reader) + scriptLine("R") + scriptLine("R") + scriptLine("");
  runSeat(first, candidateLogsIn(reader) + scriptLine("R") + scriptLine("1") + scriptLine("") + letters("AA"));
  EXPECT_EQ(journalAnswers(second, journal), "AA");
  runSeat(first, resume + letters("A"));
  const std::string screen =
      runSeat(second, resume + letters("AAAAA") + scriptLine("N") + scriptLine("") + candidateLeaves() + exitProgram());
  EXPECT_NE(screen.find("Resuming Maths at question 4."), std::string::npos) << screen;
  EXPECT_NE(screen.find("Your score : 100%"), std::string::npos) << screen;
  ::sleep(2);
  for (const std::string& view : {first, second}) {
    SCOPED_TRACE(view);
    EXPECT_EQ(journalAnswers(view, journal), "(none)");
    const std::string bytes = bytesOf(view + "/" + AnswersFile);
    ASSERT_EQ(bytes.size(), (sheets + 1) * kAnswerSheetRecordSize);
    AnswerSheet sheet;
    sheet.DecodeFrom(bytes.data() + sheets * kAnswerSheetRecordSize);
    EXPECT_EQ(std::string(sheet.answers, 9), std::string("AAAAAAAA\0", 9));
    EXPECT_EQ(dataFileProblems(view), std::vector<std::string>{});
  }
}

}  // namespace

TEST(Lab, SeatsOnTwoMountsLoseNothing) {
  const std::vector<std::string> mounts = labMounts();
  if (mounts.empty()) GTEST_SKIP() << "needs a volume mounted twice (QUIZMORA_LAB_MOUNTS); tests/lab/run-lab makes one";
  // A round typed at machine speed is all synced appends queued behind the
  // files' locks: it shows losses best, and its time is the volume's. A
  // round typed at a pace (a line every tenth of a second, still faster
  // than anyone types) is what a lab waits for, and is judged.
  const double kPace = 0.1;
  double local = 0, shared = 0, localPaced = 0, sharedPaced = 0;
  {
    SCOPED_TRACE("local folder");
    ScratchDir dir;
    checkRound(runRound(dir, dir.path(), 0, &local), dir.path(), dir.path());
  }
  {
    ScratchDir dir(mounts[0]);
    const std::string second = mounts[1] + dir.path().substr(mounts[0].size());
    const std::vector<Seat> seats = runRound(dir, second, 0, &shared);
    // Caches of the other machine's view last a second; what was saved must
    // be there once they have passed.
    ::sleep(2);
    checkRound(seats, dir.path(), second);
    resumeOnTheOtherMount(dir.path(), second);
  }
  {
    SCOPED_TRACE("local folder, paced");
    ScratchDir dir;
    checkRound(runRound(dir, dir.path(), kPace, &localPaced), dir.path(), dir.path());
  }
  {
    SCOPED_TRACE("two mounts, paced");
    ScratchDir dir(mounts[0]);
    const std::string second = mounts[1] + dir.path().substr(mounts[0].size());
    const std::vector<Seat> seats = runRound(dir, second, kPace, &sharedPaced);
    ::sleep(2);
    checkRound(seats, dir.path(), second);
  }
  EXPECT_LE(sharedPaced, 2 * localPaced);
  std::printf("lab round at machine speed: %.2f s on the two mounts, %.2f s on a local folder (%.2fx)\n", shared, local,
              shared / local);
  std::printf("lab round at a line every %.2f s: %.2f s on the two mounts, %.2f s on a local folder (%.2fx)\n", kPace,
              sharedPaced, localPaced, sharedPaced / localPaced);
}
