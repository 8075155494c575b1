// The test binary's entry point. Screens end the program when scripted input
// runs out, with status 0, which a test runner would take for a pass: a test
// whose input is one line short would silently stop half-way. This main
// turns any exit during a running test into a failure.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

pid_t main_pid = 0;
bool death_test_child = false;
volatile bool test_running = false;

class PrematureExitGuard : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { test_running = true; }
  void OnTestEnd(const ::testing::TestInfo&) override { test_running = false; }
};

void failOnPrematureExit() {
  // Death tests run their statement in a child: its exit is the point.
  if (!test_running || death_test_child || ::getpid() != main_pid) return;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::fprintf(stderr, "\n%s.%s ended the process before it finished (did its scripted input run out?)\n",
               info ? info->test_suite_name() : "?", info ? info->name() : "?");
  std::fflush(stderr);
  ::_exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strstr(argv[i], "internal_run_death_test")) death_test_child = true;
  }
  main_pid = ::getpid();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new PrematureExitGuard);
  std::atexit(failOnPrematureExit);
  return RUN_ALL_TESTS();
}
