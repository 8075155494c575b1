#ifndef QUIZMORA_RECORDS_WHOLE_FILES_H_
#define QUIZMORA_RECORDS_WHOLE_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "records/store.h"

// Whole-file work of the store, for the companion tool: text files read whole, copies into a backup folder and the list
// of a folder's files. Failures come back as StoreStatus values, as everywhere in the store.

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
