// The Windows side of the platform interface, on the Win32 API. File names
// are UTF-8 inside the program and UTF-16 for the system; every descriptor
// is in binary mode, so screens and files hold the same bytes as on POSIX.
// rand_s, the system's random source through the C library, is declared
// only when this is defined before the first system header.
#define _CRT_RAND_S
#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h names its own ReplaceFile function through a macro.
#undef ReplaceFile

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <locale>

#include "platform/windows_names.h"

#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif

namespace platform {

namespace {

// ---- Names and errors -------------------------------------------------------

// Converts a UTF-8 name to UTF-16. Bytes that are not valid UTF-8 (a name
// typed in an old code page, say) are read as code page 1252 instead, so
// every name converts to something.
std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  for (const UINT page : {static_cast<UINT>(CP_UTF8), 1252u}) {
    const DWORD flags = page == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int n = ::MultiByteToWideChar(page, flags, text.data(), size, nullptr, 0);
    if (n <= 0) continue;
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(page, flags, text.data(), size, &wide[0], n);
    return wide;
  }
  return std::wstring(text.begin(), text.end());
}

// The whole path `path` stands for (made absolute by the system), or an
// empty text when the system cannot make it.
std::wstring FullPath(const std::wstring& path) {
  const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::wstring();
  std::wstring full(size, L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
  if (length == 0 || length >= size) return std::wstring();
  full.resize(length);
  return full;
}

// The long form ("\\\\?\\C:\\...") of a whole path.
std::wstring WithLongPrefix(const std::wstring& full) {
  if (full.compare(0, 4, L"\\\\?\\") == 0) return full;
  if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// The long form of a path, which lifts the limit of 260 characters on a
// whole path: a folder deep in a user's profile plus a name of 255
// composed characters would pass it. Shorter paths stay as they are.
std::wstring LongForm(const std::wstring& path) {
  if (path.compare(0, 4, L"\\\\?\\") == 0) return path;
  const std::wstring full = FullPath(path);
  if (full.empty() || full.size() < MAX_PATH - 12) return path;
  return WithLongPrefix(full);
}

std::wstring SystemPath(const std::string& path) { return LongForm(Wide(path)); }

int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS: return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_CANNOT_MAKE: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_LOCK_VIOLATION:
    case ERROR_IO_PENDING: return EAGAIN;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NEGATIVE_SEEK: return EINVAL;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY: return ENOTEMPTY;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_INVALID_HANDLE: return EBADF;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA: return EPIPE;
    case ERROR_BUSY: return EBUSY;
    default: return EIO;
  }
}

Status LastError() { return Status::Error(ErrnoOf(::GetLastError())); }

HANDLE HandleOf(void* handle) { return static_cast<HANDLE>(handle); }

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// Every handle lets other openers read, write and delete (rename over) the
// file, as POSIX does: a paper can be replaced while a candidate reads it.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The lock is one byte far beyond any data: Windows' byte-range locks are
// mandatory, and a lock on the data itself would stop every other reader.
OVERLAPPED LockPosition() {
  OVERLAPPED at = {};
  at.Offset = 0x00000000;
  at.OffsetHigh = 0x7FFFFFFF;
  return at;
}

bool Seek(HANDLE h, LONGLONG offset, DWORD from, LONGLONG* result) {
  LARGE_INTEGER to, now;
  to.QuadPart = offset;
  if (!::SetFilePointerEx(h, to, &now, from)) return false;
  if (result) *result = now.QuadPart;
  return true;
}

// A single ReadFile or WriteFile takes a DWORD count.
DWORD Chunk(size_t n) { return n > 0x40000000u ? 0x40000000u : static_cast<DWORD>(n); }

}  // namespace

std::string Describe(int error) {
  // The texts of the GNU C library, so both builds describe a cause alike.
  switch (error) {
    case ENOENT: return "No such file or directory";
    case EACCES: return "Permission denied";
    case EROFS: return "Read-only file system";
    case EAGAIN: return "Resource temporarily unavailable";
    case ENOSPC: return "No space left on device";
    case EEXIST: return "File exists";
    case ENAMETOOLONG: return "File name too long";
    case EINVAL: return "Invalid argument";
    case ENOTDIR: return "Not a directory";
    case EISDIR: return "Is a directory";
    case ENOTEMPTY: return "Directory not empty";
    case EMFILE: return "Too many open files";
    case ENOMEM: return "Cannot allocate memory";
    case EBADF: return "Bad file descriptor";
    case EXDEV: return "Invalid cross-device link";
    case EPIPE: return "Broken pipe";
    case EBUSY: return "Device or resource busy";
    case ETIMEDOUT: return "Connection timed out";
    case EIO: return "Input/output error";
    default: return "Unknown error " + std::to_string(error);
  }
}

// ---- Files ------------------------------------------------------------------

Status File::Read(char* dst, size_t n, size_t* got) {
  *got = 0;
  DWORD done = 0;
  if (!::ReadFile(HandleOf(handle_), dst, Chunk(n), &done, nullptr)) {
    if (::GetLastError() == ERROR_HANDLE_EOF || ::GetLastError() == ERROR_BROKEN_PIPE) return Status::Ok();
    return LastError();
  }
  *got = done;
  return Status::Ok();
}

Status File::ReadAt(uint64_t offset, char* dst, size_t n, size_t* got) {
  *got = 0;
  const HANDLE h = HandleOf(handle_);
  // A read at an offset moves the file pointer on Windows; it is put back,
  // so that, as with pread, the position is not used.
  LONGLONG position = 0;
  if (!Seek(h, 0, FILE_CURRENT, &position)) return LastError();
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD done = 0;
  const BOOL read = ::ReadFile(h, dst, Chunk(n), &done, &at);
  const DWORD error = ::GetLastError();
  Seek(h, position, FILE_BEGIN, nullptr);
  if (!read) return error == ERROR_HANDLE_EOF ? Status::Ok() : Status::Error(ErrnoOf(error));
  *got = done;
  return Status::Ok();
}

Status File::Append(const char* data, size_t n, size_t* written) {
  const HANDLE h = HandleOf(handle_);
  size_t sent = 0;
  if (written) *written = 0;
  if (!Seek(h, 0, FILE_END, nullptr)) return LastError();
  while (sent < n) {
    DWORD done = 0;
    if (!::WriteFile(h, data + sent, Chunk(n - sent), &done, nullptr)) return LastError();
    if (done == 0) return Status::Error(ENOSPC);
    sent += done;
    if (written) *written = sent;
  }
  return Status::Ok();
}

Status File::Size(uint64_t* size) {
  LARGE_INTEGER bytes;
  if (!::GetFileSizeEx(HandleOf(handle_), &bytes)) return LastError();
  *size = static_cast<uint64_t>(bytes.QuadPart);
  return Status::Ok();
}

// Windows' own file systems answer with the size the file has; shares are
// left to their client's coherence.
Status File::SettledSize(uint64_t* size, size_t) { return Size(size); }

Status File::Truncate(uint64_t size) {
  const HANDLE h = HandleOf(handle_);
  LONGLONG position = 0;
  if (!Seek(h, 0, FILE_CURRENT, &position)) return LastError();
  if (!Seek(h, static_cast<LONGLONG>(size), FILE_BEGIN, nullptr)) return LastError();
  const Status status = ::SetEndOfFile(h) ? Status::Ok() : LastError();
  Seek(h, position, FILE_BEGIN, nullptr);
  return status;
}

Status File::Sync() {
  if (::FlushFileBuffers(HandleOf(handle_))) return Status::Ok();
  // A handle opened for reading cannot be flushed, and has written nothing.
  if (::GetLastError() == ERROR_ACCESS_DENIED) return Status::Ok();
  return LastError();
}

Status File::LockExclusive(int timeout_ms) {
  // Polled: LockFileEx waits without a bound otherwise, and a failed write
  // after the time-out is better than a hang.
  const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(timeout_ms < 0 ? 0 : timeout_ms);
  DWORD pause = 1;
  for (;;) {
    OVERLAPPED at = LockPosition();
    if (::LockFileEx(HandleOf(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
      return Status::Ok();
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) return Status::Error(ErrnoOf(error));
    if (::GetTickCount64() >= deadline) return Status::Error(ETIMEDOUT);
    ::Sleep(pause);
    if (pause < 32) pause *= 2;
  }
}

// Windows names no handle stale: a share answers with its own errors.
bool IsStale(const Status&) { return false; }

Status File::IsNamedBy(const std::string& path, bool* same) {
  *same = false;
  BY_HANDLE_FILE_INFORMATION mine, named;
  if (!::GetFileInformationByHandle(HandleOf(handle_), &mine)) return LastError();
  // No access is needed to learn which file a name stands for.
  const HANDLE h = ::CreateFileW(SystemPath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? Status::Ok() : LastError();
  }
  const BOOL got = ::GetFileInformationByHandle(h, &named);
  ::CloseHandle(h);
  if (!got) return LastError();
  *same = mine.dwVolumeSerialNumber == named.dwVolumeSerialNumber && mine.nFileIndexHigh == named.nFileIndexHigh &&
          mine.nFileIndexLow == named.nFileIndexLow;
  return Status::Ok();
}

Status File::Close() {
  if (handle_ == kClosed) return Status::Ok();
  const HANDLE h = HandleOf(handle_);
  handle_ = kClosed;
  // Windows frees the locks of a closed handle only some time later; they
  // are released at once (a handle holding none fails here harmlessly).
  OVERLAPPED at = LockPosition();
  ::UnlockFileEx(h, 0, 1, 0, &at);
  if (!::CloseHandle(h)) return LastError();
  return Status::Ok();
}

Status OpenFile(const std::string& path, int flags, File* file, bool* created) {
  file->Close();
  if (created) *created = false;
  const std::wstring name = SystemPath(path);
  const DWORD access = (flags & kReadWrite) ? (GENERIC_READ | GENERIC_WRITE)
                       : (flags & kRead)    ? GENERIC_READ
                                            : GENERIC_WRITE;
  const DWORD disposition = (flags & kCreate) ? OPEN_ALWAYS : OPEN_EXISTING;
  const HANDLE h = ::CreateFileW(name.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    // A directory cannot be opened as a file; POSIX names the cause.
    if (::GetLastError() == ERROR_ACCESS_DENIED && IsDirectory(name)) return Status::Error(EISDIR);
    return LastError();
  }
  if (created && (flags & kCreate)) *created = ::GetLastError() != ERROR_ALREADY_EXISTS;
  file->handle_ = h;
  return Status::Ok();
}

Status CreateExclusive(const std::string& path) {
  const HANDLE h = ::CreateFileW(SystemPath(path).c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastError();
  const Status flushed = ::FlushFileBuffers(h) ? Status::Ok() : LastError();
  ::CloseHandle(h);
  return flushed;
}

Status CreateTemporaryBeside(const std::string& target, File* file, std::string* temp_path) {
  file->Close();
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  static unsigned long long counter = 0;
  const std::string directory = DirectoryOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long mix = (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^ ::GetTickCount64() ^
                             (++counter * 0x9E3779B97F4A7C15ull);
    std::string name = directory + "/.quizmora-";
    for (int i = 0; i < 6; ++i, mix /= 62) name += kLetters[mix % 62];
    const HANDLE h = ::CreateFileW(SystemPath(name).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      file->handle_ = h;
      *temp_path = name;
      return Status::Ok();
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return Status::Error(ErrnoOf(error));
  }
  return Status::Error(EEXIST);
}

namespace {

// The layout of FILE_RENAME_INFO with its flags (older headers lack them).
struct RenameInformation {
  DWORD flags;
  HANDLE root;
  DWORD name_bytes;
  WCHAR name[1];
};
constexpr int kFileRenameInfoEx = 22;
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

// The rename of POSIX: the name passes to the new file at once even while
// others hold the old one open (a seat reading a paper, a lock on a data
// file), which a plain MoveFileExW refuses. Windows 10 (1607) and later.
bool RenameLikePosix(const std::wstring& from, const std::wstring& to) {
  // The new name goes to the system whole: always the long form.
  const std::wstring full = FullPath(to);
  if (full.empty()) return false;
  const std::wstring target = WithLongPrefix(full);
  const HANDLE source = ::CreateFileW(from.c_str(), DELETE | SYNCHRONIZE, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (source == INVALID_HANDLE_VALUE) return false;
  const size_t name_bytes = target.size() * sizeof(WCHAR);
  std::string buffer(offsetof(RenameInformation, name) + name_bytes + sizeof(WCHAR), '\0');
  RenameInformation* info = reinterpret_cast<RenameInformation*>(&buffer[0]);
  info->flags = kRenameReplaceIfExists | kRenamePosixSemantics;
  info->root = nullptr;
  info->name_bytes = static_cast<DWORD>(name_bytes);
  std::memcpy(info->name, target.c_str(), name_bytes);
  const BOOL renamed = ::SetFileInformationByHandle(source, static_cast<FILE_INFO_BY_HANDLE_CLASS>(kFileRenameInfoEx),
                                                    info, static_cast<DWORD>(buffer.size()));
  if (renamed) ::FlushFileBuffers(source);
  ::CloseHandle(source);
  return renamed != 0;
}

}  // namespace

Status ReplaceFile(const std::string& from, const std::string& to) {
  const std::wstring source = SystemPath(from);
  const std::wstring target = SystemPath(to);
  if (!IsDirectory(target) && RenameLikePosix(source, target)) return Status::Ok();
  // Older systems: a reader that holds the target open holds the rename
  // off; it is tried again for about a second.
  DWORD pause = 1;
  for (int attempt = 0;; ++attempt) {
    if (::MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return Status::Ok();
    }
    const DWORD error = ::GetLastError();
    if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || attempt >= 40 || IsDirectory(target)) {
      return Status::Error(ErrnoOf(error));
    }
    ::Sleep(pause);
    if (pause < 32) pause *= 2;
  }
}

// MOVEFILE_WRITE_THROUGH has made the rename durable already; Windows has
// no call to sync a directory.
Status SyncDirectoryOf(const std::string&) { return Status::Ok(); }

Status RemoveFile(const std::string& path) {
  if (!::DeleteFileW(SystemPath(path).c_str())) return LastError();
  return Status::Ok();
}

Status MakeDirectory(const std::string& path) {
  if (!::CreateDirectoryW(SystemPath(path).c_str(), nullptr)) return LastError();
  return Status::Ok();
}

bool PathExists(const std::string& path) {
  return ::GetFileAttributesW(SystemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WritableOrMissing(const std::string& path) {
  const std::wstring name = SystemPath(path);
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  const HANDLE probe =
      ::CreateFileW(name.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(probe);
  return true;
}

// ---- Console ----------------------------------------------------------------

namespace {

// What the program changed on the console, to be put back on every way out.
struct ConsoleState {
  HANDLE key_input = nullptr;  // the console a pause changed, if any
  DWORD saved_input_mode = 0;
  volatile LONG input_mode_changed = 0;
  bool output_prepared = false;
  DWORD saved_output_mode = 0;
  UINT saved_output_page = 0;
  bool sequences = false;  // the console understands ESC[H ESC[2J
  wchar_t pending_surrogate = 0;
};

ConsoleState console;

bool IsConsole(HANDLE h) {
  DWORD mode;
  return h != nullptr && h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode) != 0;
}

HANDLE HandleOfDescriptor(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

HANDLE StandardOutput() { return ::GetStdHandle(STD_OUTPUT_HANDLE); }

// Ctrl-C, Ctrl-Break and closing the window: the console is put back, then
// the default handling ends the program.
BOOL WINAPI OnConsoleControl(DWORD) {
  RestoreTerminal();
  return FALSE;
}

void RestoreAtExit() { RestoreTerminal(); }

// Switches the console input `h` from `mode` to `changed`, keeping `mode`
// for RestoreKeyInput to put back.
void ChangeInputMode(HANDLE h, DWORD mode, DWORD changed) {
  console.key_input = h;
  console.saved_input_mode = mode;
  ::InterlockedExchange(&console.input_mode_changed, 1);
  ::SetConsoleMode(h, changed);
}

// Puts back the input mode a pause or a hidden read changed (safe from the
// control handler's thread: only one of them does it).
void RestoreKeyInput() {
  if (::InterlockedExchange(&console.input_mode_changed, 0)) {
    ::SetConsoleMode(console.key_input, console.saved_input_mode);
  }
}

bool IsModifierKey(WORD key) {
  switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
    case VK_LWIN:
    case VK_RWIN:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU: return true;
    default: return false;
  }
}

// Reads a line typed on the console as UTF-16 and hands it on as UTF-8, so
// typed text is the same bytes as on a POSIX terminal whatever the
// console's code page. Ctrl-Z at the start of a line is the end of input.
long ReadConsoleText(HANDLE h, char* dst, size_t n) {
  // Each UTF-16 unit becomes at most 3 bytes of UTF-8.
  wchar_t wide[4096 + 1];
  size_t room = n / 3;
  if (room > 4096) room = 4096;
  if (room < 2) return -1;
  size_t have = 0;
  if (console.pending_surrogate) {
    wide[have++] = console.pending_surrogate;
    console.pending_surrogate = 0;
  }
  DWORD got = 0;
  for (int attempt = 0;; ++attempt) {
    if (::ReadConsoleW(h, wide + have, static_cast<DWORD>(room - have), &got, nullptr)) break;
    // Ctrl-C aborts the read while its handler ends the program.
    if (::GetLastError() != ERROR_OPERATION_ABORTED || attempt >= 200) return -1;
    ::Sleep(10);
  }
  if (got == 0 && have == 0) return 0;
  if (have == 0 && wide[0] == 0x1A) return 0;
  have += got;
  // Half of a surrogate pair waits for its other half.
  if (wide[have - 1] >= 0xD800 && wide[have - 1] <= 0xDBFF && have > 1) {
    console.pending_surrogate = wide[--have];
  }
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(have), dst, static_cast<int>(n), nullptr, nullptr);
  return bytes > 0 ? bytes : -1;
}

// The C library of MinGW prints a NaN without its sign, where the GNU C
// library prints "-nan": every stream of the program gets this printer of
// doubles, so a damaged score shows the same on both systems.
class SignedNanPut : public std::num_put<char> {
 protected:
  iter_type do_put(iter_type out, std::ios_base& stream, char fill, double value) const override {
    if (!std::isnan(value) || !std::signbit(value)) return std::num_put<char>::do_put(out, stream, fill, value);
    std::string text = (stream.flags() & std::ios_base::uppercase) ? "-NAN" : "-nan";
    const std::streamsize width = stream.width();
    stream.width(0);
    const size_t pad = width > static_cast<std::streamsize>(text.size()) ? static_cast<size_t>(width) - text.size() : 0;
    const std::ios_base::fmtflags adjust = stream.flags() & std::ios_base::adjustfield;
    if (adjust == std::ios_base::left)
      text.append(pad, fill);
    else if (adjust == std::ios_base::internal)
      text.insert(1, pad, fill);
    else
      text.insert(0, pad, fill);
    for (char c : text) *out++ = c;
    return out;
  }
};

}  // namespace

void PrepareConsole() {
  const std::locale numbers(std::locale(), new SignedNanPut);
  std::locale::global(numbers);
  std::cout.imbue(numbers);
  std::cerr.imbue(numbers);
  // No CR before each line end, on the way out or in.
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  const HANDLE out = StandardOutput();
  DWORD mode;
  if (out != INVALID_HANDLE_VALUE && ::GetConsoleMode(out, &mode)) {
    console.output_prepared = true;
    console.saved_output_mode = mode;
    console.saved_output_page = ::GetConsoleOutputCP();
    // The program's texts are UTF-8, as on a POSIX terminal.
    ::SetConsoleOutputCP(CP_UTF8);
    console.sequences = ::SetConsoleMode(out, mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
  }
  ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  std::atexit(RestoreAtExit);
}

bool InputIsTerminal(int fd) { return IsConsole(HandleOfDescriptor(fd)); }

bool StdoutIsTerminal() { return IsConsole(StandardOutput()); }

long ReadInput(int fd, char* dst, size_t n) {
  const HANDLE h = HandleOfDescriptor(fd);
  if (IsConsole(h)) return ReadConsoleText(h, dst, n);
  DWORD got = 0;
  if (!::ReadFile(h, dst, Chunk(n), &got, nullptr)) {
    const DWORD error = ::GetLastError();
    return (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) ? 0 : -1;
  }
  return static_cast<long>(got);
}

// Line input and echo off for one key press; processed input stays on, so
// Ctrl-C still reaches the handler that puts the mode back.
bool WaitForKey(int fd) {
  const HANDLE h = HandleOfDescriptor(fd);
  DWORD mode;
  if (!::GetConsoleMode(h, &mode)) return false;
  ChangeInputMode(h, mode, (mode & ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT)) | ENABLE_PROCESSED_INPUT);
  bool pressed = false;
  for (;;) {
    INPUT_RECORD event;
    DWORD got = 0;
    if (!::ReadConsoleInputW(h, &event, 1, &got) || got == 0) break;
    if (event.EventType != KEY_EVENT || !event.Event.KeyEvent.bKeyDown) continue;
    if (event.Event.KeyEvent.uChar.UnicodeChar == 0 && IsModifierKey(event.Event.KeyEvent.wVirtualKeyCode)) continue;
    pressed = true;
    break;
  }
  RestoreKeyInput();
  return pressed;
}

// Echo off for one line; line input and processed input stay on, so the
// line is edited as usual and Ctrl-C still reaches the handler that puts
// the mode back. The Enter is shown as a line end, as on a terminal.
HiddenLine ReadHiddenLine(const std::string& prompt, std::string* line) {
  line->clear();
  const HANDLE h = HandleOfDescriptor(kStandardInput);
  DWORD mode;
  if (!IsConsole(h) || !::GetConsoleMode(h, &mode)) return HiddenLine::kNoTerminal;
  std::fwrite(prompt.data(), 1, prompt.size(), stderr);
  std::fflush(stderr);
  ChangeInputMode(h, mode, (mode & ~ENABLE_ECHO_INPUT) | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT);
  HiddenLine outcome = HiddenLine::kEnded;
  char buffer[4096];
  for (;;) {
    const long n = ReadConsoleText(h, buffer, sizeof buffer);
    if (n <= 0) break;
    line->append(buffer, static_cast<size_t>(n));
    const size_t end = line->find('\n');
    if (end != std::string::npos) {
      line->resize(end > 0 && (*line)[end - 1] == '\r' ? end - 1 : end);
      outcome = HiddenLine::kRead;
      break;
    }
  }
  RestoreKeyInput();
  const HANDLE screen = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  if (outcome == HiddenLine::kRead && screen != INVALID_HANDLE_VALUE) {
    DWORD written;
    ::WriteConsoleW(screen, L"\r\n", 2, &written, nullptr);
  }
  if (screen != INVALID_HANDLE_VALUE) ::CloseHandle(screen);
  return outcome;
}

void DiscardTypeAhead(int fd) {
  const HANDLE h = HandleOfDescriptor(fd);
  if (IsConsole(h)) ::FlushConsoleInputBuffer(h);
}

void ClearTerminal() {
  if (console.sequences) {
    std::cout << "\x1b[H\x1b[2J";
    return;
  }
  // An older console without control sequences: blank every cell of the
  // buffer with the current colours and put the cursor home.
  const HANDLE out = StandardOutput();
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!::GetConsoleScreenBufferInfo(out, &info)) return;
  const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
  const COORD home = {0, 0};
  DWORD done;
  ::FillConsoleOutputCharacterW(out, L' ', cells, home, &done);
  ::FillConsoleOutputAttribute(out, info.wAttributes, cells, home, &done);
  ::SetConsoleCursorPosition(out, home);
}

void RestoreTerminal() {
  RestoreKeyInput();
  if (console.output_prepared) {
    console.output_prepared = false;
    const HANDLE out = StandardOutput();
    ::SetConsoleMode(out, console.saved_output_mode);
    ::SetConsoleOutputCP(console.saved_output_page);
  }
}

// ---- Clock ------------------------------------------------------------------

long long SteadyMilliseconds() {
  static const long long frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<long long>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  const long long ticks = now.QuadPart;
  return ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
}

uint64_t SystemRandom64() {
  unsigned int high = 0, low = 0;
  if (rand_s(&high) == 0 && rand_s(&low) == 0) return static_cast<uint64_t>(high) << 32 | low;
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart) * 0x9E3779B97F4A7C15ull ^ ::GetCurrentProcessId();
}

std::tm LocalTimeNow() {
  const __time64_t now = ::_time64(nullptr);
  std::tm local{};
  ::_localtime64_s(&local, &now);
  return local;
}

// ---- Names ------------------------------------------------------------------

void MakeNameSafeForSystem(std::string* name) { *name = WindowsSafeName(*name); }

}  // namespace platform
