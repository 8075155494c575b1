#ifndef QUIZMORA_PLATFORM_PLATFORM_H_
#define QUIZMORA_PLATFORM_PLATFORM_H_

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

// Everything the program asks of the operating system that differs between
// POSIX and Windows: the console, the clock and local time, and files
// (durable writes, locks, atomic replacement). The build compiles exactly
// one implementation: platform_posix.cpp or platform_win32.cpp. Nothing
// outside this folder includes a system header of its own for these.
namespace platform {

// ---- Errors ---------------------------------------------------------------

// The outcome of a file operation: 0 for success, otherwise the errno value
// of the cause (Windows errors are mapped to the nearest errno value).
struct Status {
  int error = 0;
  bool ok() const { return error == 0; }
  static Status Ok() { return Status{}; }
  static Status Error(int e) { return Status{e == 0 ? -1 : e}; }
};

// Returns a short description of `error` ("No space left on device").
std::string Describe(int error);

// ---- Files ----------------------------------------------------------------

// An open data file. It owns its handle and closes it when destroyed;
// moving passes the ownership on. A lock taken through it is released when
// it is closed, and only then: opening and closing other handles of the same
// file, in this process or another, never releases it.
class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = kClosed; }
  File& operator=(File&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.handle_;
      other.handle_ = kClosed;
    }
    return *this;
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool is_open() const { return handle_ != kClosed; }

  // Reads up to `n` bytes at the current position into `dst`; *got is 0 at
  // the end of the file. A read error is an error, never an end.
  Status Read(char* dst, size_t n, size_t* got);
  // Reads up to `n` bytes at `offset` (the position is not used).
  Status ReadAt(uint64_t offset, char* dst, size_t n, size_t* got);
  // Writes all `n` bytes at the end of the file, in one system call where
  // the system allows; a short write is retried for the rest and, when no
  // more bytes go, reported as ENOSPC. *written (when not null) receives
  // how many bytes went into the file, also on failure.
  Status Append(const char* data, size_t n, size_t* written = nullptr);
  // The file's size in bytes, as this machine sees it: on a network file
  // system it may be a size cached a moment ago, before another machine's
  // append.
  Status Size(uint64_t* size);
  // The file's size as every machine sharing it agrees on it, for deciding
  // what to cut from its end: where the file system may hand out a cached
  // size (network and FUSE file systems), this first waits until every
  // such cache has expired (kSettleMs); elsewhere it is Size. With
  // `record_size`, it answers as soon as the size seen is a whole number of
  // records (nothing to cut then, however old that size).
  Status SettledSize(uint64_t* size, size_t record_size = 0);
  // Cuts (or extends with zeros) the file to `size` bytes.
  Status Truncate(uint64_t size);
  // Forces data and size to stable storage.
  Status Sync();
  // Takes an exclusive advisory lock on the whole file, waiting at most
  // `timeout_ms`; ETIMEDOUT (or EAGAIN) when another holder keeps it. The
  // lock belongs to this open file and ends when it is closed.
  Status LockExclusive(int timeout_ms);
  // Sets *same to whether `path` still names this open file (false when the
  // name is gone or now names another file, as after a replacement).
  Status IsNamedBy(const std::string& path, bool* same);
  // Closes the file; the error of the close itself, if any.
  Status Close();

 private:
  friend Status OpenFile(const std::string&, int, File*, bool*);
  friend Status CreateTemporaryBeside(const std::string&, File*, std::string*);
#ifdef _WIN32
  using Handle = void*;
  static constexpr Handle kClosed = nullptr;
#else
  using Handle = int;
  static constexpr Handle kClosed = -1;
#endif
  Handle handle_ = kClosed;
};

// Open modes for OpenFile, combined with |.
enum OpenFlags {
  kRead = 1,       // read only
  kReadWrite = 2,  // read and write (with neither: write only)
  kCreate = 4,     // create when missing (never truncates an existing file)
  kAppend = 8,     // every write lands at the end the file system holds at
                   // that moment, not where this machine last saw it end
};

// How long SettledSize waits for the caches of a network file system: twice
// the one-second lifetime of the attribute caches of Linux's FUSE mounts,
// GlusterFS's client and NFS's minimum.
constexpr int kSettleMs = 2000;

// Opens `path` in binary mode. *created (when not null) tells whether the
// file did not exist before. Files are created with the mode every new file
// of the program gets (0666 less the umask on POSIX). A name that another
// machine has just replaced (ESTALE on a network file system) is tried
// again for a while before the open fails.
Status OpenFile(const std::string& path, int flags, File* file, bool* created);

// True when `status` says the file behind a descriptor is no longer the
// one its name gives (ESTALE: another machine sharing the folder replaced
// it by a rename and this machine's cache of the name is a moment old), so
// the name is to be opened afresh.
bool IsStale(const Status& status);

// Creates the file `path`, empty, only when no file of that name exists:
// EEXIST when one does, whichever machine sharing the folder made it. The
// new name is synced to stable storage before this returns ok.
Status CreateExclusive(const std::string& path);

// Creates a new, empty, uniquely named file in the directory of `target`
// (with a short name of its own, ".quizmora-XXXXXX"), open for writing.
Status CreateTemporaryBeside(const std::string& target, File* file, std::string* temp_path);

// Renames `from` over `to` in one step: a reader opening `to` meanwhile
// finds either the old or the new file, whole.
Status ReplaceFile(const std::string& from, const std::string& to);

// Forces the directory holding `path` (its entries: a new or renamed file)
// to stable storage. A no-op where the system has no such call.
Status SyncDirectoryOf(const std::string& path);

// Removes a file; ENOENT when it is not there.
Status RemoveFile(const std::string& path);

// Creates a directory (private to the user where the system allows).
Status MakeDirectory(const std::string& path);

// True when `path` names an existing file or directory.
bool PathExists(const std::string& path);

// True when `path` can be opened for writing without creating or changing
// it, or does not exist (a directory of that name, say, cannot).
bool WritableOrMissing(const std::string& path);

// ---- Console --------------------------------------------------------------

// The descriptor of standard input. The input functions below take the
// descriptor to read, so that tests can put a pipe in its place.
constexpr int kStandardInput = 0;

// Prepares standard input and output: binary mode (no line-end translation)
// and, on a console, the modes the program relies on. Called once by main.
void PrepareConsole();

// True when the input descriptor `fd` (standard output) is a terminal or
// console.
bool InputIsTerminal(int fd);
bool StdoutIsTerminal();

// Reads up to `n` bytes of input from `fd`; 0 at its end, -1 on an error.
// Interrupted reads are retried. Text typed on a console reaches the
// program as UTF-8 with its line end.
long ReadInput(int fd, char* dst, size_t n);

// Waits for one key on the terminal `fd` without echo or Enter, restoring
// the terminal's mode on every way out (Ctrl-C included). Returns false
// when the input has ended.
bool WaitForKey(int fd);

// Discards whatever the terminal `fd` holds typed ahead (never waits).
void DiscardTypeAhead(int fd);

// Empties the terminal window and puts the cursor home, writing to
// std::cout where the system does it with a control sequence. Standard
// output is flushed by the caller first, and again afterwards.
void ClearTerminal();

// Puts the terminal's modes back if the program changed them (before
// exiting).
void RestoreTerminal();

// ---- Passwords ------------------------------------------------------------

// How reading a hidden line from the terminal went.
enum class HiddenLine {
  kRead,        // *line holds what was typed, without its line end
  kNoTerminal,  // standard input is not a terminal: nothing was read
  kEnded,       // input ended (or failed) before a line end
};

// When standard input is a terminal, writes `prompt` on standard error and
// reads one line typed there without showing it, restoring the terminal's
// mode on every way out (Ctrl-C included).
HiddenLine ReadHiddenLine(const std::string& prompt, std::string* line);

// ---- Clock ----------------------------------------------------------------

// Milliseconds of real time from a monotonic clock (its zero is arbitrary).
long long SteadyMilliseconds();

// The local time now.
std::tm LocalTimeNow();

// ---- Randomness -----------------------------------------------------------

// Returns 64 bits from the system's random source (/dev/urandom; rand_s on
// Windows), for seeds that must differ between seats started at the same
// moment. Should the source fail, the bits come from the clocks instead.
uint64_t SystemRandom64();

// ---- Names ----------------------------------------------------------------

// Makes a file name built from typed text safe on this system, in place:
// characters the system forbids in a name become '_', and a name the system
// reserves for a device gets a '_' in front. On POSIX nothing changes
// (the separators are handled by the callers everywhere alike).
void MakeNameSafeForSystem(std::string* name);

}  // namespace platform

#endif  // QUIZMORA_PLATFORM_PLATFORM_H_
