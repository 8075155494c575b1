#ifndef QUIZMORA_RECORDS_STORE_H_
#define QUIZMORA_RECORDS_STORE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/platform.h"

// The data store: every open, load, append, replace and lock of a data file
// goes through here. Nothing is printed; each operation answers with a
// StoreStatus saying which step failed and why (errno), and each screen
// prints its own message from that.
//
// Several programs may share one folder. Every writer holds an exclusive
// lock on the file it changes (on the library, for a publication) for as
// long as the write takes, waiting at most kLockTimeoutMs for it. Records
// are whole, always: an append first moves a partial tail left by a crash
// into FILE.partial, and an append that fails at any step is cut back to
// the size the file had before it.

// How long a writer waits for another seat's lock before giving up.
constexpr int kLockTimeoutMs = 10000;

// The step of an operation that failed.
enum class StoreStep {
  kNone,     // nothing failed
  kOpen,     // the file could not be opened or created
  kLock,     // its lock could not be had in time
  kRead,     // reading it failed (not its end: an error)
  kWrite,    // writing failed, or wrote less than asked
  kSync,     // forcing it (or its directory) to stable storage failed
  kReplace,  // renaming the new file over the old one failed
};

struct StoreStatus {
  StoreStep failed = StoreStep::kNone;
  int error = 0;  // errno value of the cause
  bool ok() const { return failed == StoreStep::kNone; }
  bool openFailed() const { return failed == StoreStep::kOpen; }
  static StoreStatus Failure(StoreStep step, const platform::Status& cause) { return StoreStatus{step, cause.error}; }
};

// ---- Loading --------------------------------------------------------------

// What to do when a file to load is missing.
enum class WhenMissing {
  kFail,    // an open failure (ENOENT)
  kCreate,  // create it empty (never truncating) and load nothing; a file
            // that exists but cannot be opened counts as just created
};

// The outcome of a scan or a load.
struct LoadResult {
  StoreStatus status;    // a read failure is kRead: never taken for the end
  bool created = false;  // the file was missing and has been created empty
  bool opened = false;   // the file was open for reading (false after a
                         // creation that still left it unreadable)
  size_t records = 0;    // whole records handed over
  uint64_t tail = 0;     // after a scan to the end: the bytes after the last
                         // whole record (a partial tail), 0 on a boundary
  // True when the file could be read (to its end or to the limit).
  bool readable() const { return status.ok() && opened; }
};

// Reads the whole records of size `record_size` of one file in order, a
// buffer at a time. A partial last record is the normal end of the file.
class RecordReader {
 public:
  explicit RecordReader(size_t record_size) : record_size_(record_size) {}

  // Opens `path` for reading. With kCreate, a file that cannot be opened is
  // made to exist (never truncated) and *created is set; when it still
  // cannot be read, the status is ok but is_open() is false and there are
  // no records.
  StoreStatus Open(const std::string& path, WhenMissing missing, bool* created);
  bool is_open() const { return file_.is_open(); }
  // Points *record at the next whole record's bytes (valid until the next
  // call). Returns false at the end of the data or on a read error, which
  // status() then tells apart.
  bool Next(const char** record);
  const StoreStatus& status() const { return status_; }
  // After Next has returned false with an ok status: the bytes after the
  // last whole record (a partial tail), 0 when the file ends on a boundary.
  size_t leftover() const { return len_ - pos_; }

 private:
  bool Refill();

  size_t record_size_;
  platform::File file_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t len_ = 0;
  bool end_ = false;
  StoreStatus status_;
};

// The one way a data file is read. Hands each whole record of `path`
// (`record_size` bytes, undecoded, valid only during the call) with its
// number from 1 to visit(number, bytes), in file order, until the data
// ends, `limit` records were handed over, or `visit` returns false (a
// `visit` that returns nothing sees every record up to the limit). Memory
// stays constant whatever the file's size. The status tells a read error
// (kRead) from the end of the file, which is never an error.
template <class Visit>
LoadResult ScanRecords(const std::string& path, size_t record_size, WhenMissing missing, size_t limit, Visit visit) {
  LoadResult result;
  RecordReader reader(record_size);
  result.status = reader.Open(path, missing, &result.created);
  result.opened = reader.is_open();
  if (!result.status.ok()) return result;
  const char* bytes = nullptr;
  while (result.records < limit && reader.Next(&bytes)) {
    ++result.records;
    if constexpr (std::is_void_v<decltype(visit(result.records, bytes))>) {
      visit(result.records, bytes);
    } else if (!visit(result.records, bytes)) {
      break;
    }
  }
  result.status = reader.status();
  result.tail = reader.leftover();
  return result;
}

// ScanRecords with each record decoded as Record (of its kRecordSize) and
// handed to visit(record).
template <class Record, class Visit>
LoadResult ScanFile(const std::string& path, WhenMissing missing, size_t limit, Visit visit) {
  Record record;
  return ScanRecords(path, Record::kRecordSize, missing, limit, [&](size_t, const char* bytes) {
    record.DecodeFrom(bytes);
    return visit(record);
  });
}

// Loads at most `capacity` whole records of `path` into *table (cleared
// first); the table grows only with records really read.
template <class Record>
LoadResult LoadFile(const std::string& path, WhenMissing missing, size_t capacity, std::vector<Record>* table) {
  table->clear();
  return ScanFile<Record>(path, missing, capacity, [table](const Record& r) {
    table->push_back(r);
    return true;
  });
}

// ---- Appending ------------------------------------------------------------

// Decides, under the file's lock, whether the record about to be appended
// clashes with one already there (a registered ID, say). Gets each whole
// record's bytes; returns true on a clash, which stops the scan.
using ClashCheck = std::function<bool(const char* record)>;

// Appends `bytes` (whole records of `record_size`) to `path`, creating it
// when missing, under its lock; synced (with its directory when it was
// created) before it returns ok. When `clash` is given and finds a clash,
// nothing is appended, *clashed is set and the status is ok.
StoreStatus AppendRecords(const std::string& path, const std::string& bytes, size_t record_size,
                          const ClashCheck& clash = nullptr, bool* clashed = nullptr);

// The encoded bytes of one record.
template <class Record>
std::string EncodeRecord(const Record& record) {
  std::string bytes(Record::kRecordSize, '\0');
  record.EncodeTo(&bytes[0]);
  return bytes;
}

// ---- Replacing ------------------------------------------------------------

// The outcome of a publication: the question file's replacement, then the
// header's append.
struct PublishResult {
  StoreStatus questions;
  StoreStatus header;
  bool ok() const { return questions.ok() && header.ok(); }
};

// Publishes a paper: holding the library's lock across both steps, writes
// `question_bytes` to a new file beside `question_file`, syncs it and renames
// it over the old one, then appends `header_bytes` to `library`. When the
// question file fails, the header is not appended (and a library created
// for the lock is removed again). When the library cannot be opened, the
// question file is still replaced and the header fails; when its lock
// cannot be had in time, nothing is written and that is the header's
// failure.
PublishResult PublishPaper(const std::string& library, const std::string& question_file,
                           const std::string& question_bytes, const std::string& header_bytes);

// A whole-file replacement in two steps, so a caller can find out that the
// file cannot be written before it does the work of making its content.
// The new content is written beside the file, synced, renamed over it and
// the directory synced: a reader sees the old or the new file, whole.
class Replacement {
 public:
  Replacement() = default;
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;
  // Removes the file begun beside the target unless Commit succeeded.
  ~Replacement();

  // Checks that `path` may be replaced and creates the file beside it.
  StoreStatus Begin(const std::string& path);
  // Adds `bytes` to the new content, for content made a piece at a time
  // (memory then stays constant however large the file grows).
  StoreStatus Write(const std::string& bytes);
  // Writes `bytes` as the (rest of the) new content and puts it in place.
  StoreStatus Commit(const std::string& bytes);

 private:
  void Abandon();

  std::string path_;
  std::string temp_path_;
  platform::File temp_;
};

// Begin and Commit in one.
StoreStatus ReplaceFileWith(const std::string& path, const std::string& bytes);

// True when `path` names an existing file (or directory).
bool DataFileExists(const std::string& path);

// ---- Locks held by a caller ------------------------------------------------

// An exclusive lock on a data file, held from a successful Lock until the
// object is destroyed. For callers that change a file in several steps (a
// repair); single appends and publications lock by themselves.
class FileLock {
 public:
  // Opens (creating when `create`) and locks `path`.
  StoreStatus Lock(const std::string& path, bool create);
  platform::File& file() { return file_; }

 private:
  platform::File file_;
};

// ---- A file one seat holds ------------------------------------------------

// A small file that one seat keeps locked while it lives and rewrites whole
// at every change (a running attempt's journal). At any instant, after a
// crash or a power loss too, the name holds one whole version: each new
// version is written beside it, synced, locked and renamed over it, and
// only then is the old version's lock released, so the holder always
// holds the lock of the file the name gives.
class HeldFile {
 public:
  HeldFile() = default;
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  // Takes the lock of the existing file `path` without waiting. Fails with
  // kOpen (ENOENT when it is missing) or kLock when another holder has it.
  StoreStatus Hold(const std::string& path);
  // Puts the whole content of the held file into *bytes.
  StoreStatus Read(std::string* bytes);
  // Makes `bytes` the whole content of `path` (created when missing) and
  // holds it. On failure the name keeps the version it had.
  StoreStatus Replace(const std::string& path, const std::string& bytes);
  // Removes the held file and releases its lock.
  StoreStatus Remove();
  // Releases the lock, leaving the file as it is.
  void Release();
  bool held() const { return file_.is_open(); }

 private:
  std::string path_;
  platform::File file_;
};

// Sets *busy to whether another holder keeps the lock of `path` (an
// existing file) right now; nothing is waited for and nothing kept.
StoreStatus ProbeHeld(const std::string& path, bool* busy);

// ---- Partial tails ---------------------------------------------------------

// Returns the name that keeps the bytes cut from the end of `path`.
std::string PartialTailName(const std::string& path);

// Cuts `file` (already locked) back to its last whole record of
// `record_size`, first appending the cut bytes to PartialTailName(path).
// *cut (when not null) receives the number of bytes moved.
StoreStatus CutPartialTail(platform::File& file, const std::string& path, size_t record_size, uint64_t* cut = nullptr);

// Test seam: when set, every data write the store makes goes through
// `write` instead of the file's own Append (for injected short writes).
using AppendHook = std::function<platform::Status(platform::File&, const char*, size_t)>;
void SetAppendHookForTesting(AppendHook hook);

#endif  // QUIZMORA_RECORDS_STORE_H_
