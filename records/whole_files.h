#ifndef QUIZMORA_RECORDS_WHOLE_FILES_H_
#define QUIZMORA_RECORDS_WHOLE_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "records/store.h"

// Whole-file work of the store, for the companion tool: data files scanned
// raw, text files read whole, copies into a backup folder and the list of a
// folder's files. Failures come back as StoreStatus values, as everywhere in
// the store.

// Hands each whole record of `path` (`record_size` bytes, undecoded, valid
// only during the call) with its number from 1 to visit(number, bytes), in
// file order, a buffer at a time. A missing file is an open failure
// (ENOENT). *tail (when not null) receives the bytes after the last whole
// record. For readers of damaged files, which must see the bytes as stored.
template <class Visit>
StoreStatus ScanRecordBytes(const std::string& path, size_t record_size, uint64_t* tail, Visit visit) {
  RecordReader reader(record_size);
  bool created = false;
  StoreStatus status = reader.Open(path, WhenMissing::kFail, &created);
  const char* bytes = nullptr;
  long number = 0;
  while (status.ok() && reader.Next(&bytes)) visit(++number, bytes);
  if (status.ok()) status = reader.status();
  if (tail) *tail = reader.leftover();
  return status;
}

// Reads the whole of the file `path` into *bytes (for the text files the
// tool imports; data files are read a record at a time).
StoreStatus ReadWholeFile(const std::string& path, std::string* bytes);

// Puts the size of the file `path` in bytes into *size; the error is ENOENT
// when it does not exist.
StoreStatus DataFileSize(const std::string& path, uint64_t* size);

// Puts into *names the names of the plain files in the folder `dir`, sorted
// byte by byte.
StoreStatus ListDataFolder(const std::string& dir, std::vector<std::string>* names);

// Puts into *names the names of the folders in the folder `dir`, sorted
// byte by byte.
StoreStatus ListSubfolders(const std::string& dir, std::vector<std::string>* names);

// Creates the folder `path`; the error is EEXIST when it is already there.
StoreStatus MakeDataFolder(const std::string& path);

// Copies the whole content of the open `from` (read from offset 0, whatever
// its position) into the new file `to`, which must not exist yet; synced,
// with its folder, before it returns ok. On failure `to` is removed.
StoreStatus CopyToNewFile(platform::File& from, const std::string& to);

#endif  // QUIZMORA_RECORDS_WHOLE_FILES_H_
