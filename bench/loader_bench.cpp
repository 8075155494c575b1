// In-process timings of the loops every screen's cost rests on: loading a
// results file into the list's table (capped at the list's capacity) and
// scanning an account file for a login.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/candidate_skeleton.h"
#include "records/store.h"
#include "records/tutor_skeleton.h"

namespace {

// The files a benchmark reads, removed when the program ends.
class BenchFiles {
 public:
  ~BenchFiles() {
    for (const std::string& path : paths_) std::remove(path.c_str());
  }
  void add(const std::string& path) { paths_.push_back(path); }

 private:
  std::vector<std::string> paths_;
};
BenchFiles benchFiles;

// Returns the path of a file of `count` copies of `record`, written once
// per run of the benchmarks.
template <class Record>
std::string fileOf(const Record& record, long count, const char* tag) {
  const std::string path =
      "/tmp/quizmora-bench-" + std::to_string(::getpid()) + "-" + tag + "-" + std::to_string(count);
  std::ifstream probe(path, std::ios::binary | std::ios::ate);
  if (probe && probe.tellg() > 0) return path;
  benchFiles.add(path);
  std::ostringstream one;
  record.CandidateWrite(one);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (long i = 0; i < count; ++i) out << one.str();
  return path;
}

void BM_ResultListOf1000(benchmark::State& state) {
  CandidateSkeleton r;
  r.getCandiNames("Ann Lee");
  r.getsubjectName("Maths");
  const std::string path = fileOf(r, state.range(0), "results");
  for (auto _ : state) {
    std::vector<CandidateSkeleton> table;
    LoadFile(path, WhenMissing::kFail, 1000, &table);
    benchmark::DoNotOptimize(table.data());
  }
}
BENCHMARK(BM_ResultListOf1000)->Arg(1000)->Arg(100000);

void BM_TutorLoginScan(benchmark::State& state) {
  TutorSkeleton t;
  t.getIDNumber("T9");
  t.getLogInPassword(1234);
  const std::string path = fileOf(t, state.range(0), "tutors");
  for (auto _ : state) {
    bool found = false;
    ScanFile<TutorSkeleton>(path, WhenMissing::kFail, 600, [&found](TutorSkeleton& rec) {
      found = std::string(rec.setIDNumber()) == "absent";
      return !found;
    });
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_TutorLoginScan)->Arg(600)->Arg(100000);

// A result saved as the store saves it (lock, partial-tail check, one
// write, fsync) against the same bytes written and synced with no lock and
// no check: the price of several seats sharing a folder.
std::string appendTarget(const char* tag) {
  const std::string path = "/tmp/quizmora-bench-" + std::to_string(::getpid()) + "-" + tag;
  benchFiles.add(path);
  benchFiles.add(path + ".partial");
  return path;
}

void BM_SaveResultLocked(benchmark::State& state) {
  const std::string path = appendTarget("locked");
  const std::string bytes = EncodeRecord(CandidateSkeleton());
  for (auto _ : state) {
    if (!AppendRecords(path, bytes, bytes.size()).ok()) state.SkipWithError("append failed");
  }
}
BENCHMARK(BM_SaveResultLocked);

void BM_SaveResultUnlocked(benchmark::State& state) {
  const std::string path = appendTarget("unlocked");
  const std::string bytes = EncodeRecord(CandidateSkeleton());
  for (auto _ : state) {
    platform::File file;
    bool created = false;
    if (!platform::OpenFile(path, platform::kReadWrite | platform::kCreate, &file, &created).ok() ||
        !file.Append(bytes.data(), bytes.size()).ok() || !file.Sync().ok()) {
      state.SkipWithError("append failed");
    }
  }
}
BENCHMARK(BM_SaveResultUnlocked);

}  // namespace

BENCHMARK_MAIN();
