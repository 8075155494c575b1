#ifndef QUIZMORA_RECORDS_DURABLE_FILE_H_
#define QUIZMORA_RECORDS_DURABLE_FILE_H_

#include <string>

#include "platform/platform.h"

// Writes a data file so that what the screen reports as saved survives a
// crash or a power loss.
//
// kAppend adds to the end of the file (created when missing); every Write is
// a single write of whole records, so a crash can never leave half a
// record behind the last whole one.
// kReplace writes a temporary file beside the target; Commit renames it over
// the target, so the old file stays whole until the new one is complete.
//
// Commit syncs the data (and, after a rename, the directory) to stable
// storage. A writer destroyed without a successful Commit removes its
// temporary file; appended bytes already written stay.
class DurableFile {
 public:
  enum Mode { kAppend, kReplace };

  DurableFile() = default;
  DurableFile(const DurableFile&) = delete;
  DurableFile& operator=(const DurableFile&) = delete;
  ~DurableFile();

  // Returns false when the file (or the temporary file) cannot be opened.
  bool Open(const char* path, Mode mode);
  // Writes all of `bytes`; returns false (and remembers the failure) on error.
  bool Write(const std::string& bytes);
  // Returns true only when the file was open, every Write succeeded, and the
  // data is on stable storage (and in place, for kReplace).
  bool Commit();

 private:
  void Abandon();

  platform::File file_;
  Mode mode_ = kAppend;
  bool failed_ = false;
  std::string path_;
  std::string temp_path_;
};

// Appends one record (its encoded bytes) durably. Returns true when the
// bytes are on stable storage; `opened` tells whether the open succeeded.
bool AppendRecordBytes(const char* path, const std::string& bytes, bool* opened);

#endif  // QUIZMORA_RECORDS_DURABLE_FILE_H_
