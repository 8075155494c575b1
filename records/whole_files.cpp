#include "records/whole_files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

using platform::File;
using platform::Status;

StoreStatus ReadWholeFile(const std::string& path, std::string* bytes) {
  bytes->clear();
  File file;
  Status step = platform::OpenFile(path, platform::kRead, &file, nullptr);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kOpen, step);
  char buffer[1 << 16];
  for (;;) {
    size_t got = 0;
    step = file.Read(buffer, sizeof buffer, &got);
    if (!step.ok()) return StoreStatus::Failure(StoreStep::kRead, step);
    if (got == 0) return StoreStatus{};
    bytes->append(buffer, got);
  }
}

StoreStatus DataFileSize(const std::string& path, uint64_t* size) {
  *size = 0;
  File file;
  Status step = platform::OpenFile(path, platform::kRead, &file, nullptr);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kOpen, step);
  if (!(step = file.Size(size)).ok()) return StoreStatus::Failure(StoreStep::kRead, step);
  return StoreStatus{};
}

namespace {

// The names of the entries of `dir` that are folders (or, when not
// `folders`, plain files), sorted byte by byte.
StoreStatus ListEntries(const std::string& dir, bool folders, std::vector<std::string>* names) {
  names->clear();
  std::error_code error;
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    std::error_code kind;
    if (folders ? it->is_directory(kind) : it->is_regular_file(kind)) {
      names->push_back(it->path().filename().string());
    }
  }
  if (error) return StoreStatus{StoreStep::kRead, error.value()};
  std::sort(names->begin(), names->end());
  return StoreStatus{};
}

}  // namespace

StoreStatus ListDataFolder(const std::string& dir, std::vector<std::string>* names) {
  return ListEntries(dir, false, names);
}

StoreStatus ListSubfolders(const std::string& dir, std::vector<std::string>* names) {
  return ListEntries(dir, true, names);
}

StoreStatus MakeDataFolder(const std::string& path) {
  const Status made = platform::MakeDirectory(path);
  if (!made.ok()) return StoreStatus::Failure(StoreStep::kOpen, made);
  // The new folder's name must reach the disk before files are copied in.
  const Status synced = platform::SyncDirectoryOf(path);
  if (!synced.ok()) return StoreStatus::Failure(StoreStep::kSync, synced);
  return StoreStatus{};
}

StoreStatus CopyToNewFile(File& from, const std::string& to) {
  if (platform::PathExists(to)) return StoreStatus{StoreStep::kOpen, EEXIST};
  File copy;
  Status step = platform::OpenFile(to, platform::kReadWrite | platform::kCreate, &copy, nullptr);
  if (!step.ok()) return StoreStatus::Failure(StoreStep::kOpen, step);
  StoreStatus status;
  std::vector<char> buffer(1 << 16);
  for (uint64_t offset = 0;;) {
    size_t got = 0;
    step = from.ReadAt(offset, buffer.data(), buffer.size(), &got);
    if (!step.ok()) status = StoreStatus::Failure(StoreStep::kRead, step);
    if (!status.ok() || got == 0) break;
    step = copy.Append(buffer.data(), got);
    if (!step.ok()) {
      status = StoreStatus::Failure(StoreStep::kWrite, step);
      break;
    }
    offset += got;
  }
  if (status.ok() && !(step = copy.Sync()).ok()) status = StoreStatus::Failure(StoreStep::kSync, step);
  if (status.ok() && !(step = platform::SyncDirectoryOf(to)).ok())
    status = StoreStatus::Failure(StoreStep::kSync, step);
  copy.Close();
  if (!status.ok()) platform::RemoveFile(to);
  return status;
}
