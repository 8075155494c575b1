// Time of one login and one duplicate-ID check against account files of
// 100,000 records, the worst case where the account sought is the last one
// or absent, so every record is read. Also reports the peak resident memory,
// which stays flat because the files are read one record at a time.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "accounts/login.h"
#include "accounts/registration.h"
#include "records/data_files.h"
#include "records/store.h"

namespace {

constexpr int kAccounts = 100000;

// A scratch directory holding both account files, made the working
// directory for the whole run.
class AccountFiles {
 public:
  AccountFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quizmora-bench-XXXXXX").string();
    if (!::mkdtemp(&pattern[0]) || ::chdir(pattern.c_str()) != 0) std::abort();
    dir_ = pattern;
    write<TutorSkeleton>(accountRegFileTutor);
    write<CandidateSkeleton>(accountRegFileCandi);
  }
  ~AccountFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

 private:
  // Written in slices so that building the file does not itself raise the
  // peak memory the benchmarks report.
  template <class Record>
  static void write(const char* path) {
    constexpr int kSlice = 1000;
    for (int first = 1; first <= kAccounts; first += kSlice) {
      std::ostringstream bytes;
      for (int i = first; i < first + kSlice && i <= kAccounts; ++i) {
        Record account;
        account.getIDNumber(("ID" + std::to_string(i)).c_str());
        account.getCandiNames("Bench Account");
        account.getLogInPassword(i);
        account.CandidateWrite(bytes);
      }
      if (!AppendRecords(path, bytes.str(), Record::kRecordSize).ok()) std::abort();
    }
  }

  std::string dir_;
};

AccountFiles& files() {
  static AccountFiles instance;
  return instance;
}

void reportPeakMemory(benchmark::State& state) {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_TutorLoginLastAccount(benchmark::State& state) {
  files();
  const std::string id = "ID" + std::to_string(kAccounts);
  const std::string password = std::to_string(kAccounts);
  TutorSkeleton tutor;
  for (auto _ : state) {
    if (!loginTutor(id.c_str(), password.c_str(), tutor)) state.SkipWithError("login failed");
  }
  reportPeakMemory(state);
}

void BM_CandidateLoginLastAccount(benchmark::State& state) {
  files();
  const std::string id = "ID" + std::to_string(kAccounts);
  const std::string password = std::to_string(kAccounts);
  CandidateSkeleton candidate;
  for (auto _ : state) {
    if (!LoginStudent(id.c_str(), password.c_str(), candidate)) state.SkipWithError("login failed");
  }
  reportPeakMemory(state);
}

void BM_TutorDuplicateCheckNewId(benchmark::State& state) {
  files();
  for (auto _ : state) {
    if (noDuplicateIDTUTOR("new-id")) state.SkipWithError("unexpected duplicate");
  }
  reportPeakMemory(state);
}

void BM_CandidateDuplicateCheckNewId(benchmark::State& state) {
  files();
  for (auto _ : state) {
    if (noDuplicateIDSTUDENT("new-id")) state.SkipWithError("unexpected duplicate");
  }
  reportPeakMemory(state);
}

}  // namespace

BENCHMARK(BM_TutorLoginLastAccount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CandidateLoginLastAccount)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TutorDuplicateCheckNewId)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CandidateDuplicateCheckNewId)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
