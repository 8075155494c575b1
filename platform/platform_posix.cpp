// The POSIX side of the platform interface (Linux first: open file
// description locks; other systems fall back to flock).
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

#include "platform/platform.h"

namespace platform {

namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// mkstemp makes its file private; a replacement gets the mode any new file
// of the program would get (0666 less the umask).
mode_t ModeOfNewFiles() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

Status FromErrno() { return Status::Error(errno); }

// One attempt at the lock, never waiting. An open file description lock
// (F_OFD_SETLK) belongs to this open file, not to the process, so closing
// another descriptor of the same file elsewhere in the program leaves it
// in place; on NFS it becomes an ordinary POSIX lock, which the server
// arbitrates between machines.
bool TryLock(int fd, int* error) {
#ifdef F_OFD_SETLK
  struct flock lock = {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;
  if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
#else
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
#endif
  *error = errno;
  return false;
}

// Runs `call` (an open or a stat of a name) until it no longer fails with
// ESTALE. On a network file system a name that another machine has just
// replaced by a rename may still lead to the old, removed file until this
// machine's caches of the folder expire (about a second); the name is then
// looked up afresh.
template <class Call>
int RetryingStale(Call call) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(2 * kSettleMs);
  for (;;) {
    const int result = call();
    if (result >= 0 || errno != ESTALE || std::chrono::steady_clock::now() >= deadline) return result;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

int OpenName(const std::string& path, int flags, mode_t mode = 0) {
  return RetryingStale([&] { return ::open(path.c_str(), flags, mode); });
}

int StatName(const std::string& path, struct stat* st) {
  return RetryingStale([&] { return ::stat(path.c_str(), st); });
}

// True when the file system holding `fd` may answer with sizes a client
// cached before another machine changed the file: network file systems and
// FUSE (GlusterFS, among others). Local file systems answer exactly.
bool SizesMayBeCached(int fd) {
#ifdef __linux__
  struct statfs fs;
  if (::fstatfs(fd, &fs) != 0) return true;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x65735546:  // FUSE
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x00C36400:  // Ceph
    case 0x01021997:  // 9P
    case 0x5346414F:  // AFS
    case 0x73757245:  // Coda
      return true;
    default: return false;
  }
#else
  (void)fd;
  return false;
#endif
}

}  // namespace

std::string Describe(int error) { return std::strerror(error); }

Status File::Read(char* dst, size_t n, size_t* got) {
  *got = 0;
  for (;;) {
    const ssize_t r = ::read(handle_, dst, n);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return FromErrno();
    *got = static_cast<size_t>(r);
    return Status::Ok();
  }
}

Status File::ReadAt(uint64_t offset, char* dst, size_t n, size_t* got) {
  *got = 0;
  for (;;) {
    const ssize_t r = ::pread(handle_, dst, n, static_cast<off_t>(offset));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return FromErrno();
    *got = static_cast<size_t>(r);
    return Status::Ok();
  }
}

Status File::Append(const char* data, size_t n, size_t* written) {
  size_t done = 0;
  if (written) *written = 0;
  if (::lseek(handle_, 0, SEEK_END) < 0) return FromErrno();
  while (done < n) {
    const ssize_t w = ::write(handle_, data + done, n - done);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return FromErrno();
    if (w == 0) return Status::Error(ENOSPC);
    done += static_cast<size_t>(w);
    if (written) *written = done;
  }
  return Status::Ok();
}

Status File::Size(uint64_t* size) {
  struct stat st;
  if (::fstat(handle_, &st) != 0) return FromErrno();
  *size = static_cast<uint64_t>(st.st_size);
  return Status::Ok();
}

Status File::SettledSize(uint64_t* size, size_t record_size) {
  if (!SizesMayBeCached(handle_)) return Size(size);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kSettleMs);
  for (;;) {
    const Status sized = Size(size);
    if (!sized.ok() || (record_size > 0 && *size % record_size == 0)) return sized;
    if (std::chrono::steady_clock::now() >= deadline) return Size(size);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

Status File::Truncate(uint64_t size) {
  while (::ftruncate(handle_, static_cast<off_t>(size)) != 0) {
    if (errno != EINTR) return FromErrno();
  }
  return Status::Ok();
}

Status File::Sync() {
#ifdef __linux__
  // The data and what is needed to read it back, the size included; the
  // times of access and change are not worth a second write (on a network
  // file system, a second round trip).
  if (::fdatasync(handle_) != 0) return FromErrno();
#else
  if (::fsync(handle_) != 0) return FromErrno();
#endif
  return Status::Ok();
}

Status File::LockExclusive(int timeout_ms) {
  // Polled rather than blocking: a blocking wait cannot be bounded without
  // a signal, and a failed write after the time-out is better than a hang.
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    int error = 0;
    if (TryLock(handle_, &error)) return Status::Ok();
    if (error != EAGAIN && error != EACCES && error != EWOULDBLOCK && error != EINTR) {
      return Status::Error(error);
    }
    if (Clock::now() >= deadline) return Status::Error(ETIMEDOUT);
    std::this_thread::sleep_for(pause);
    if (pause < std::chrono::milliseconds(32)) pause *= 2;
  }
}

bool IsStale(const Status& status) { return status.error == ESTALE; }

Status File::IsNamedBy(const std::string& path, bool* same) {
  *same = false;
  struct stat mine, named;
  if (::fstat(handle_, &mine) != 0) return FromErrno();
  if (StatName(path, &named) != 0) return errno == ENOENT ? Status::Ok() : FromErrno();
  *same = mine.st_dev == named.st_dev && mine.st_ino == named.st_ino;
  return Status::Ok();
}

Status File::Close() {
  if (handle_ == kClosed) return Status::Ok();
  const int fd = handle_;
  handle_ = kClosed;
  // The descriptor is gone after close even when it reports an error, so
  // it is never retried.
  if (::close(fd) != 0 && errno != EINTR) return FromErrno();
  return Status::Ok();
}

Status OpenFile(const std::string& path, int flags, File* file, bool* created) {
  file->Close();
  if (created) *created = false;
  int mode = (flags & kReadWrite) ? O_RDWR : (flags & kRead) ? O_RDONLY : O_WRONLY;
  mode |= O_CLOEXEC;
  // With O_APPEND the file system itself puts each write at the file's
  // end; a seek to the end would use this machine's idea of the size,
  // which on a network file system may be stale, and write over records
  // another machine has just appended.
  if (flags & kAppend) mode |= O_APPEND;
  int fd = OpenName(path, mode);
  if (fd < 0 && errno == ENOENT && (flags & kCreate)) {
    fd = OpenName(path, mode | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 && created) *created = true;
    // Another process created it between the two opens: open that one.
    if (fd < 0 && errno == EEXIST) fd = OpenName(path, mode);
  }
  if (fd < 0) return FromErrno();
  file->handle_ = fd;
  return Status::Ok();
}

Status CreateExclusive(const std::string& path) {
  // O_EXCL is decided where the folder lives (the server of a network file
  // system), so of several machines creating one name exactly one succeeds.
  const int fd = OpenName(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return FromErrno();
  ::close(fd);
  return SyncDirectoryOf(path);
}

Status CreateTemporaryBeside(const std::string& target, File* file, std::string* temp_path) {
  file->Close();
  // A short name of its own: a suffix on the target's name would not fit
  // when that name is already near the file system's limit.
  std::string name = DirectoryOf(target) + "/.quizmora-XXXXXX";
  const int fd = ::mkstemp(&name[0]);
  if (fd < 0) return FromErrno();
  ::fchmod(fd, ModeOfNewFiles());
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  file->handle_ = fd;
  *temp_path = name;
  return Status::Ok();
}

Status ReplaceFile(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return FromErrno();
  return Status::Ok();
}

Status SyncDirectoryOf(const std::string& path) {
  const int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return FromErrno();
  const Status status = ::fsync(fd) == 0 ? Status::Ok() : FromErrno();
  ::close(fd);
  return status;
}

Status RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return FromErrno();
  return Status::Ok();
}

Status MakeDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), 0777) != 0) return FromErrno();
  return Status::Ok();
}

bool PathExists(const std::string& path) {
  struct stat st;
  return StatName(path, &st) == 0;
}

bool WritableOrMissing(const std::string& path) {
  const int probe = OpenName(path, O_WRONLY | O_CLOEXEC);
  if (probe >= 0) {
    ::close(probe);
    return true;
  }
  return errno == ENOENT;
}

// ---- Console ----------------------------------------------------------------

namespace {

// The terminal's mode before a pause or a hidden read changed it, for every
// way out to put back: the normal return, the end of the program and the
// signals that end it.
struct termios saved_termios;
int termios_fd = -1;
volatile sig_atomic_t termios_changed = 0;

// Keeps the present mode of the terminal `fd` to put back; false when it
// has none (not a terminal).
bool SaveTerminalMode(int fd) {
  if (::tcgetattr(fd, &saved_termios) != 0) return false;
  termios_fd = fd;
  return true;
}

// Switches the saved terminal to `mode`, applied at `when` (TCSANOW, ...).
void ChangeTerminalMode(const struct termios& mode, int when) {
  termios_changed = 1;
  ::tcsetattr(termios_fd, when, &mode);
}

// Puts the saved mode back, if it was changed, at `when`.
void PutBackTerminalMode(int when) {
  if (termios_changed) {
    ::tcsetattr(termios_fd, when, &saved_termios);
    termios_changed = 0;
  }
}

// Puts the terminal back before the default action of the signal ends the
// program (Ctrl-C during a pause, say).
void OnFatalSignal(int sig) {
  RestoreTerminal();
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

void InstallSignalHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    struct sigaction action = {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(sig, &action, nullptr);
  }
}

}  // namespace

// Descriptors are binary already and a terminal needs no preparing: the
// pause changes its mode only while it waits.
void PrepareConsole() {}

bool InputIsTerminal(int fd) { return ::isatty(fd) != 0; }

bool StdoutIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }

long ReadInput(int fd, char* dst, size_t n) {
  for (;;) {
    const ssize_t r = ::read(fd, dst, n);
    if (r < 0 && errno == EINTR) continue;
    return static_cast<long>(r);
  }
}

// Non-canonical, no-echo mode for exactly one byte; the signals that end
// the program restore the settings first.
bool WaitForKey(int fd) {
  InstallSignalHandlers();
  if (SaveTerminalMode(fd)) {
    struct termios raw = saved_termios;
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ChangeTerminalMode(raw, TCSANOW);
  }
  char key;
  ssize_t n;
  do {
    n = ::read(fd, &key, 1);
  } while (n < 0 && errno == EINTR);
  RestoreTerminal();
  return n > 0;
}

void DiscardTypeAhead(int fd) { ::tcflush(fd, TCIFLUSH); }

void ClearTerminal() { std::cout << "\x1b[H\x1b[2J"; }

void RestoreTerminal() { PutBackTerminalMode(TCSANOW); }

// ---- Clock ------------------------------------------------------------------

long long SteadyMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

uint64_t SystemRandom64() {
  uint64_t bits = 0;
  const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
  const bool read = fd >= 0 && ::read(fd, &bits, sizeof bits) == static_cast<ssize_t>(sizeof bits);
  if (fd >= 0) ::close(fd);
  if (read) return bits;
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<uint64_t>(wall) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(steady) ^
         static_cast<uint64_t>(::getpid()) << 32;
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local;
}

// ---- Names ------------------------------------------------------------------

void MakeNameSafeForSystem(std::string*) {}

// Echo off for one line, the signals that end the program putting the mode
// back first, as for a pause.
HiddenLine ReadHiddenLine(const std::string& prompt, std::string* line) {
  line->clear();
  if (!::isatty(STDIN_FILENO) || !SaveTerminalMode(STDIN_FILENO)) return HiddenLine::kNoTerminal;
  for (size_t done = 0; done < prompt.size();) {
    const ssize_t n = ::write(STDERR_FILENO, prompt.data() + done, prompt.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  InstallSignalHandlers();
  struct termios hidden = saved_termios;
  hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  hidden.c_lflag |= ECHONL;  // the Enter still moves to a new line
  ChangeTerminalMode(hidden, TCSAFLUSH);
  HiddenLine outcome = HiddenLine::kEnded;
  for (;;) {
    char c = 0;
    const ssize_t n = ::read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    if (c == '\n') {
      outcome = HiddenLine::kRead;
      break;
    }
    *line += c;
  }
  PutBackTerminalMode(TCSAFLUSH);
  return outcome;
}

}  // namespace platform
