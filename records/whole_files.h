#ifndef QUIZMORA_RECORDS_WHOLE_FILES_H_
#define QUIZMORA_RECORDS_WHOLE_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "records/store.h"

// Whole-file work of the store, for the companion tool: content replaced a
// piece at a time, copies into a backup folder, and the list of a folder's
// files. Failures come back as StoreStatus values, as everywhere in the
// store.

// A file replaced whole by content made a piece at a time, so memory stays
// constant however large the file grows: the pieces go to a new file beside
// the target, which Commit syncs, renames over the target and makes durable
// with its folder. A reader sees the old or the new file, whole. Destroyed
// without a successful Commit, it removes the new file and leaves the
// target as it was.
class FileRewrite {
 public:
  FileRewrite() = default;
  FileRewrite(const FileRewrite&) = delete;
  FileRewrite& operator=(const FileRewrite&) = delete;
  ~FileRewrite();

  // Checks that `path` may be replaced (a directory of that name may not)
  // and creates the new file beside it.
  StoreStatus Begin(const std::string& path);
  // Adds `bytes` to the new content.
  StoreStatus Write(const std::string& bytes);
  // Puts the new content in place.
  StoreStatus Commit();

 private:
  void Abandon();

  std::string path_;
  std::string temp_path_;
  platform::File temp_;
  StoreStatus failed_;
};

// Puts into *names the names of the plain files in the folder `dir`, sorted
// byte by byte.
StoreStatus ListDataFolder(const std::string& dir, std::vector<std::string>* names);

// Creates the folder `path`; the error is EEXIST when it is already there.
StoreStatus MakeDataFolder(const std::string& path);

// Copies the whole content of the open `from` (read from offset 0, whatever
// its position) into the new file `to`, which must not exist yet; synced,
// with its folder, before it returns ok. On failure `to` is removed.
StoreStatus CopyToNewFile(platform::File& from, const std::string& to);

#endif  // QUIZMORA_RECORDS_WHOLE_FILES_H_
