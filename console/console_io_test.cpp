#include "console/console_io.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/console_capture.h"
#include "tests/screen_texts.h"

TEST(ConsoleIo, ReadLineKeepsLimitMinusOneDropsOneCarriageReturnAndTakesAnUnendedLastLine) {
  const struct {
    const char* input;
    size_t room;
    std::vector<std::string> lines;
  } cases[] = {
      {"abcdefgh\nnext\n", 5, {"abcd", "next"}},
      {"abc\r\nx\r\r\n\r\n", 100, {"abc", "x\r", ""}},
      {"tail", 10, {"tail"}},
  };
  for (const auto& c : cases) {
    ConsoleCapture console(c.input);
    char buf[100];
    for (const std::string& line : c.lines) {
      readLine(buf, c.room);
      EXPECT_EQ(buf, line) << c.input;
    }
  }
}

TEST(ConsoleIo, ReadNonEmptyLineRepeatsPromptOnEnter) {
  ConsoleCapture console("\n\n  \n");
  char buf[10];
  readNonEmptyLine("P: ", buf, sizeof buf);
  EXPECT_STREQ(buf, "  ");  // blanks are content
  EXPECT_EQ(console.out(), "P: P: P: ");
}

TEST(ConsoleIo, ChoiceSkipsBlanksAndLeavesRestForFlush) {
  ConsoleCapture console("\n   exit\nline\n");
  EXPECT_EQ(readChoice(), 'e');
  flushInput();
  char buf[10];
  readLine(buf, sizeof buf);
  EXPECT_STREQ(buf, "line");
}

TEST(ConsoleIo, FlushDiscardsNothingAfterAWholeLine) {
  ConsoleCapture console("first\nsecond\n");
  char buf[10];
  readLine(buf, sizeof buf);
  flushInput();
  readLine(buf, sizeof buf);
  EXPECT_STREQ(buf, "second");
}

TEST(ConsoleIo, IntegerChoiceReadsLikeStreamExtraction) {
  ConsoleCapture console("3xyz\n  -7\nabc\n99999999999\n");
  EXPECT_EQ(readIntChoice(), 3);
  flushInput();
  EXPECT_EQ(readIntChoice(), -7);
  flushInput();
  EXPECT_EQ(readIntChoice(), 0);
  flushInput();
  EXPECT_EQ(readIntChoice(), INT_MAX);
}

TEST(ConsoleIo, PauseTakesOneLineAfterDiscardingPartialOne) {
  ConsoleCapture console("q rest\nkey\nafter\n");
  EXPECT_EQ(readChoice(), 'q');
  pauseScreen();
  char buf[10];
  readLine(buf, sizeof buf);
  EXPECT_STREQ(buf, "after");
  EXPECT_EQ(console.out(), kPause);
}

TEST(ConsoleIo, ClearWritesFormFeedWhenNotATerminal) {
  ConsoleCapture console("");
  clearScreen();
  EXPECT_EQ(console.out(), "\f");
}

TEST(ConsoleIo, LeadingIntegerFollowsAtoiWithoutOverflow) {
  EXPECT_EQ(leadingInteger("42xyz"), 42);
  EXPECT_EQ(leadingInteger("0042"), 42);
  EXPECT_EQ(leadingInteger("  +7"), 7);
  EXPECT_EQ(leadingInteger("5-3"), 5);
  EXPECT_EQ(leadingInteger("abc"), 0);
  EXPECT_EQ(leadingInteger(""), 0);
  EXPECT_EQ(leadingInteger("-12"), -12);
  EXPECT_EQ(leadingInteger("123456789012345678901234567890"), INT_MAX);
}

using ConsoleIoDeathTest = ::testing::Test;

TEST(ConsoleIoDeathTest, EndOfInputEndsWithStatusZero) {
  EXPECT_EXIT(
      {
        ConsoleCapture console("");
        char buf[10];
        readLine(buf, sizeof buf);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        ConsoleCapture console("\n \n");
        readChoice();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        ConsoleCapture console("x");
        readChoice();
        pauseScreen();
      },
      ::testing::ExitedWithCode(0), "");
}

// On a terminal, a line sent with Ctrl-D before its end reaches the program
// without a line end. Discarding the rest of that line must not wait for one:
// the next screen would stay blank until the user pressed Enter.
TEST(ConsoleIoDeathTest, TerminalFlushNeverWaitsForALineEnd) {
  EXPECT_EXIT(
      {
        int fds[2];
        if (::pipe(fds) != 0 || ::write(fds[1], "q", 1) != 1) std::exit(2);
        setConsoleInputForTesting(fds[0], true);
        if (readChoice() != 'q') std::exit(3);
        ::alarm(5);  // a flush that waits is ended by SIGALRM
        flushInput();
        if (::write(fds[1], "x\n", 2) != 2) std::exit(4);
        std::exit(readChoice() == 'x' ? 7 : 5);
      },
      ::testing::ExitedWithCode(7), "");
}
