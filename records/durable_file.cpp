#include "records/durable_file.h"

DurableFile::~DurableFile() { Abandon(); }

bool DurableFile::Open(const char* path, Mode mode) {
  Abandon();
  path_ = path;
  mode_ = mode;
  failed_ = false;
  if (mode == kAppend) {
    return platform::OpenFile(path_, platform::kReadWrite | platform::kCreate, &file_, nullptr).ok();
  }
  // The target itself must be writable (a directory of that name, say, is
  // not), checked without touching what it holds.
  if (!platform::WritableOrMissing(path_)) return false;
  if (!platform::CreateTemporaryBeside(path_, &file_, &temp_path_).ok()) {
    temp_path_.clear();
    return false;
  }
  return true;
}

bool DurableFile::Write(const std::string& bytes) {
  if (!file_.is_open() || failed_) return false;
  if (!file_.Append(bytes.data(), bytes.size()).ok()) failed_ = true;
  return !failed_;
}

bool DurableFile::Commit() {
  if (!file_.is_open()) return false;
  bool ok = !failed_ && file_.Sync().ok();
  ok = file_.Close().ok() && ok;
  if (mode_ == kReplace) {
    ok = ok && platform::ReplaceFile(temp_path_, path_).ok();
    if (!ok) platform::RemoveFile(temp_path_);
    temp_path_.clear();
    ok = ok && platform::SyncDirectoryOf(path_).ok();
  }
  return ok;
}

void DurableFile::Abandon() {
  file_.Close();
  if (!temp_path_.empty()) platform::RemoveFile(temp_path_);
  temp_path_.clear();
}

bool AppendRecordBytes(const char* path, const std::string& bytes, bool* opened) {
  DurableFile file;
  const bool open = file.Open(path, DurableFile::kAppend);
  if (opened) *opened = open;
  return open && file.Write(bytes) && file.Commit();
}
