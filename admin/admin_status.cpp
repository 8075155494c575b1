#include "admin/admin_status.h"

#include <cstdio>

#include "platform/platform.h"

void Complain(const std::string& message) {
  // One write for the whole line, so lines of two runs never mix.
  const std::string line = "quizmora-admin: " + message + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string DescribeFailure(const StoreStatus& status, const std::string& file) {
  const char* action = "cannot open ";
  switch (status.failed) {
    case StoreStep::kNone:
    case StoreStep::kOpen: break;
    case StoreStep::kLock: action = "cannot lock "; break;
    case StoreStep::kRead: action = "cannot read "; break;
    case StoreStep::kWrite: action = "cannot write "; break;
    case StoreStep::kSync: action = "cannot save to disk "; break;
    case StoreStep::kReplace: action = "cannot replace "; break;
  }
  return action + file + ": " + platform::Describe(status.error);
}
