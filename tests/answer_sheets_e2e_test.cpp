// An attempt survives its seat: killed at any moment and resumed, it loses
// no answer and counts none twice; time away counts; a changed paper ends
// it; a second seat is refused; a journal that cannot be written only
// warns.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>
#include <string>
#include <vector>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_settings.h"
#include "records/record_layout.h"
#include "records/store.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

#ifdef QUIZMORA_SANITIZE_BUILD
constexpr int kKills = 6;
#else
constexpr int kKills = 20;
#endif

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kCandidate{"Ann Lee", "A12", "Grade 9", "4321"};
const std::string kJournal = "A12_Ann Lee.abcdlive";
const std::string kPause = "Press any key to continue . . . \n";
// Keys A B C D A B; these answers score 4 of 6.
const std::string kAnswers = "ABDDCB";

std::string line(const std::string& text) { return scriptLine(text); }

// Logged in, R, paper 1, the greeting's pause, then `answers`.
std::string sits(const std::string& answers) {
  std::string s = candidateLogsIn(kCandidate) + line("R") + line("1") + line("");
  for (char a : answers) s += line(std::string(1, a));
  return s;
}

std::string letters(const std::string& answers) {
  std::string s;
  for (char a : answers) s += line(std::string(1, a));
  return s;
}

AnswerSheet sheetIn(const std::string& bytes, size_t at = 0) {
  AnswerSheet sheet;
  sheet.DecodeFrom(bytes.data() + at);
  return sheet;
}

class AnswerSheetsE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    addTutorAccount(dir, kTutor);
    addCandidateAccount(dir, kCandidate);
    paperFile = addPaper(dir, kTutor, "Maths", sampleQuestions(6));
  }

  // Leaves a journal of the first `answered` answers: the input ends while
  // the next question waits.
  void interruptAfter(size_t answered) {
    const ProgramRun run = runProgram(dir, sits(kAnswers.substr(0, answered)));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(dir.size(kJournal), static_cast<long long>(kAnswerSheetRecordSize));
  }

  // The single saved sheet, with the result records beside it checked.
  AnswerSheet savedSheet(double score) {
    EXPECT_FALSE(dir.exists(kJournal));
    EXPECT_EQ(dir.size(AnswersFile), static_cast<long long>(kAnswerSheetRecordSize));
    EXPECT_EQ(dir.size(CandiDatefilex), static_cast<long long>(kCandidateRecordSize));
    const std::string result = dir.read(CandiDatefilex);
    EXPECT_EQ(dir.read(ResultFileName(kCandidate.id.c_str(), kCandidate.name.c_str())), result);
    const AnswerSheet sheet = sheetIn(dir.read(AnswersFile));
    EXPECT_DOUBLE_EQ(sheet.score, score);
    EXPECT_DOUBLE_EQ(DecodeDouble(result.data()), score);
    EXPECT_DOUBLE_EQ(DecodeDouble(result.data() + 972), sheet.timeTaken);
    EXPECT_EQ(sheet.saved, 0);
    EXPECT_EQ(std::string(sheet.key, 7), std::string("ABCDAB\0", 7));
    return sheet;
  }

  ScratchDir dir;
  std::string paperFile;
};

}  // namespace

TEST_F(AnswerSheetsE2E, KilledAtRandomMomentsAndResumedLosesNoAnswerAndCountsNoneTwice) {
  // The attempt alone: its input ends at the save-or-drop menu.
  const std::string attempt = sits(kAnswers);
  double full;
  {
    ScratchDir timing;
    addCandidateAccount(timing, kCandidate);
    addPaper(timing, kTutor, "Maths", sampleQuestions(6));
    const double start = monotonicSeconds();
    runProgram(timing, attempt);
    full = monotonicSeconds() - start;
  }
  std::mt19937 rng(20261209);
  std::uniform_real_distribution<double> moment(0.0, full);
  for (int kill = 0; kill < kKills; ++kill) {
    ScratchDir seat;
    addCandidateAccount(seat, kCandidate);
    addPaper(seat, kTutor, "Maths", sampleQuestions(6));
    const double at = moment(rng);
    runProgram(seat, attempt, at);
    std::string resume = candidateLogsIn(kCandidate) + line("R");
    size_t answered = 0;
    if (seat.exists(kJournal)) {
      // Whole, and holding exactly the answers typed so far.
      const std::string bytes = seat.read(kJournal);
      ASSERT_EQ(bytes.size(), kAnswerSheetRecordSize) << "killed after " << at << " s";
      const AnswerSheet sheet = sheetIn(bytes);
      answered = static_cast<size_t>(sheet.answered);
      ASSERT_LE(answered, kAnswers.size());
      EXPECT_EQ(std::string(sheet.answers, 7), kAnswers.substr(0, answered) + std::string(7 - answered, '\0'));
      resume += line("R") + (answered < kAnswers.size() ? line("") : "") + letters(kAnswers.substr(answered));
    } else {
      resume += line("1") + line("") + letters(kAnswers);
    }
    const ProgramRun run = runProgram(seat, resume + line("N") + line(""));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n\tYour score : 66.7%"), std::string::npos) << "killed after " << at << " s";
    EXPECT_EQ(seat.size(AnswersFile), static_cast<long long>(kAnswerSheetRecordSize)) << "killed after " << at;
    const AnswerSheet sheet = sheetIn(seat.read(AnswersFile));
    EXPECT_EQ(std::string(sheet.answers, 7), kAnswers + '\0');
    EXPECT_EQ(sheet.answered, 6);
    EXPECT_EQ(sheet.ending, kSheetAllAnswered);
    EXPECT_DOUBLE_EQ(sheet.score, 400.0 / 6);
    EXPECT_EQ(seat.size(CandiDatefilex), static_cast<long long>(kCandidateRecordSize));
    EXPECT_FALSE(seat.exists(kJournal));
    EXPECT_EQ(dataFileProblems(seat.path(), true), std::vector<std::string>{}) << "killed after " << at;
  }
}

TEST_F(AnswerSheetsE2E, ResumeOffersTheAttemptAndGoesOnFromTheNextQuestion) {
  interruptAfter(2);
  const ProgramRun run = runProgram(dir, candidateLogsIn(kCandidate) + line("R") + line("x") + line("r") + line("") +
                                             letters(kAnswers.substr(2)) + line("N") + line(""));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string offer =
      "\n\tYou have an unfinished attempt of Maths (2 of 6 questions answered).\n"
      "\n\tR = Resume it.\n\tD = Drop it and choose a paper.\n\n\t\tYour Choice  : ";
  EXPECT_NE(run.out.find("Your choice (Q,R,S,T)  : \f" + offer +
                         "\f\n\t\tWrong entry, try again with accepted letter.\tThank you.\n\n" + offer +
                         "\f\n\tResuming Maths at question 3.\n" + kPause + "\f\n\tTime reminder : "),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\n\t3. Question number 3 ?"), std::string::npos);
  EXPECT_EQ(run.out.find("\n\t2. Question number 2 ?"), std::string::npos);
  EXPECT_EQ(savedSheet(400.0 / 6).ending, kSheetAllAnswered);
}

TEST_F(AnswerSheetsE2E, TimeAwayCountsAndEndsTheAttemptOnResume) {
  interruptAfter(2);
  // The clock started an hour before the allowance of 12 minutes ran out.
  std::string bytes = dir.read(kJournal);
  EncodeFixed64(&bytes[0], DecodeFixed64(bytes.data()) - 3600);
  dir.write(kJournal, bytes);
  const ProgramRun run =
      runProgram(dir, candidateLogsIn(kCandidate) + line("R") + line("R") + line("") + line("N") + line(""));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\t\tYour Choice  : \n\tSorry, Time up. But dont worry your results have been saved "
                         "succesfully for only the attempted questions.\n\n" +
                         kPause + "\n___"),
            std::string::npos)
      << run.out;
  const AnswerSheet sheet = savedSheet(200.0 / 6);
  EXPECT_EQ(sheet.ending, kSheetTimeUp);
  EXPECT_DOUBLE_EQ(sheet.timeTaken, 720);
}

TEST_F(AnswerSheetsE2E, ARepublishedPaperEndsTheResumeAndKeepsTheAnswers) {
  interruptAfter(3);
  std::vector<Question> revised = sampleQuestions(6);
  revised[5].text += " (revised)";
  dir.write(paperFile, questionFileBytes(revised));
  const ProgramRun run =
      runProgram(dir, candidateLogsIn(kCandidate) + line("R") + line("R") + line("") + line("N") + line(""));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\t\tYour Choice  : \n\tThis paper has changed since the attempt began: the answers given "
                         "so far are kept and scored.\n\n" +
                         kPause + "\n___"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(savedSheet(200.0 / 6).ending, kSheetPaperChanged);
}

TEST_F(AnswerSheetsE2E, ASecondSeatIsRefusedAndDroppingStartsAfresh) {
  interruptAfter(1);
  {
    HeldFile seat;
    ASSERT_TRUE(seat.Hold(dir.file(kJournal)).ok());
    const ProgramRun run = runProgram(dir, candidateLogsIn(kCandidate) + line("R") + line(""));
    EXPECT_NE(run.out.find("Your choice (Q,R,S,T)  : \n\tThis attempt is running on another seat; finish it there "
                           "first.\n\n" +
                           kPause + "\f\n\tYou are currently logged in as Ann Lee"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(dir.size(kJournal), static_cast<long long>(kAnswerSheetRecordSize));
  }
  // D drops the journal and leads to the paper list; Q then drops the new
  // attempt too.
  const ProgramRun run = runProgram(
      dir, candidateLogsIn(kCandidate) + line("R") + line("D") + line("1") + line("") + letters(kAnswers) + line("Q"));
  EXPECT_NE(run.out.find("\t\tYour Choice  : \f\n\tSubject Name \n"), std::string::npos) << run.out;
  EXPECT_FALSE(dir.exists(kJournal));
  EXPECT_FALSE(dir.exists(AnswersFile));
}

TEST_F(AnswerSheetsE2E, AJournalThatCannotBeWrittenWarnsOnceAndTheAttemptGoesOn) {
  ASSERT_EQ(::mkdir(dir.file(kJournal).c_str(), 0755), 0);
  const ProgramRun run = runProgram(dir, sits(kAnswers) + line("N") + line(""));
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "\n\tYour answers cannot be kept as you go on this seat: if it stops, this attempt is lost.\n");
  EXPECT_EQ(sheetIn(dir.read(AnswersFile)).ending, kSheetAllAnswered);
  EXPECT_EQ(dir.size(CandiDatefilex), static_cast<long long>(kCandidateRecordSize));
}

namespace {

// The last question block the screen shows: its number, text and lettered
// options, up to the prompt for a choice.
std::string lastQuestionShown(const std::string& out) {
  const size_t end = out.rfind("\n\tYour choice : ");
  const size_t begin = out.rfind("\n\tTime reminder : ", end);
  if (end == std::string::npos || begin == std::string::npos) return "";
  const size_t block = out.find('\n', begin + 1);
  return out.substr(block, end - block);
}

// The letter under which `block` shows the option "right".
std::string rightLetter(const std::string& block) {
  const size_t at = block.find(". right");
  return at == std::string::npos || at == 0 ? "?" : block.substr(at - 1, 1);
}

}  // namespace

TEST(ShuffledAttemptE2E, ReadFromTheScreenAndResumedItScoresFullyInThePapersOwnOrder) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addCandidateAccount(dir, kCandidate);
  // Four, three and two options; the correct one reads "right".
  std::vector<Question> questions(6);
  const char keys[] = "ABCDCB";
  for (size_t q = 0; q < questions.size(); ++q) {
    questions[q].text = "Question number " + std::to_string(q + 1);
    const int options = q < 4 ? 4 : q == 4 ? 3 : 2;
    for (int o = 0; o < 4; ++o) questions[q].options[o] = o >= options ? "" : "wrong " + std::string(1, 'A' + o);
    questions[q].correct = keys[q];
    questions[q].options[keys[q] - 'A'] = "right";
  }
  const std::string paper = addPaper(dir, kTutor, "Maths", questions);
  dir.append(SettingsFile, RecordBytes(SettingsLayout(), {{"questionFile", paper, 0}, {"flags", "", 3}}));

  // Each run answers the question the run before showed last, then its
  // input ends while the next one waits; the journal keeps the rest.
  ProgramRun run = runProgram(dir, sits(""));
  std::string shown = lastQuestionShown(run.out);
  ASSERT_NE(shown.find("\n\t1. Question number "), std::string::npos) << run.out;
  std::vector<std::string> order = {shown};
  for (int answered = 0; answered < 6; ++answered) {
    const std::string resume =
        candidateLogsIn(kCandidate) + line("R") + line("R") + line("") + line(rightLetter(shown));
    run = runProgram(dir, resume + (answered == 5 ? line("N") + line("") : ""));
    ASSERT_EQ(run.status, 0) << run.err;
    // The resumed attempt shows again exactly what it showed before.
    const size_t resumed = run.out.find("\f\n\tTime reminder : ");
    ASSERT_NE(resumed, std::string::npos) << run.out;
    EXPECT_EQ(lastQuestionShown(run.out.substr(0, run.out.find("\n\tYour choice : ", resumed) + 16)), shown);
    if (answered < 5) {
      shown = lastQuestionShown(run.out);
      ASSERT_NE(shown.find("\n\t" + std::to_string(answered + 2) + ". Question number "), std::string::npos);
      order.push_back(shown);
    }
  }
  EXPECT_NE(run.out.find("\n\tYour score : 100%"), std::string::npos) << run.out;
  // Only present options are shown: three of question 5, two of question 6.
  for (const std::string& block : order) {
    size_t options = 0;
    for (size_t at = block.find(" ?\n"); (at = block.find("\n\t", at + 1)) != std::string::npos;) ++options;
    const bool five = block.find("Question number 5 ") != std::string::npos;
    const bool six = block.find("Question number 6 ") != std::string::npos;
    EXPECT_EQ(options, five ? 3u : six ? 2u : 4u) << block;
  }
  const AnswerSheet sheet = sheetIn(dir.read(AnswersFile));
  EXPECT_EQ(std::string(sheet.answers, 7), std::string("ABCDCB\0", 7));
  EXPECT_EQ(std::string(sheet.key, 7), std::string("ABCDCB\0", 7));
  EXPECT_EQ(sheet.order & 3, 3u);
  EXPECT_DOUBLE_EQ(sheet.score, 100.0);
}
