#ifndef QUIZMORA_TESTS_CONSOLE_CAPTURE_H_
#define QUIZMORA_TESTS_CONSOLE_CAPTURE_H_

#include <iostream>
#include <sstream>
#include <string>

// Feeds `input` to the console layer as scripted input and captures what is
// written to standard output and standard error, for in-process tests of a
// screen. Restores both streams when it goes out of scope.
class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& input);
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  std::string out() const { return out_.str(); }
  std::string err() const { return err_.str(); }

 private:
  std::ostringstream out_;
  std::ostringstream err_;
  std::streambuf* old_out_;
  std::streambuf* old_err_;
  std::ios::fmtflags old_flags_;
  std::streamsize old_precision_;
  int read_fd_ = -1;
};

#endif  // QUIZMORA_TESTS_CONSOLE_CAPTURE_H_
