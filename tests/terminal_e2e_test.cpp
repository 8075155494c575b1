// The program in a real terminal, looked at as a person sees the window.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "records/data_files.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/tmux_terminal.h"

namespace {

const char kPausePrompt[] = "Press any key to continue . . .";

// Runs the program in a terminal between two snapshots of the terminal's
// settings, then reports its exit status on the window and idles so the
// window can still be read.
// The snapshots go to `ttyDir`, away from the program's data files.
std::string wrapped(const std::string& program, const std::string& ttyDir) {
  return "trap : INT; stty -a > '" + ttyDir + "/stty.before'; '" + program + "'; echo \"[status $?]\"; stty -a > '" +
         ttyDir + "/stty.after'; echo '[done]'; exec sleep 600";
}

std::vector<std::string> rows(const std::string& screen) {
  std::vector<std::string> lines;
  std::istringstream in(screen);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += "\n  " + l;
  return all;
}

std::string rowContaining(const std::string& screen, const std::string& text) {
  for (const std::string& line : rows(screen)) {
    if (line.find(text) != std::string::npos) return line;
  }
  return "";
}

class TerminalE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxTerminal::available()) GTEST_SKIP() << "tmux is not installed";
    term_.reset(new TmuxTerminal(dir_.path(), wrapped(programPath(), tty_.path())));
    ASSERT_TRUE(term_->started());
    ASSERT_TRUE(term_->waitFor("Your Choice (1,2,3,4,5)  :")) << term_->screen();
  }

  // Waits for the program's end and checks the terminal is as it found it.
  void expectEndWithTerminalRestored(const std::string& statusLine) {
    ASSERT_TRUE(term_->waitFor("[done]")) << term_->screen();
    EXPECT_NE(term_->screen().find(statusLine), std::string::npos) << term_->screen();
    const std::string before = tty_.read("stty.before");
    EXPECT_FALSE(before.empty());
    EXPECT_EQ(tty_.read("stty.after"), before);
  }

  ScratchDir dir_;  // the program's working directory
  ScratchDir tty_;  // the terminal's snapshots
  std::unique_ptr<TmuxTerminal> term_;
};

}  // namespace

TEST_F(TerminalE2E, ClearEmptiesTheWindow) {
  // The home pass starts with a clear: the banner sits on the second row,
  // right below the blank line the menu begins with.
  std::vector<std::string> lines = rows(term_->screen());
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1].rfind("        QUIZMORA           ", 0), 0u) << term_->screen();

  term_->type("3");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor("Your Choice :")) << term_->screen();
  const std::string about = term_->screen();
  EXPECT_EQ(about.find("Your Choice (1,2,3,4,5)"), std::string::npos) << about;
  EXPECT_EQ(about.find("Score Board"), std::string::npos) << about;
  lines = rows(about);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "  ********************************  QUIZMORA  ********************************");
}

TEST_F(TerminalE2E, PauseTakesOneKeyWithoutEnterAndEchoesNothing) {
  term_->type("5");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt)) << term_->screen();
  term_->type("q");  // no Enter
  expectEndWithTerminalRestored("[status 0]");
  EXPECT_EQ(rowContaining(term_->screen(), kPausePrompt), kPausePrompt) << term_->screen();
}

TEST_F(TerminalE2E, PauseReturnsToTheMenuAndTheNextPauseWorksToo) {
  for (int round = 0; round < 2; ++round) {
    term_->type("abc");
    term_->press("Enter");
    ASSERT_TRUE(term_->waitFor(kPausePrompt)) << term_->screen();
    term_->press("Space");
    ASSERT_TRUE(term_->waitFor("Your Choice (1,2,3,4,5)  :")) << term_->screen();
    EXPECT_EQ(term_->screen().find(kPausePrompt), std::string::npos) << "the menu's clear came first";
  }
  term_->type("5");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt));
  term_->press("Enter");
  expectEndWithTerminalRestored("[status 0]");
}

TEST_F(TerminalE2E, RestOfAnAnsweredLineIsNotTheKeyPress) {
  // "abc k" is read as one line; the wrong-choice pause that follows must
  // wait for a key typed after it, not take the k left over from the line.
  term_->type("abc k");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt)) << term_->screen();
  ::usleep(300 * 1000);
  // Still waiting: no clear has come, and the pause is the last line.
  EXPECT_NE(term_->screen().find("Your Choice (1,2,3,4,5)  : abc k"), std::string::npos) << term_->screen();
  EXPECT_TRUE(term_->waitForPrompt(kPausePrompt, 0)) << term_->screen();
  term_->press("Space");
  ASSERT_TRUE(term_->waitFor("Your Choice (1,2,3,4,5)  :")) << term_->screen();
  term_->type("5");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt));
  term_->type("x");
  expectEndWithTerminalRestored("[status 0]");
}

TEST_F(TerminalE2E, CtrlCDuringAPauseRestoresTheTerminal) {
  term_->type("5");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt)) << term_->screen();
  term_->press("C-c");
  // The shell reports a death by SIGINT as 128 + 2.
  expectEndWithTerminalRestored("[status 130]");
}

TEST_F(TerminalE2E, CtrlDAtAPromptEndsWithZero) {
  term_->type("3");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitForPrompt("Your Choice :")) << term_->screen();
  term_->press("C-d");
  expectEndWithTerminalRestored("[status 0]");
}

TEST_F(TerminalE2E, TypeAheadBeforeTheMenuIsDiscarded) {
  term_->type("abc");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt)) << term_->screen();
  // One burst: the pause takes the k; "5" and Enter arrive before the home
  // menu's flush and must not choose Exit.
  term_->type("k5\n");
  ASSERT_TRUE(term_->waitFor("Your Choice (1,2,3,4,5)  :")) << term_->screen();
  ::usleep(300 * 1000);
  EXPECT_EQ(term_->screen().find("Have a nice time"), std::string::npos) << term_->screen();
  EXPECT_EQ(term_->screen().find("[status"), std::string::npos) << term_->screen();

  term_->type("5");
  term_->press("Enter");
  ASSERT_TRUE(term_->waitFor(kPausePrompt));
  term_->type("x");
  expectEndWithTerminalRestored("[status 0]");
}

namespace {

// One step of a session typed by a person: wait for `prompt` to be the last
// thing on the window and for the program to wait in its read (a menu that
// flushes type-ahead after its prompt would discard keys typed earlier),
// then type `keys` (a line, or a single key for a pause).
struct Step {
  std::string prompt;
  std::string keys;
};

std::vector<Step> lines(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  std::vector<Step> steps;
  for (const auto& p : pairs) steps.push_back({p.first, std::string(p.second) + "\n"});
  return steps;
}

void append(std::vector<Step>& to, const std::vector<Step>& more) { to.insert(to.end(), more.begin(), more.end()); }

const char kAnyKey[] = "Press any key to continue . . .";

std::vector<Step> wholeSession() {
  std::vector<Step> s;
  append(s, lines({{"Your Choice (1,2,3,4,5)  :", "1"}}));
  s.push_back({kAnyKey, "k"});
  append(s, lines({{"Your choice :", "R"},
                   {"Your Name                        :", "Jane Doe"},
                   {"Your ID/Passport Number          :", "T1"},
                   {"Your Nationality                 :", "Kenya"},
                   {"Your Contact                     :", "0700 000 000"},
                   {"Your Email                       :", "jane@example.org"},
                   {"Institution                      :", "Hill School"},
                   {"Subject Department               :", "Sciences"},
                   {"Subject Level                    :", "Form 2"},
                   {"Set your Password (Easy for you) :", "1234"}}));
  s.push_back({kAnyKey, " "});
  append(s, lines({{"Your ID/Passport Number   :", "T1"},
                   {"Your Password             :", "1234"},
                   {"Your choice (Q,R,T,V)  :", "Q"},
                   {"Subject Name         :", "Maths"},
                   {"Total Questions     :", "2"},
                   {"Your Choice :", "Y"}}));
  for (const char* q : {"1", "2"}) {
    append(s, lines({{(std::string("Question ") + q).c_str(), "How many legs has a cat"},
                     {"Option A", "Four"},
                     {"Option B", "Two"},
                     {"Option C", "Six"},
                     {"Option D", "None"},
                     {"What is the Correct Option :", "a"}}));
  }
  append(s, lines({{"Your choice >>", "1"},
                   {"Your choice :", "B"},
                   {"Your choice (Q,R,T,V)  :", "V"},
                   {"Your choice :", "P"},
                   {"Your Choice (1,2,3,4,5)  :", "2"},
                   {"Your choice (R,L,P,E,Q) :", "R"},
                   {"Your Name                 :", "Ann Lee"},
                   {"Your ID/Passport Number   :", "C1"},
                   {"Your Nationality          :", "Ghana"},
                   {"Your Contact              :", "0244 000 000"},
                   {"Your Email                :", "ann@example.org"},
                   {"Candidate Level           :", "Grade 9"},
                   {"Set your Password ( Easy for you , hard for me ) :", "4321"}}));
  s.push_back({kAnyKey, "x"});
  append(s, lines({{"Your ID/Passport Number   :", "C1"},
                   {"Your Password             :", "4321"},
                   {"Your choice (Q,R,S,T)  :", "R"},
                   {"Which paper do you want to attempt :", "1"}}));
  s.push_back({kAnyKey, "g"});
  append(s, lines({{"Your choice :", "A"}, {"Your choice :", "b"}, {"Your Choice  :", "N"}}));
  s.push_back({kAnyKey, "s"});
  append(s, lines({{"Your choice (Q,R,S,T)  :", "T"},
                   {"Your choice (R,L,P,E,Q) :", "P"},
                   {"Your Choice (1,2,3,4,5)  :", "4"}}));
  return s;
}

}  // namespace

TEST_F(TerminalE2E, WholeSessionFromTutorToScoreBoard) {
  for (const Step& step : wholeSession()) {
    ASSERT_TRUE(term_->waitForPrompt(step.prompt)) << "waiting for \"" << step.prompt << "\"\n" << term_->screen();
    ASSERT_TRUE(term_->waitUntilReading()) << "at \"" << step.prompt << "\"";
    term_->type(step.keys);
  }
  ASSERT_TRUE(term_->waitForPrompt("Enter your Option( V,W,U,E ):")) << term_->screen();
  const std::string board = term_->screen();
  EXPECT_NE(board.find(" 1 = Ann Lee"), std::string::npos) << board;
  EXPECT_NE(board.find("Maths"), std::string::npos) << board;
  EXPECT_NE(board.find("********  1  Candidate(s)"), std::string::npos) << "one attempt listed\n" << board;

  term_->type("U\n");
  ASSERT_TRUE(term_->waitForPrompt("Your Choice (1,2,3,4,5)  :"));
  term_->type("5\n");
  ASSERT_TRUE(term_->waitForPrompt(kAnyKey));
  term_->type("q");
  expectEndWithTerminalRestored("[status 0]");

  EXPECT_EQ(dir_.size(accountRegFileTutor), 1230);
  EXPECT_EQ(dir_.size(accountRegFileCandi), 980);
  EXPECT_EQ(dir_.size(SubjectFile), 1242);
  EXPECT_EQ(dir_.size("Maths_Form 2_Jane Doe.abcd"), 2 * 3204);
  EXPECT_EQ(dir_.size(CandiDatefilex), 980);
  EXPECT_EQ(dir_.size("C1_Ann Lee.abcdrpt"), 980);
}

namespace {

class TerminalRandomKeys : public TerminalE2E, public ::testing::WithParamInterface<int> {};

}  // namespace

// Careless typing on every screen the keys lead to, pauses included, then
// Ctrl-D until the program ends: it ends with status 0 or 1 and leaves the
// terminal as it found it. (Ctrl-C, Ctrl-Z and Ctrl-\ are left out: they
// end or stop the program by signal, which is tested above.)
TEST_P(TerminalRandomKeys, LeaveTheTerminalAsFound) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  const std::string keys = "1234512345QqRrLlPpEeTtVvSsBbNnYyDdAaCcUuWwHhFfXx -+0\n\n\n\n\t";
  const std::vector<std::string> named = {"BSpace", "Escape", "Up", "Left", "Home", "F1", "C-u", "C-w"};
  for (int burst = 0; burst < 40; ++burst) {
    if (rng() % 4 == 0) {
      term_->press(named[rng() % named.size()]);
    } else {
      std::string text;
      for (int n = static_cast<int>(rng() % 12) + 1; n > 0; --n) text += keys[rng() % keys.size()];
      term_->type(text);
    }
    ::usleep(15 * 1000);
  }
  for (int tries = 0; tries < 60 && !term_->waitFor("[done]", 0.3); ++tries) term_->press("C-d");
  ASSERT_TRUE(term_->waitFor("[done]")) << "seed " << GetParam() << "\n" << term_->screen();
  const std::string screen = term_->screen();
  EXPECT_TRUE(screen.find("[status 0]") != std::string::npos || screen.find("[status 1]") != std::string::npos)
      << "seed " << GetParam() << "\n"
      << screen;
  EXPECT_FALSE(tty_.read("stty.before").empty());
  EXPECT_EQ(tty_.read("stty.after"), tty_.read("stty.before")) << "seed " << GetParam();
  EXPECT_EQ(joined(dataFileProblems(dir_.path())), "") << "seed " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Seeds, TerminalRandomKeys, ::testing::Range(1, 7));
