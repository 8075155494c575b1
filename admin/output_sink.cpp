#include "admin/output_sink.h"

#include <cerrno>
#include <cstdio>

namespace {

constexpr size_t kPiece = 1 << 16;

}  // namespace

StoreStatus OutputSink::Open(const std::string& path) {
  toFile_ = !path.empty();
  if (!toFile_) return failed_;
  name_ = path;
  failed_ = file_.Begin(path);
  return failed_;
}

void OutputSink::Write(const std::string& bytes) {
  pending_ += bytes;
  if (pending_.size() >= kPiece) Flush();
}

void OutputSink::Flush() {
  if (failed_.ok() && !pending_.empty()) {
    if (toFile_) {
      failed_ = file_.Write(pending_);
    } else if (std::fwrite(pending_.data(), 1, pending_.size(), stdout) != pending_.size()) {
      failed_ = StoreStatus{StoreStep::kWrite, errno ? errno : EIO};
    }
  }
  pending_.clear();
}

StoreStatus OutputSink::Finish() {
  Flush();
  if (!failed_.ok()) return failed_;
  if (toFile_) return failed_ = file_.Commit("");
  if (std::fflush(stdout) != 0) failed_ = StoreStatus{StoreStep::kWrite, errno ? errno : EIO};
  return failed_;
}
