#include "records/store.h"

#include <algorithm>
#include <cerrno>

namespace {

using platform::File;
using platform::Status;

AppendHook appendHook;

Status WriteAtEnd(File& file, const char* data, size_t n) {
  if (appendHook) return appendHook(file, data, n);
  return file.Append(data, n);
}

// Opens `path` read-write (created when missing) and takes its lock. The
// lock holder before us may have replaced or removed the file (a repair, a
// publication that created the library in vain): a lock on a file that no
// longer has the name guards nothing, so the name is opened afresh.
StoreStatus OpenLocked(const std::string& path, File* file, bool* created) {
  for (int attempt = 0;; ++attempt) {
    const Status opened = platform::OpenFile(path, platform::kReadWrite | platform::kCreate, file, created);
    if (!opened.ok()) return StoreStatus::Failure(StoreStep::kOpen, opened);
    const Status locked = file->LockExclusive(kLockTimeoutMs);
    if (!locked.ok()) return StoreStatus::Failure(StoreStep::kLock, locked);
    bool same = false;
    const Status named = file->IsNamedBy(path, &same);
    if (!named.ok()) return StoreStatus::Failure(StoreStep::kOpen, named);
    if (same) return StoreStatus{};
    if (attempt == 100) return StoreStatus{StoreStep::kLock, ETIMEDOUT};
    file->Close();
  }
}

// Runs `clash` over every whole record of the locked file.
StoreStatus FindClash(File& file, size_t record_size, uint64_t size, const ClashCheck& clash, bool* found) {
  *found = false;
  std::vector<char> buffer(record_size * 64);
  uint64_t offset = 0;
  const uint64_t whole = size - size % record_size;
  while (offset < whole) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(buffer.size(), whole - offset));
    size_t got = 0;
    const Status read = file.ReadAt(offset, buffer.data(), want, &got);
    if (!read.ok()) return StoreStatus::Failure(StoreStep::kRead, read);
    if (got < record_size) break;  // the file shrank meanwhile: nothing more to compare
    const size_t records = got / record_size;
    for (size_t i = 0; i < records; ++i) {
      if (clash(buffer.data() + i * record_size)) {
        *found = true;
        return StoreStatus{};
      }
    }
    offset += records * record_size;
  }
  return StoreStatus{};
}

// Writes `bytes` at the end of the locked `file`, which held `size` bytes,
// and syncs them; on any failure the file is cut back to `size`, so nothing
// of this append remains.
StoreStatus AppendWhole(File& file, const std::string& path, const std::string& bytes, uint64_t size, bool created) {
  StoreStatus status;
  const Status written = WriteAtEnd(file, bytes.data(), bytes.size());
  if (!written.ok()) {
    status = StoreStatus::Failure(StoreStep::kWrite, written);
  } else {
    const Status synced = file.Sync();
    if (!synced.ok()) status = StoreStatus::Failure(StoreStep::kSync, synced);
  }
  // A new file's name must reach the disk too, or a power loss could lose
  // the whole file after the screen said it was saved.
  if (status.ok() && created) {
    const Status dir = platform::SyncDirectoryOf(path);
    if (!dir.ok()) status = StoreStatus::Failure(StoreStep::kSync, dir);
  }
  if (!status.ok()) {
    file.Truncate(size);
    file.Sync();
  }
  return status;
}

// Appends `bytes` to the locked `file` (records of `record_size`): its
// partial tail is cut aside first, then, unless `clash` finds a clash, the
// bytes are appended whole.
StoreStatus AppendLocked(File& file, const std::string& path, const std::string& bytes, size_t record_size,
                         bool created, const ClashCheck& clash = nullptr, bool* clashed = nullptr) {
  StoreStatus status = CutPartialTail(file, path, record_size);
  if (!status.ok()) return status;
  uint64_t size = 0;
  const Status sized = file.Size(&size);
  if (!sized.ok()) return StoreStatus::Failure(StoreStep::kRead, sized);
  if (clash) {
    bool found = false;
    status = FindClash(file, record_size, size, clash, &found);
    if (clashed) *clashed = found;
    if (!status.ok() || found) return status;
  }
  return AppendWhole(file, path, bytes, size, created);
}

}  // namespace

// ---- Loading --------------------------------------------------------------

StoreStatus RecordReader::Open(const std::string& path, WhenMissing missing, bool* created) {
  *created = false;
  const Status opened = platform::OpenFile(path, platform::kRead, &file_, nullptr);
  if (opened.ok()) return status_;
  if (missing == WhenMissing::kFail) {
    status_ = StoreStatus::Failure(StoreStep::kOpen, opened);
    return status_;
  }
  // Made to exist without truncating: a file that is there but cannot be
  // read keeps its bytes, and then simply has nothing to give.
  platform::File made;
  const Status create = platform::OpenFile(path, platform::kCreate, &made, nullptr);
  if (!create.ok()) {
    status_ = StoreStatus::Failure(StoreStep::kOpen, opened.error == ENOENT ? create : opened);
    return status_;
  }
  made.Close();
  *created = true;
  platform::OpenFile(path, platform::kRead, &file_, nullptr);
  return status_;
}

bool RecordReader::Refill() {
  // Keep the bytes of a record begun in the last buffer.
  const size_t kept = len_ - pos_;
  if (buffer_.empty()) buffer_.resize(record_size_ * (record_size_ < 4096 ? 64 : 16));
  std::copy(buffer_.begin() + static_cast<long>(pos_), buffer_.begin() + static_cast<long>(len_), buffer_.begin());
  pos_ = 0;
  len_ = kept;
  while (len_ < record_size_ && !end_) {
    size_t got = 0;
    const Status read = file_.Read(buffer_.data() + len_, buffer_.size() - len_, &got);
    if (!read.ok()) {
      status_ = StoreStatus::Failure(StoreStep::kRead, read);
      end_ = true;
      return false;
    }
    if (got == 0) end_ = true;
    len_ += got;
  }
  return len_ >= record_size_;
}

bool RecordReader::Next(const char** record) {
  if (!status_.ok() || !file_.is_open()) return false;
  if (len_ - pos_ < record_size_ && !Refill()) return false;
  *record = buffer_.data() + pos_;
  pos_ += record_size_;
  return true;
}

// ---- Appending ------------------------------------------------------------

StoreStatus AppendRecords(const std::string& path, const std::string& bytes, size_t record_size,
                          const ClashCheck& clash, bool* clashed) {
  if (clashed) *clashed = false;
  File file;
  bool created = false;
  const StoreStatus status = OpenLocked(path, &file, &created);
  if (!status.ok()) return status;
  return AppendLocked(file, path, bytes, record_size, created, clash, clashed);
}

// ---- Replacing ------------------------------------------------------------

Replacement::~Replacement() { Abandon(); }

void Replacement::Abandon() {
  temp_.Close();
  if (!temp_path_.empty()) platform::RemoveFile(temp_path_);
  temp_path_.clear();
}

StoreStatus Replacement::Begin(const std::string& path) {
  Abandon();
  path_ = path;
  // The target itself must be writable (a directory of that name, say, is
  // not), checked without touching what it holds.
  if (!platform::WritableOrMissing(path)) return StoreStatus{StoreStep::kOpen, EACCES};
  const Status opened = platform::CreateTemporaryBeside(path, &temp_, &temp_path_);
  if (!opened.ok()) {
    temp_path_.clear();
    return StoreStatus::Failure(StoreStep::kOpen, opened);
  }
  return StoreStatus{};
}

StoreStatus Replacement::Write(const std::string& bytes) {
  if (!temp_.is_open()) return StoreStatus{StoreStep::kOpen, EBADF};
  const Status step = WriteAtEnd(temp_, bytes.data(), bytes.size());
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kWrite, step);
  return StoreStatus{};
}

StoreStatus Replacement::Commit(const std::string& bytes) {
  const StoreStatus written = Write(bytes);
  if (!written.ok()) return written;
  Status step;
  if (!(step = temp_.Sync()).ok()) return StoreStatus::Failure(StoreStep::kSync, step);
  if (!(step = temp_.Close()).ok()) return StoreStatus::Failure(StoreStep::kWrite, step);
  if (!(step = platform::ReplaceFile(temp_path_, path_)).ok()) return StoreStatus::Failure(StoreStep::kReplace, step);
  temp_path_.clear();
  if (!(step = platform::SyncDirectoryOf(path_)).ok()) return StoreStatus::Failure(StoreStep::kSync, step);
  return StoreStatus{};
}

StoreStatus ReplaceFileWith(const std::string& path, const std::string& bytes) {
  Replacement replacement;
  const StoreStatus begun = replacement.Begin(path);
  if (!begun.ok()) return begun;
  return replacement.Commit(bytes);
}

bool DataFileExists(const std::string& path) { return platform::PathExists(path); }

PublishResult PublishPaper(const std::string& library, const std::string& question_file,
                           const std::string& question_bytes, const std::string& header_bytes) {
  PublishResult result;
  File lib;
  bool created = false;
  result.header = OpenLocked(library, &lib, &created);
  // A library that is busy beyond the time-out gets nothing written; one
  // that cannot be opened at all gets the questions, then fails its header.
  if (!result.header.ok() && !result.header.openFailed()) return result;
  result.questions = ReplaceFileWith(question_file, question_bytes);
  if (!result.questions.ok()) {
    // A library created only to be locked is taken away again, so a failed
    // publication leaves the folder as it found it.
    uint64_t size = 0;
    if (created && lib.Size(&size).ok() && size == 0) platform::RemoveFile(library);
    return result;
  }
  if (!result.header.ok()) return result;
  result.header = AppendLocked(lib, library, header_bytes, header_bytes.size(), created);
  return result;
}

// ---- Locks held by a caller ------------------------------------------------

StoreStatus FileLock::Lock(const std::string& path, bool create) {
  if (!create && !platform::PathExists(path)) return StoreStatus{StoreStep::kOpen, ENOENT};
  bool created = false;
  return OpenLocked(path, &file_, &created);
}

// ---- A file one seat holds ------------------------------------------------

namespace {

// Opens `path` read-write and takes its lock without waiting; like
// OpenLocked, a lock on a file the name no longer gives is tried again.
StoreStatus OpenHeld(const std::string& path, File* file) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const Status opened = platform::OpenFile(path, platform::kReadWrite, file, nullptr);
    if (!opened.ok()) return StoreStatus::Failure(StoreStep::kOpen, opened);
    const Status locked = file->LockExclusive(0);
    if (!locked.ok()) {
      file->Close();
      return StoreStatus::Failure(StoreStep::kLock, locked);
    }
    bool same = false;
    const Status named = file->IsNamedBy(path, &same);
    if (!named.ok()) return StoreStatus::Failure(StoreStep::kOpen, named);
    if (same) return StoreStatus{};
    file->Close();
  }
  return StoreStatus{StoreStep::kLock, ETIMEDOUT};
}

}  // namespace

StoreStatus HeldFile::Hold(const std::string& path) {
  Release();
  const StoreStatus status = OpenHeld(path, &file_);
  if (status.ok()) path_ = path;
  return status;
}

StoreStatus HeldFile::Read(std::string* bytes) {
  bytes->clear();
  uint64_t size = 0;
  Status step = file_.Size(&size);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kRead, step);
  bytes->resize(static_cast<size_t>(size));
  size_t got = 0;
  step = file_.ReadAt(0, &(*bytes)[0], bytes->size(), &got);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kRead, step);
  bytes->resize(got);
  return StoreStatus{};
}

StoreStatus HeldFile::Replace(const std::string& path, const std::string& bytes) {
  File next;
  std::string temp_path;
  Status step = platform::CreateTemporaryBeside(path, &next, &temp_path);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kOpen, step);
  StoreStatus status;
  if (!(step = WriteAtEnd(next, bytes.data(), bytes.size())).ok()) {
    status = StoreStatus::Failure(StoreStep::kWrite, step);
  } else if (!(step = next.Sync()).ok()) {
    status = StoreStatus::Failure(StoreStep::kSync, step);
  } else if (!(step = next.LockExclusive(0)).ok()) {
    // Locked before it has the name: no instant shows the name unlocked.
    status = StoreStatus::Failure(StoreStep::kLock, step);
  } else if (!(step = platform::ReplaceFile(temp_path, path)).ok()) {
    // Where a name held open cannot be replaced (Windows without POSIX
    // renames), the old version is let go first; the new one is locked.
    file_.Close();
    if (!(step = platform::ReplaceFile(temp_path, path)).ok()) status = StoreStatus::Failure(StoreStep::kReplace, step);
  }
  if (!status.ok()) {
    next.Close();
    platform::RemoveFile(temp_path);
    return status;
  }
  // The new version is in place and locked: the old one's lock may go.
  file_ = std::move(next);
  path_ = path;
  step = platform::SyncDirectoryOf(path);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kSync, step);
  return StoreStatus{};
}

StoreStatus HeldFile::Remove() {
  if (!held()) return StoreStatus{};
  // Removed while still locked, so no other seat takes it up in between.
  const Status removed = platform::RemoveFile(path_);
  Release();
  if (!removed.ok() && removed.error != ENOENT) return StoreStatus::Failure(StoreStep::kReplace, removed);
  return StoreStatus{};
}

void HeldFile::Release() {
  file_.Close();
  path_.clear();
}

StoreStatus ProbeHeld(const std::string& path, bool* busy) {
  *busy = false;
  File file;
  const StoreStatus status = OpenHeld(path, &file);
  if (status.failed == StoreStep::kLock) {
    *busy = true;
    return StoreStatus{};
  }
  return status;
}

// ---- Partial tails ---------------------------------------------------------

std::string PartialTailName(const std::string& path) { return path + ".partial"; }

StoreStatus CutPartialTail(File& file, const std::string& path, size_t record_size, uint64_t* cut) {
  if (cut) *cut = 0;
  uint64_t size = 0;
  Status step = file.Size(&size);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kRead, step);
  const uint64_t tail = size % record_size;
  if (tail == 0) return StoreStatus{};
  // The cut bytes are kept, synced, before the data file loses them.
  std::string bytes(static_cast<size_t>(tail), '\0');
  size_t got = 0;
  step = file.ReadAt(size - tail, &bytes[0], bytes.size(), &got);
  if (!step.ok() || got != bytes.size())
    return StoreStatus::Failure(StoreStep::kRead, step.ok() ? Status::Error(EIO) : step);
  File keep;
  bool created = false;
  const std::string keep_path = PartialTailName(path);
  StoreStatus status = OpenLocked(keep_path, &keep, &created);
  if (!status.ok()) return status;
  // Kept bytes have no records to keep whole: every size is a boundary.
  status = AppendLocked(keep, keep_path, bytes, 1, created);
  if (!status.ok()) return status;
  step = file.Truncate(size - tail);
  if (step.ok()) step = file.Sync();
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kWrite, step);
  if (cut) *cut = tail;
  return StoreStatus{};
}

void SetAppendHookForTesting(AppendHook hook) { appendHook = std::move(hook); }
