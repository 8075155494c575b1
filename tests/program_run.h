#ifndef QUIZMORA_TESTS_PROGRAM_RUN_H_
#define QUIZMORA_TESTS_PROGRAM_RUN_H_

#include <string>
#include <vector>

#include "tests/scratch_dir.h"

// What one run of the built program did.
struct ProgramRun {
  std::string out;        // everything written to standard output
  std::string err;        // everything written to standard error
  int status = -1;        // exit status, or -1 when it did not exit normally
  int signal = 0;         // the signal that ended it, if any
  bool timedOut = false;  // killed after the time limit
};

// How a run's process is set up beyond its input.
struct RunSetup {
  long long fileSizeLimit = -1;          // RLIMIT_FSIZE in bytes (SIGXFSZ ignored), -1 for none
  std::vector<std::string> environment;  // NAME=VALUE entries added to the environment
  const char* program = nullptr;         // another program to run (default: the built quizmora)
  std::vector<std::string> arguments;    // its arguments
};

// Runs the built program in `dir` with `input` as its whole standard input
// (a pipe, so the program sees scripted use) and waits for it to end.
ProgramRun runProgram(const ScratchDir& dir, const std::string& input, double timeoutSeconds = 30,
                      const RunSetup& setup = RunSetup());

// Runs the built quizmora-admin in `dir` with `arguments`, `input` as its
// standard input, and waits (60 s at most) for it to end.
ProgramRun runAdmin(const ScratchDir& dir, const std::vector<std::string>& arguments, const std::string& input = "");

// Returns how many times `part` occurs in `text`.
size_t occurrences(const std::string& text, const std::string& part);

// Seconds of a monotonic clock, for time limits of tests.
double monotonicSeconds();

// Returns the path of the built program.
const char* programPath();

#endif  // QUIZMORA_TESTS_PROGRAM_RUN_H_
