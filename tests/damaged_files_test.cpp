// Every data file, damaged in every way a crash, a bad disk or a hostile
// hand can damage it, read by every screen that reads it: the program must
// neither crash nor hang, never print past the end of a text field, and
// never size its memory by a count taken from a file.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};
const Person kNewcomer{"Sam Newman", "N7", "Form 1", "777"};

struct Mutation {
  std::string name;
  std::string bytes;
};

void putInt32(std::string& bytes, size_t at, int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xff);
}

void putDouble(std::string& bytes, size_t at, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xff);
}

// Applies `edit` to every whole record of `valid`.
template <class Edit>
std::string everyRecord(std::string bytes, long size, Edit edit) {
  for (size_t at = 0; at + static_cast<size_t>(size) <= bytes.size(); at += static_cast<size_t>(size)) edit(bytes, at);
  return bytes;
}

// The letter that fills text field `i` when its terminator is taken away;
// neighbouring fields get different letters so a run can be traced to one.
char fillLetter(size_t i) { return static_cast<char>('A' + i % 26); }

// The numbers of a record of this file that a damaged file can make absurd.
std::vector<Mutation> numberMutations(const std::string& file, const std::string& valid, long size) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  std::vector<Mutation> out;
  auto ints = [&](const std::string& what, size_t offset) {
    for (int32_t v : {0, -1, 5, 100000, INT_MAX, INT_MIN}) {
      out.push_back({what + "=" + std::to_string(v),
                     everyRecord(valid, size, [&](std::string& b, size_t at) { putInt32(b, at + offset, v); })});
    }
  };
  auto doubles = [&](const std::string& what, size_t offset) {
    for (double v : {nan, inf, -inf, -1.0, 1e308, -1e308, DBL_MIN, 0.0}) {
      out.push_back({what + "=" + std::to_string(v),
                     everyRecord(valid, size, [&](std::string& b, size_t at) { putDouble(b, at + offset, v); })});
    }
  };
  if (file == SubjectFile) {
    ints("totalQuestions", 1230);
    doubles("timeAllowed", 1234);
  } else if (size == 3204) {
    ints("answer", 3200);
  } else {
    ints("password", 468);
    doubles("score", 0);
    doubles("timeTaken", 972);
  }
  return out;
}

std::vector<Mutation> mutationsOf(const std::string& file, const std::string& valid, long size) {
  const size_t r = static_cast<size_t>(size);
  std::vector<Mutation> out = {
      {"empty", ""},
      {"one byte", valid.substr(0, 1)},
      {"one byte short of a record", valid.substr(0, r - 1)},
      {"a record and a bit", valid + valid.substr(0, 7)},
      {"a partial record after the whole ones", valid + std::string(r / 2, 'x')},
  };
  std::string many;
  while (many.size() < 1300 * r) many += valid;
  out.push_back({"beyond every capacity", many});
  std::mt19937 rng(static_cast<unsigned>(size));
  std::string garbage(3 * r, '\0');
  for (char& c : garbage) c = static_cast<char>(rng());
  out.push_back({"garbage", garbage});
  out.push_back({"texts without terminators", everyRecord(valid, size, [&](std::string& b, size_t at) {
                   const auto fields = textFieldsOf(size);
                   for (size_t i = 0; i < fields.size(); ++i) {
                     b.replace(at + static_cast<size_t>(fields[i].first), static_cast<size_t>(fields[i].second),
                               static_cast<size_t>(fields[i].second), fillLetter(i));
                   }
                 })});
  for (Mutation& m : numberMutations(file, valid, size)) out.push_back(std::move(m));
  return out;
}

// The screens that read each file, as scripts from the home menu.
std::vector<std::string> readersOf(const std::string& file) {
  const std::string leaveTutor = tutorLeaves() + exitProgram();
  const std::string leaveCandidate = candidateLeaves() + exitProgram();
  if (file == accountRegFileTutor) {
    return {tutorLogsIn(kTutor) + "R\nB\n" + leaveTutor, tutorRegistersAndLogsIn(kNewcomer) + leaveTutor};
  }
  if (file == accountRegFileCandi) {
    return {candidateLogsIn(kCandidate) + "S\nB\n" + leaveCandidate,
            candidateRegistersAndLogsIn(kNewcomer) + leaveCandidate};
  }
  if (file == SubjectFile) {
    return {"2\nQ\nR\nP\n" + exitProgram(), tutorLogsIn(kTutor) + "R\nB\n" + leaveTutor,
            candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, "ABCDABCD") + "S\nB\n" + leaveCandidate};
  }
  if (file == CandiDatefilex) {
    return {scoreBoardShows(1) + exitProgram(), tutorLogsIn(kTutor) + "T\nV\n1\nP\nU\n" + leaveTutor,
            tutorLogsIn(kTutor) + tutorPrintsResults("summary") + leaveTutor};
  }
  if (file == ResultFileName(kCandidate.id.c_str(), kCandidate.name.c_str())) {
    return {scoreBoardShows(1) + exitProgram(), candidateLogsIn(kCandidate) + "S\nB\n" + leaveCandidate};
  }
  // The question file.
  return {candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, "ABCDABCD") + leaveCandidate};
}

// Returns the longest run of one character in `text`.
size_t longestRunOf(const std::string& text, char c) {
  size_t best = 0, run = 0;
  for (char t : text) {
    run = (t == c) ? run + 1 : 0;
    if (run > best) best = run;
  }
  return best;
}

// Limits the address space of the programs started while it lives, so that
// an allocation sized by a count read from a file fails loudly. Sanitizer
// builds reserve huge address ranges, so there it limits nothing.
class AddressSpaceLimit {
 public:
  explicit AddressSpaceLimit(rlim_t bytes) {
#ifndef QUIZMORA_SANITIZE_BUILD
    ::getrlimit(RLIMIT_AS, &saved_);
    struct rlimit limited = saved_;
    limited.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_AS, &limited) == 0;
#else
    (void)bytes;
#endif
  }
  ~AddressSpaceLimit() {
    if (active_) ::setrlimit(RLIMIT_AS, &saved_);
  }

 private:
  struct rlimit saved_ = {};
  bool active_ = false;
};

// One of every data file, whole: the files the damage is done to.
void addEveryFile(const ScratchDir& dir) {
  addTutorAccount(dir, kTutor);
  addCandidateAccount(dir, kCandidate);
  addPaper(dir, kTutor, "Maths", sampleQuestions(3));
  addResult(dir, kCandidate, "Maths", 66.666, 12.5);
  addResult(dir, kCandidate, "Maths", 100, 30);
}

class DamagedFiles : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(DamagedFiles, EveryReaderSurvivesEveryDamage) {
  const std::string file = GetParam();
  const long size = recordSizeOf(file);
  std::string valid;
  {
    ScratchDir pristine;
    addEveryFile(pristine);
    valid = pristine.read(file);
  }
  ASSERT_FALSE(valid.empty()) << file;

  const std::vector<std::string> readers = readersOf(file);
  for (const Mutation& m : mutationsOf(file, valid, size)) {
    for (size_t reader = 0; reader < readers.size(); ++reader) {
      ScratchDir dir;
      addEveryFile(dir);
      dir.write(file, m.bytes);

      ProgramRun run;
      {
        AddressSpaceLimit limit(512u << 20);
        run = runProgram(dir, readers[reader], 20);
      }
      const std::string where = file + ", " + m.name + ", reader " + std::to_string(reader);
      EXPECT_FALSE(run.timedOut) << where;
      EXPECT_EQ(run.signal, 0) << where << "\n" << run.err.substr(0, 2000);
      EXPECT_TRUE(run.status == 0 || run.status == 1) << where << " status " << run.status;
      EXPECT_FALSE(hasSanitizerReport(run.err)) << where << "\n" << run.err.substr(0, 3000);
      const auto fields = textFieldsOf(size);
      for (size_t i = 0; i < fields.size(); ++i) {
        // A field keeps at most width-1 characters; a longer run of its
        // letter means the screen read on past the field's end.
        EXPECT_LT(longestRunOf(run.out, fillLetter(i)), static_cast<size_t>(fields[i].second))
            << where << ": text of field " << i << " printed past its end";
      }
    }
  }
#ifndef QUIZMORA_SANITIZE_BUILD
  struct rusage usage;
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss, 16 * 1024) << "peak memory of a run, in KiB";
#endif
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFiles,
                         ::testing::Values(std::string(accountRegFileTutor), std::string(accountRegFileCandi),
                                           std::string(SubjectFile), std::string(CandiDatefilex),
                                           ResultFileName("C1", "Ann Lee"),
                                           QuestionFileName("Maths", "Form 2", "Jane Doe")),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (char c : info.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });
