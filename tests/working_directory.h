#ifndef QUIZMORA_TESTS_WORKING_DIRECTORY_H_
#define QUIZMORA_TESTS_WORKING_DIRECTORY_H_

#include <unistd.h>

#include <string>

#include "tests/scratch_dir.h"

// Makes `dir` the working directory for the lifetime of the object, for
// in-process tests of code that opens the data files by their plain names.
// The previous working directory is restored afterwards.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const ScratchDir& dir) {
    char buf[4096];
    if (::getcwd(buf, sizeof buf)) previous_ = buf;
    ok_ = ::chdir(dir.path().c_str()) == 0;
  }
  ~WorkingDirectory() {
    if (!previous_.empty() && ::chdir(previous_.c_str()) != 0) ok_ = false;
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  // Returns true when the change of directory succeeded.
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

#endif  // QUIZMORA_TESTS_WORKING_DIRECTORY_H_
