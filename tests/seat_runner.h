#ifndef QUIZMORA_TESTS_SEAT_RUNNER_H_
#define QUIZMORA_TESTS_SEAT_RUNNER_H_

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// Several copies of the built program at once, each driven by what appears
// on its screen: a school lab in one process, for the tests of seats that
// share a data folder.

// One thing a seat waits to see on its screen before it types `reply`. With
// `barrier`, every seat's barrier step must have been seen before any of
// them types. `reply` gets the index of the text of `expect` that was seen.
struct Step {
  std::vector<std::string> expect;  // empty: type at once
  std::function<std::string(size_t)> reply;
  bool barrier = false;
  double pause = 0;  // seconds after the seat's previous step (or start)
                     // before `reply` is typed: a person's pace
};

// A running copy of the program, driven by its screen.
struct Seat {
  std::vector<Step> steps;
  std::string dir;  // its data folder (empty: the one given to runSeats)
  pid_t pid = -1;
  int in = -1, out = -1, err = -1;
  std::string screen, errors;
  size_t seen = 0;  // screen text already matched
  size_t step = 0;
  bool waiting = false;  // the barrier step's text was seen
  double typed = 0;      // when its last step was typed (or it started)
  int status = -1;
};

// Runs every seat to its end (in `dir` unless it names its own folder), one
// thread polling them all; seats still running after `timeoutSeconds` are
// killed and the test fails.
void runSeats(std::vector<Seat>& seats, const std::string& dir, double timeoutSeconds = 120);

// A step that types `text` at once.
Step typeAtOnce(const std::string& text);

// Steps that type `text` one line at a time, `pause` seconds apart.
std::vector<Step> typeLineByLine(const std::string& text, double pause);

#endif  // QUIZMORA_TESTS_SEAT_RUNNER_H_
