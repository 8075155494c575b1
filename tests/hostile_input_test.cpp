// Thousands of seeded random scripts, careless and hostile, mixed with whole
// user journeys so that deep screens are reached. Every run must end on its
// own with status 0 or 1 and leave only whole records behind, inside its
// working directory. A failing seed is printed; replay it alone with
// QUIZMORA_HOSTILE_SEED=<seed> (QUIZMORA_HOSTILE_DUMP=<file> saves its
// script), or change the number of runs with
// QUIZMORA_HOSTILE_RUNS=<runs per shard>.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

#ifdef QUIZMORA_SANITIZE_BUILD
constexpr int kDefaultRunsPerShard = 40;
constexpr double kTimeLimit = 30;
#else
constexpr int kDefaultRunsPerShard = 400;
constexpr double kTimeLimit = 5;
#endif
constexpr int kShards = 8;

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};

class ScriptMaker {
 public:
  explicit ScriptMaker(unsigned long long seed) : rng_(seed) {}

  std::string make() {
    std::string script;
    const int chunks = pick(1, 30);
    for (int i = 0; i < chunks; ++i) script += chunk();
    // End of input at a random point, often in the middle of a line.
    if (pick(0, 2) == 0 && !script.empty())
      script.resize(static_cast<size_t>(pick(0, static_cast<int>(script.size()))));
    return script;
  }

 private:
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  template <class T>
  const T& oneOf(const std::vector<T>& items) {
    return items[static_cast<size_t>(pick(0, static_cast<int>(items.size()) - 1))];
  }

  std::string chunk() {
    switch (pick(0, 13)) {
      case 0: return journey();
      case 1: return mangled(journey());
      case 2: return oneOf<std::string>({"1", "2", "3", "4", "5"}) + lineEnd();
      case 3: return letter() + lineEnd();
      case 4: return number() + lineEnd();
      case 5: return lineEnd();
      case 6: return std::string(static_cast<size_t>(pick(90, 12000)), static_cast<char>(pick('a', 'z'))) + lineEnd();
      case 7: return bytes(1, 40, 1, 31) + lineEnd();
      case 8: return bytes(1, 400, 0, 255);
      case 9: return oneOf<std::string>({"sub/x", "a\\b", "..", "."}) + lineEnd();
      case 10: return oneOf<std::string>({"exit", "Login", "Back", "  q", "\tv", "yes", "No"}) + lineEnd();
      case 11: return oneOf<std::string>({"-", "+", " ", "0042", "42xyz", "1e3", "0x10"}) + lineEnd();
      case 12: return std::string(static_cast<size_t>(pick(1, 50)), '\n');
      default: return oneOf<std::string>({"R", "L", "Q", "N", "V", "P"}) + lineEnd() + letter() + lineEnd();
    }
  }

  // A whole journey that reaches a deep screen (with the fixture's data, or
  // with accounts it registers itself).
  std::string journey() {
    Person someone = pick(0, 1) ? kTutor : kCandidate;
    someone.id = oneOf<std::string>({someone.id, "X" + std::to_string(pick(0, 9))});
    switch (pick(0, 8)) {
      case 0: return tutorLogsIn(kTutor) + tutorSetsPaper(subject(), sampleQuestions(pick(1, 4))) + tutorLeaves();
      case 1: return tutorRegistersAndLogsIn(someone) + tutorSetsPaper(subject(), sampleQuestions(pick(1, 3)));
      case 2: return candidateLogsIn(kCandidate) + candidateSitsAndSaves(pick(1, 3), "ABCDABCD") + candidateLeaves();
      case 3: return candidateRegistersAndLogsIn(someone) + candidateSitsAndSaves(1, "DCBA");
      case 4: return scoreBoardShows(pick(1, 3));
      case 5: return tutorLogsIn(kTutor) + tutorPrintsResults(oneOf<std::string>({"results", "sub/x", ""}));
      case 6: return candidateLogsIn(kCandidate) + "S\n" + letter() + "\n";
      case 7: return tutorLogsIn(kTutor) + "R\n" + letter() + "\n";
      default: return exitProgram();
    }
  }

  // The journey with some of its lines replaced, doubled or dropped.
  std::string mangled(const std::string& journey) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = journey.find('\n', start)) != std::string::npos; start = nl + 1) {
      lines.push_back(journey.substr(start, nl - start + 1));
    }
    std::string out;
    for (const std::string& l : lines) {
      switch (pick(0, 9)) {
        case 0: out += chunk(); break;
        case 1: out += l + l; break;
        case 2: break;
        case 3: out += l.substr(0, l.size() - 1) + "\r\n"; break;
        default: out += l;
      }
    }
    return out;
  }

  std::string subject() { return oneOf<std::string>({"Maths", "Physics", "a/b", "..", "\\x", std::string(99, 's')}); }

  std::string letter() {
    const char c = "QRLPETVSBNYDACUWHFXZqrlpetvsbnydacuwhfxz"[pick(0, 39)];
    return std::string(1, c);
  }

  std::string number() {
    return oneOf<std::string>({"-1", "0", "1", "2", "3", "4", "6", "999", "1000", "1001", "9000000", "9000001",
                               "2147483647", "2147483648", "99999999999999999999", "-2147483648", "12345"});
  }

  std::string lineEnd() { return pick(0, 4) ? "\n" : "\r\n"; }

  std::string bytes(int minLen, int maxLen, int lo, int hi) {
    std::string s(static_cast<size_t>(pick(minLen, maxLen)), '\0');
    for (char& c : s) c = static_cast<char>(pick(lo, hi));
    return s;
  }

  std::mt19937_64 rng_;
};

int envInt(const char* name, int fallback) {
  const char* v = ::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

void addFixture(const ScratchDir& dir) {
  addTutorAccount(dir, kTutor);
  addCandidateAccount(dir, kCandidate);
  addPaper(dir, kTutor, "Maths", sampleQuestions(3));
  addPaper(dir, kTutor, "Physics", sampleQuestions(5));
  addResult(dir, kCandidate, "Maths", 66.66666, 12.5);
}

std::string printable(const std::string& script) {
  std::string out;
  for (unsigned char c : script.substr(0, 600)) {
    if (c == '\n')
      out += "\\n";
    else if (c < 32 || c >= 127 || c == '\\') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    } else
      out += static_cast<char>(c);
  }
  return script.size() > 600 ? out + "..." : out;
}

// A working directory alone inside a directory of its own, so that a file
// written beside it (through "..") shows up.
class NestedWorkDir {
 public:
  NestedWorkDir() {
    const char* oldTmp = ::getenv("TMPDIR");
    const std::string savedTmp = oldTmp ? oldTmp : "";
    ::setenv("TMPDIR", outer_.path().c_str(), 1);
    work_.reset(new ScratchDir);
    if (oldTmp)
      ::setenv("TMPDIR", savedTmp.c_str(), 1);
    else
      ::unsetenv("TMPDIR");
  }

  const ScratchDir& work() const { return *work_; }

  // Returns the names of the entries beside the working directory.
  std::vector<std::string> beside() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(outer_.path())) {
      if (entry.path() != std::filesystem::path(work_->path())) names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  ScratchDir outer_;  // destroyed last
  std::unique_ptr<ScratchDir> work_;
};

// Runs one seed; returns what went wrong (empty when nothing did).
std::vector<std::string> runSeed(unsigned long long seed) {
  const std::string script = ScriptMaker(seed).make();
  // Replaying one seed can also save its script, to feed it to the program
  // by hand: QUIZMORA_HOSTILE_DUMP=<file>.
  if (const char* dump = ::getenv("QUIZMORA_HOSTILE_DUMP")) {
    if (FILE* f = std::fopen(dump, "wb")) {
      std::fwrite(script.data(), 1, script.size(), f);
      std::fclose(f);
    }
  }
  std::vector<std::string> problems;
  {
    NestedWorkDir dirs;
    const ScratchDir& work = dirs.work();
    if (seed % 2 == 0) addFixture(work);

    const ProgramRun run = runProgram(work, script, kTimeLimit);
    if (run.timedOut) problems.push_back("still running after " + std::to_string(kTimeLimit) + " s");
    if (run.signal) problems.push_back("killed by signal " + std::to_string(run.signal));
    if (!run.timedOut && !run.signal && run.status != 0 && run.status != 1) {
      problems.push_back("exit status " + std::to_string(run.status));
    }
    if (hasSanitizerReport(run.err)) problems.push_back("sanitizer report: " + run.err.substr(0, 1500));
    for (const std::string& p : dataFileProblems(work.path())) problems.push_back(p);
    for (const std::string& name : dirs.beside()) problems.push_back("written beside the working directory: " + name);
  }
  if (!problems.empty()) problems.insert(problems.begin(), "script: " + printable(script));
  return problems;
}

class HostileInput : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(HostileInput, EveryRunEndsCleanlyAndLeavesWholeRecords) {
  const char* replay = ::getenv("QUIZMORA_HOSTILE_SEED");
  std::vector<unsigned long long> seeds;
  if (replay && *replay) {
    if (GetParam() != 0) GTEST_SKIP() << "replaying one seed in shard 0";
    seeds.push_back(std::strtoull(replay, nullptr, 10));
  } else {
    const int runs = envInt("QUIZMORA_HOSTILE_RUNS", kDefaultRunsPerShard);
    for (int i = 0; i < runs; ++i) seeds.push_back(static_cast<unsigned long long>(GetParam()) * 1000003ULL + i);
  }
  int failed = 0;
  for (unsigned long long seed : seeds) {
    const std::vector<std::string> problems = runSeed(seed);
    if (problems.empty()) continue;
    ++failed;
    std::string report =
        "seed " + std::to_string(seed) + " (replay: QUIZMORA_HOSTILE_SEED=" + std::to_string(seed) + ")";
    for (const std::string& p : problems) report += "\n  " + p;
    ADD_FAILURE() << report;
    if (failed >= 5) break;  // enough to go on with
  }
#ifndef QUIZMORA_SANITIZE_BUILD
  struct rusage usage;
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss, 16 * 1024) << "peak memory of the largest run, in KiB";
#endif
}

INSTANTIATE_TEST_SUITE_P(Shards, HostileInput, ::testing::Range(0, kShards));

// Every name the program builds from typed text stays inside the working
// directory, whatever slashes and dots the text holds.
TEST(TypedFileNames, NeverLeaveTheWorkingDirectory) {
  NestedWorkDir dirs;
  const Person tutor{"../Jane", "../T1", "../Form", "1234"};
  const Person candidate{"../Ann", "../C1", "Grade 9", "4321"};
  const std::string script = tutorRegistersAndLogsIn(tutor) + tutorSetsPaper("../Maths", sampleQuestions(1)) +
                             tutorLeaves() + candidateRegistersAndLogsIn(candidate) + candidateSitsAndSaves(1, "A") +
                             candidateLeaves() + exitProgram();
  const ProgramRun run = runProgram(dirs.work(), script, 20);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(hasSanitizerReport(run.err)) << run.err;
  EXPECT_EQ(dirs.beside(), std::vector<std::string>{});
  EXPECT_EQ(dataFileProblems(dirs.work().path()), std::vector<std::string>{});
  // The paper and the result were saved, under names made safe.
  EXPECT_EQ(dirs.work().size(QuestionFileName("../Maths", "../Form", "../Jane")), 3204);
  EXPECT_EQ(dirs.work().size(ResultFileName("../C1", "../Ann")), 980);
}

// Disabled while the printable file still takes its typed name as a path:
// "../summary" is written beside the working directory today. Enable it
// once the name is kept inside.
TEST(TypedFileNames, PrintableFileStaysInTheWorkingDirectory) {
  NestedWorkDir dirs;
  addTutorAccount(dirs.work(), kTutor);
  addResult(dirs.work(), kCandidate, "Maths", 50, 10);
  const ProgramRun run = runProgram(
      dirs.work(), tutorLogsIn(kTutor) + tutorPrintsResults("../summary") + tutorLeaves() + exitProgram(), 20);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(dirs.beside(), std::vector<std::string>{});
}
