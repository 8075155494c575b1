// Nothing a screen reports as saved may be lost, and nothing half-written may
// be left behind: the program is killed (SIGKILL) at random moments during
// saves of accounts, papers and results, and it is run in a working
// directory it cannot write to.

#include <grp.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

#ifdef QUIZMORA_SANITIZE_BUILD
constexpr int kKills = 12;
#else
constexpr int kKills = 60;
#endif

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};

// The paper as first published, and the longer one that replaces it.
std::vector<Question> firstEdition() { return sampleQuestions(3); }
std::vector<Question> secondEdition() {
  std::vector<Question> questions = sampleQuestions(400);
  for (Question& q : questions) q.text += " (revised)";
  return questions;
}

// The bytes of the question file that `questions` make.
std::string questionFileOf(const std::vector<Question>& questions) {
  ScratchDir scratch;
  return scratch.read(addPaper(scratch, kTutor, "Maths", questions));
}

// A session that saves all the time: new accounts, the republished paper,
// and results.
std::string busySession() {
  std::string s;
  for (int i = 0; i < 3; ++i) {
    s += tutorLogsIn(kTutor) + tutorSetsPaper("Maths", secondEdition()) + tutorLeaves();
    Person newcomer{"New Comer", "N" + std::to_string(i), "Form 1", "55"};
    s += candidateRegistersAndLogsIn(newcomer) + candidateSitsAndSaves(1, "ABCD") + candidateLeaves();
    newcomer.id = "M" + std::to_string(i);
    s += tutorRegistersAndLogsIn(newcomer) + tutorLeaves();
    s += candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, "ABC") + candidateLeaves();
  }
  return s + exitProgram();
}

void addFixture(const ScratchDir& dir) {
  addTutorAccount(dir, kTutor);
  addCandidateAccount(dir, kCandidate);
  addPaper(dir, kTutor, "Maths", firstEdition());
  addResult(dir, kCandidate, "Maths", 100, 20);
}

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += "\n  " + l;
  return all;
}

// Takes from this process and everything it starts the capabilities that
// let root ignore file permissions. Returns false when that is not allowed.
bool dropPermissionOverrides() {
  for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
    if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0) return false;
  }
  return true;
}

// Runs the program without root's power over permissions when the tests run
// as root (root may write anywhere, whatever the permissions say); otherwise
// as is. Root keeps its identity, so the built program stays reachable
// wherever the build lies; where capabilities cannot be dropped it runs as
// the user nobody instead.
ProgramRun runUnprivileged(const ScratchDir& dir, const std::string& input, double timeout) {
  if (::geteuid() != 0) return runProgram(dir, input, timeout);
  int pipeFd[2];
  if (::pipe(pipeFd) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(pipeFd[0]);
    if (!dropPermissionOverrides() && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      ::_exit(3);
    }
    const ProgramRun run = runProgram(dir, input, timeout);
    std::ostringstream report;
    report << run.status << ' ' << run.signal << ' ' << run.timedOut << ' ' << run.out.size() << ' ' << run.err.size()
           << '\n'
           << run.out << run.err;
    const std::string bytes = report.str();
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(pipeFd[1], bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::_exit(0);
  }
  ::close(pipeFd[1]);
  std::string bytes;
  char buf[65536];
  ssize_t n;
  while ((n = ::read(pipeFd[0], buf, sizeof buf)) > 0) bytes.append(buf, static_cast<size_t>(n));
  ::close(pipeFd[0]);
  ::waitpid(pid, nullptr, 0);
  ProgramRun run;
  std::istringstream in(bytes);
  size_t outSize = 0, errSize = 0;
  if (!(in >> run.status >> run.signal >> run.timedOut >> outSize >> errSize)) return {};
  in.get();
  run.out.resize(outSize);
  in.read(&run.out[0], static_cast<std::streamsize>(outSize));
  run.err.resize(errSize);
  in.read(&run.err[0], static_cast<std::streamsize>(errSize));
  return run;
}

}  // namespace

TEST(CrashSafety, KilledAnywhereInASaveLeavesWholeRecordsAndAWholePaper) {
  const std::string script = busySession();
  const std::string before = questionFileOf(firstEdition());
  const std::string after = questionFileOf(secondEdition());
  const std::string paperFile = QuestionFileName("Maths", kTutor.level.c_str(), kTutor.name.c_str());

  // How long the whole session takes when nothing stops it.
  double full;
  {
    ScratchDir dir;
    addFixture(dir);
    const double start = monotonicSeconds();
    const ProgramRun run = runProgram(dir, script, 60);
    full = monotonicSeconds() - start;
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(hasSanitizerReport(run.err)) << run.err;
    EXPECT_EQ(joined(dataFileProblems(dir.path())), "");
  }

  std::mt19937 rng(20261208);
  std::uniform_real_distribution<double> moment(0.0, full);
  for (int kill = 0; kill < kKills; ++kill) {
    ScratchDir dir;
    addFixture(dir);
    const double at = moment(rng);
    runProgram(dir, script, at);
    // A replacement that was cut short may leave its temporary file; the
    // paper itself must be one edition or the other, whole.
    EXPECT_EQ(joined(dataFileProblems(dir.path(), true)), "") << "killed after " << at << " s";
    const std::string paper = dir.read(paperFile);
    EXPECT_TRUE(paper == before || paper == after)
        << "killed after " << at << " s: question file of " << paper.size() << " bytes";
  }
}

namespace {

struct ReadOnlyCase {
  const char* what;
  bool withData;      // the fixture's files are there (read-only)
  std::string input;  // ends where input ends, deep in the screen
  const char* error;  // what the screen reports on the error stream
};

std::vector<ReadOnlyCase> readOnlyCases() {
  const Person newcomer{"New Comer", "N1", "Form 1", "55"};
  return {
      {"tutor registration", true, tutorRegistersAndLogsIn(newcomer),
       "\n\tError while opening a file to register tutor account...\n"},
      {"candidate registration", true, candidateRegistersAndLogsIn(newcomer),
       "\n\tError while opening a file to register candidate account...\n"},
      {"saving a paper", true, tutorLogsIn(kTutor) + tutorSetsPaper("Physics", sampleQuestions(2)),
       "\n\tError while opening a file to write Questions\n"},
      {"saving a result", true, candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, "ABC"),
       "\n\n\t\tError while opening a file to write your score. Ooops!"},
      {"the printable file", true, tutorLogsIn(kTutor) + tutorPrintsResults("summary"), "\n\tError opening the file\n"},
      {"tutor login without an account file", false, tutorLogsIn(kTutor), "\n\tError opening the file\n"},
      {"candidate login without an account file", false, candidateLogsIn(kCandidate), "\n\tError opening the file\n"},
      {"paper catalogue without a library", false, "2\nQ\nR\nQ\nR\n", "\n\tError while opening a file \n"},
      {"score board without results", false, "4\nU\n4\nU\n",
       "\n\tError while opening a file to write your score. Ooops!"},
  };
}

class ReadOnlyDirectory : public ::testing::TestWithParam<size_t> {};

}  // namespace

TEST_P(ReadOnlyDirectory, ScreensReportTheirErrorAndNeverHang) {
  const ReadOnlyCase c = readOnlyCases()[GetParam()];
  ScratchDir dir;
  if (c.withData) addFixture(dir);
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) ::chmod(entry.path().c_str(), 0444);
  ::chmod(dir.path().c_str(), 0555);
  // Whatever the screen does after its error, end of input ends it.
  const ProgramRun run = runUnprivileged(dir, c.input, 20);
  EXPECT_FALSE(run.timedOut) << c.what;
  EXPECT_EQ(run.signal, 0) << c.what;
  EXPECT_TRUE(run.status == 0 || run.status == 1) << c.what << ": status " << run.status;
  EXPECT_FALSE(hasSanitizerReport(run.err)) << c.what << "\n" << run.err;
  EXPECT_NE(run.err.find(c.error), std::string::npos) << c.what << ": error stream was\n" << run.err.substr(0, 1000);
}

INSTANTIATE_TEST_SUITE_P(Screens, ReadOnlyDirectory, ::testing::Range<size_t>(0, 9));
