#include "records/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// mkstemp makes its file private; the replacement gets the mode any new
// file of the program would get (0666 less the umask).
mode_t ModeOfNewFiles() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

DurableFile::~DurableFile() { Abandon(); }

bool DurableFile::Open(const char* path, Mode mode) {
  Abandon();
  path_ = path;
  mode_ = mode;
  failed_ = false;
  if (mode == kAppend) {
    fd_ = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  } else {
    // The target itself must be writable (a directory of that name, say, is
    // not), checked without touching what it holds.
    const int probe = ::open(path, O_WRONLY | O_CLOEXEC);
    if (probe < 0 && errno != ENOENT) return false;
    if (probe >= 0) ::close(probe);
    // A short name of its own: a suffix on the target's name would not fit
    // when that name is already near the file system's limit.
    temp_path_ = DirectoryOf(path_) + "/.quizmora-XXXXXX";
    fd_ = ::mkstemp(&temp_path_[0]);
    if (fd_ < 0) temp_path_.clear();
    else ::fchmod(fd_, ModeOfNewFiles());
  }
  return fd_ >= 0;
}

bool DurableFile::Write(const std::string& bytes) {
  if (fd_ < 0 || failed_) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = true;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool DurableFile::Commit() {
  if (fd_ < 0) return false;
  bool ok = !failed_ && ::fsync(fd_) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  if (mode_ == kReplace) {
    ok = ok && ::rename(temp_path_.c_str(), path_.c_str()) == 0;
    if (!ok) ::unlink(temp_path_.c_str());
    temp_path_.clear();
    ok = ok && SyncDirectory(DirectoryOf(path_));
  }
  return ok;
}

void DurableFile::Abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
  temp_path_.clear();
}

bool AppendRecordBytes(const char* path, const std::string& bytes, bool* opened) {
  DurableFile file;
  const bool open = file.Open(path, DurableFile::kAppend);
  if (opened) *opened = open;
  return open && file.Write(bytes) && file.Commit();
}
