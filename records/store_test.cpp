#include "records/store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "tests/scratch_dir.h"

namespace {

constexpr size_t kSize = kCandidateRecordSize;

std::string record(const std::string& id) {
  return RecordBytes(CandidateLayout(), {{"IDNumber", id, 0}, {"logInPassword", "", 7}});
}

std::vector<std::string> idsIn(const std::string& path) {
  std::vector<std::string> ids;
  const LoadResult r = ScanFile<CandidateSkeleton>(path, WhenMissing::kFail, SIZE_MAX, [&ids](CandidateSkeleton& c) {
    ids.push_back(c.setIDNumber());
    return true;
  });
  EXPECT_TRUE(r.status.ok());
  return ids;
}

// Runs `body` in a child process and returns its exit status.
template <class Body>
int inChild(Body body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(Store, AppendCutsAPartialTailIntoThePartialFileFirst) {
  ScratchDir dir;
  const std::string path = dir.file(CandiDatefilex);
  dir.write(CandiDatefilex, record("A1") + "torn bytes");
  ASSERT_TRUE(AppendRecords(path, record("A2"), kSize).ok());
  EXPECT_EQ(dir.read(CandiDatefilex), record("A1") + record("A2"));
  EXPECT_EQ(dir.read("candidate.abcddata.partial"), "torn bytes");
  // A second cut adds to what was kept before.
  dir.append(CandiDatefilex, "more");
  ASSERT_TRUE(AppendRecords(path, record("A3"), kSize).ok());
  EXPECT_EQ(dir.read("candidate.abcddata.partial"), "torn bytesmore");
  EXPECT_EQ(idsIn(path), (std::vector<std::string>{"A1", "A2", "A3"}));
}

TEST(Store, AFailedAppendLeavesTheFileExactlyAsBefore) {
  ScratchDir dir;
  const std::string path = dir.file(accountRegFileCandi);
  dir.write(accountRegFileCandi, record("A1"));
  // A file-size limit lets part of the record through, then fails.
  const int status = inChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = {kSize + 100, kSize + 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    const StoreStatus s = AppendRecords(path, record("A2"), kSize);
    return s.failed == StoreStep::kWrite && s.error == EFBIG ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(dir.read(accountRegFileCandi), record("A1"));

  // A short write that then fails (a full disk), through the store's seam.
  SetAppendHookForTesting([](platform::File& f, const char* data, size_t n) {
    f.Append(data, n / 2);
    return platform::Status::Error(ENOSPC);
  });
  const StoreStatus s = AppendRecords(path, record("A3"), kSize);
  SetAppendHookForTesting(nullptr);
  EXPECT_EQ(s.failed, StoreStep::kWrite);
  EXPECT_EQ(s.error, ENOSPC);
  EXPECT_EQ(dir.read(accountRegFileCandi), record("A1"));
  // With room again the next append lands on the boundary.
  ASSERT_TRUE(AppendRecords(path, record("A4"), kSize).ok());
  EXPECT_EQ(idsIn(path), (std::vector<std::string>{"A1", "A4"}));
  EXPECT_FALSE(dir.exists("accDataCdata.abcdAcc.partial"));
}

TEST(Store, AppendReportsWhichStepFailed) {
  ScratchDir dir;
  const StoreStatus s = AppendRecords(dir.file("no/such/file"), record("A1"), kSize);
  EXPECT_EQ(s.failed, StoreStep::kOpen);
  EXPECT_EQ(s.error, ENOENT);
}

TEST(Store, ClashUnderTheLockAppendsNothing) {
  ScratchDir dir;
  const std::string path = dir.file(accountRegFileCandi);
  dir.write(accountRegFileCandi, record("A1") + record("B2"));
  const FieldLayout* id = FindField(CandidateLayout(), "IDNumber");
  auto sameId = [id](const std::string& wanted) {
    return [id, wanted](const char* r) { return TextField(r, *id) == wanted; };
  };
  bool clashed = false;
  ASSERT_TRUE(AppendRecords(path, record("B2"), kSize, sameId("B2"), &clashed).ok());
  EXPECT_TRUE(clashed);
  ASSERT_TRUE(AppendRecords(path, record("C3"), kSize, sameId("C3"), &clashed).ok());
  EXPECT_FALSE(clashed);
  EXPECT_EQ(idsIn(path), (std::vector<std::string>{"A1", "B2", "C3"}));
}

TEST(Store, LockExcludesAnotherProcessAndTimesOut) {
  ScratchDir dir;
  const std::string path = dir.file(SubjectFile);
  FileLock held;
  ASSERT_TRUE(held.Lock(path, true).ok());
  // Another descriptor of the same file opened and closed here must not
  // release the lock (a plain fcntl lock would be gone now).
  {
    platform::File other;
    ASSERT_TRUE(platform::OpenFile(path, platform::kRead, &other, nullptr).ok());
  }
  const int status = inChild([&] {
    platform::File f;
    if (!platform::OpenFile(path, platform::kReadWrite, &f, nullptr).ok()) return 2;
    const auto start = std::chrono::steady_clock::now();
    const platform::Status s = f.LockExclusive(300);
    const auto waited = std::chrono::steady_clock::now() - start;
    if (s.ok()) return 3;
    return waited >= std::chrono::milliseconds(300) && waited < std::chrono::seconds(5) ? 0 : 4;
  });
  EXPECT_EQ(status, 0);
}

TEST(Store, AppendWaitsForALockReleasedInTime) {
  ScratchDir dir;
  const std::string path = dir.file(CandiDatefilex);
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    FileLock lock;
    if (!lock.Lock(path, true).ok()) _exit(1);
    if (write(ready[1], "x", 1) != 1) _exit(1);
    usleep(300 * 1000);
    _exit(0);
  }
  char c;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  EXPECT_TRUE(AppendRecords(path, record("A1"), kSize).ok());
  waitpid(holder, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  EXPECT_EQ(idsIn(path), (std::vector<std::string>{"A1"}));
}

TEST(Store, LoadsTellTheEndOfAFileFromAReadError) {
  ScratchDir dir;
  dir.write("whole", record("A1") + record("B2") + "partial");
  std::vector<CandidateSkeleton> table;
  LoadResult r = LoadFile(dir.file("whole"), WhenMissing::kFail, 500, &table);
  EXPECT_TRUE(r.status.ok());
  EXPECT_EQ(r.records, 2u);

  // A directory opens but cannot be read: an error, not an empty file.
  std::filesystem::create_directory(dir.file(CandiDatefilex));
  r = LoadFile(dir.file(CandiDatefilex), WhenMissing::kCreate, 500, &table);
  EXPECT_EQ(r.status.failed, StoreStep::kRead);
  EXPECT_EQ(r.status.error, EISDIR);

  r = LoadFile(dir.file("missing"), WhenMissing::kFail, 500, &table);
  EXPECT_EQ(r.status.failed, StoreStep::kOpen);
  EXPECT_FALSE(dir.exists("missing"));
  r = LoadFile(dir.file("missing"), WhenMissing::kCreate, 500, &table);
  EXPECT_TRUE(r.status.ok());
  EXPECT_TRUE(r.created);
  EXPECT_EQ(dir.size("missing"), 0);
}

TEST(Store, PublishReplacesQuestionsThenAppendsTheHeader) {
  ScratchDir dir;
  const std::string header(1242, 'h');
  dir.write("q.abcd", "old edition");
  PublishResult r = PublishPaper(dir.file(SubjectFile), dir.file("q.abcd"), "new edition", header);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(dir.read("q.abcd"), "new edition");
  EXPECT_EQ(dir.read(SubjectFile), header);
  // A question file that cannot be written leaves the library alone.
  std::filesystem::create_directory(dir.file("d.abcd"));
  r = PublishPaper(dir.file(SubjectFile), dir.file("d.abcd"), "x", header);
  EXPECT_EQ(r.questions.failed, StoreStep::kOpen);
  EXPECT_EQ(dir.read(SubjectFile), header);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(Store, ScanStopsAtCapacityOrWhenTheVisitorSaysSo) {
  ScratchDir dir;
  dir.write("f", record("0") + record("1") + record("2") + record("3") + std::string(kSize - 1, '\0'));
  std::vector<CandidateSkeleton> table;
  EXPECT_EQ(LoadFile(dir.file("f"), WhenMissing::kFail, 3, &table).records, 3u);
  EXPECT_EQ(table.size(), 3u);
  const LoadResult whole = LoadFile(dir.file("f"), WhenMissing::kFail, 500, &table);
  EXPECT_EQ(whole.records, 4u);
  EXPECT_EQ(whole.tail, kSize - 1);
  int seen = 0;
  const LoadResult r = ScanFile<CandidateSkeleton>(dir.file("f"), WhenMissing::kFail, 500, [&](CandidateSkeleton& c) {
    ++seen;
    return std::string(c.setIDNumber()) != "1";
  });
  EXPECT_EQ(r.records, 2u);
  EXPECT_EQ(seen, 2);
  dir.write("short", std::string(kSize - 1, '\0'));
  EXPECT_EQ(LoadFile(dir.file("short"), WhenMissing::kFail, 500, &table).records, 0u);
}

TEST(Store, ReplacementKeepsTheOldFileUntilCommitAndFollowsTheUmask) {
  ScratchDir dir;
  dir.write("q", "old");
  {
    Replacement abandoned;
    ASSERT_TRUE(abandoned.Begin(dir.file("q")).ok());
  }
  EXPECT_EQ(dir.read("q"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  const mode_t old_mask = ::umask(027);
  const bool replaced = ReplaceFileWith(dir.file("q"), "new").ok();
  // The longest name the program composes still fits beside its temporary.
  const bool longest = ReplaceFileWith(dir.file(std::string(254, 'n')), "whole").ok();
  const bool appended = AppendRecords(dir.file("a"), record("A1"), kSize).ok();
  ::umask(old_mask);
  ASSERT_TRUE(replaced && longest && appended);
  EXPECT_EQ(dir.read("q"), "new");
  EXPECT_EQ(dir.read(std::string(254, 'n')), "whole");
  struct stat st;
  ASSERT_EQ(::stat(dir.file("q").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

TEST(Store, HeldFileIsAlwaysOneWholeVersionAndItsHolderKeepsTheLock) {
  ScratchDir dir;
  const std::string path = dir.file("A1_Ann.abcdlive");
  const std::string first(2570, 'a'), second(2570, 'b');
  const auto busyElsewhere = [&] {
    return inChild([&] {
      bool busy = false;
      return ProbeHeld(path, &busy).ok() && busy ? 0 : 1;
    });
  };
  HeldFile held;
  ASSERT_TRUE(held.Replace(path, first).ok());
  EXPECT_EQ(busyElsewhere(), 0);
  // A write cut short at any byte (a full disk) leaves the earlier version
  // whole, still held, and no file beside it.
  for (size_t cut : {size_t{0}, size_t{1}, size_t{1285}, size_t{2569}}) {
    SetAppendHookForTesting([cut](platform::File& f, const char* data, size_t) {
      f.Append(data, cut);
      return platform::Status::Error(ENOSPC);
    });
    const StoreStatus s = held.Replace(path, second);
    SetAppendHookForTesting(nullptr);
    EXPECT_EQ(s.failed, StoreStep::kWrite) << cut;
    EXPECT_EQ(dir.read("A1_Ann.abcdlive"), first) << cut;
    EXPECT_EQ(busyElsewhere(), 0) << cut;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  // The lock follows each new version: another holder is refused.
  ASSERT_TRUE(held.Replace(path, second).ok());
  EXPECT_EQ(busyElsewhere(), 0);
  HeldFile other;
  EXPECT_EQ(other.Hold(path).failed, StoreStep::kLock);
  held.Release();
  ASSERT_TRUE(other.Hold(path).ok());
  std::string bytes;
  ASSERT_TRUE(other.Read(&bytes).ok());
  EXPECT_EQ(bytes, second);
  ASSERT_TRUE(other.Remove().ok());
  EXPECT_FALSE(dir.exists("A1_Ann.abcdlive"));
  EXPECT_EQ(held.Hold(path).failed, StoreStep::kOpen);
}
