// The Score Board in-process: the count it keeps for main, and a result saved
// while the view is open.

#include "scoreboard/score_board_menus.h"

#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "console/console_io.h"
#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

const Attempt kBiology{"Cy Dee", "C3", "Biology", 12.5, "14:2:9", 33};

void writeTwoAttempts(const ScratchDir& dir) {
  dir.write(CandiDatefilex, resultBytes({kMaths, kPhysics}));
  dir.write(kAnnResults, resultBytes({kMaths, kPhysics}));
}

}  // namespace

TEST(ScoreBoardView, CountIsKeptInTheCallersVariable) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  int total = 0;
  ConsoleCapture console("u\n");
  scoreBoardArea(total);
  EXPECT_EQ(total, 2);
}

// The view reads its input from a pipe; a third result is appended only after
// the view has taken the first answers (so after its first list), and the
// next P must show it.
TEST(ScoreBoardView, PreviousMenuShowsAResultSavedMeanwhile) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  writeTwoAttempts(dir);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ConsoleCapture console("");
  setConsoleInputForTesting(fds[0], false);
  std::thread typist([&] {
    const std::string first = "v\n1\n";
    if (::write(fds[1], first.data(), first.size()) < 0) return;
    int pending = 1;
    while (pending > 0 && ::ioctl(fds[0], FIONREAD, &pending) == 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    dir.append(CandiDatefilex, resultBytes({kBiology}));
    const std::string rest = "p\nu\n";
    if (::write(fds[1], rest.data(), rest.size()) < 0) return;
    ::close(fds[1]);
  });
  int total = 0;
  scoreBoardArea(total);
  typist.join();
  setConsoleInputForTesting(STDIN_FILENO, false);
  ::close(fds[0]);
  EXPECT_EQ(total, 3);
  const std::string out = console.out();
  const size_t detail = out.find("Your choice (P, E)  : ");
  ASSERT_NE(detail, std::string::npos);
  const size_t secondList = out.find("\f\n ****", detail);
  ASSERT_NE(secondList, std::string::npos);
  EXPECT_GT(out.find(" 3 = Cy Dee"), secondList);
  EXPECT_NE(out.find("  3  Candidate(s) Have been recorded sofar", detail), std::string::npos);
}
