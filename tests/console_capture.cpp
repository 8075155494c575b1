#include "tests/console_capture.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include "console/console_io.h"

ConsoleCapture::ConsoleCapture(const std::string& input)
    : old_out_(std::cout.rdbuf(out_.rdbuf())),
      old_err_(std::cerr.rdbuf(err_.rdbuf())),
      old_flags_(std::cout.flags()),
      old_precision_(std::cout.precision()) {
  // The input goes through a real file so the console layer reads it with
  // read(2) exactly as it reads a pipe.
  FILE* f = tmpfile();
  fwrite(input.data(), 1, input.size(), f);
  fflush(f);
  read_fd_ = dup(fileno(f));
  fclose(f);
  lseek(read_fd_, 0, SEEK_SET);
  setConsoleInputForTesting(read_fd_, false);
}

ConsoleCapture::~ConsoleCapture() {
  std::cout.rdbuf(old_out_);
  std::cerr.rdbuf(old_err_);
  std::cout.flags(old_flags_);
  std::cout.precision(old_precision_);
  setConsoleInputForTesting(STDIN_FILENO, false);
  if (read_fd_ >= 0) close(read_fd_);
}
