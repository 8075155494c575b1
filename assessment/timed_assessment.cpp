#include "assessment/timed_assessment.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <vector>

#include "assessment/attempt_review.h"
#include "assessment/elapsed_clock.h"
#include "console/console_io.h"
#include "console/number_entry.h"
#include "console/working_record.h"
#include "core/answer_sheets.h"
#include "core/attempt_order.h"
#include "core/limits.h"
#include "core/paper_settings.h"
#include "core/question_options.h"
#include "core/wall_clock.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/store.h"

namespace {

// Returns the papers of the library, creating an empty library when it is
// missing.
std::vector<PaperSkeleton> loadLibrary() {
  std::vector<PaperSkeleton> papers;
  const LoadResult library =
      LoadFile(SubjectFile, WhenMissing::kCreate, static_cast<size_t>(abcdData.maxPapers), &papers);
  if (library.created) {
    std::cerr << "\n\tCurrently the list of papers is lonely... try again later.\n" << std::endl;
  } else if (library.status.openFailed()) {
    std::cerr << "\n\tError while opening a file to read Subjects\n" << std::endl;
  }
  return papers;
}

// Shows the numbered subjects and returns the index (from 0) of the paper
// the candidate chooses.
size_t choosePaper(std::vector<PaperSkeleton>& papers) {
  clearScreen();
  std::cout << "\n\tSubject Name " << std::endl;
  std::cout << "\n\t*************************************************************************************" << std::endl;
  for (size_t i = 0; i < papers.size(); ++i) {
    std::cout << "\t" << i + 1 << " = " << papers[i].setsubjectName() << " \t";
  }
  std::cout << "\n\t *********************         End of the List       **********************" << std::endl;
  std::cout << "\n\tTotal Papers : " << papers.size() << std::endl;

  char typed[5];
  const NumberEntry entry{"\n  Which paper do you want to attempt : ",
                          typed,
                          sizeof typed,
                          static_cast<int>(papers.size()),
                          "\n  You have entered : ",
                          "\n The number you have entered is negative. Only Positive integers are allowed. \n\n",
                          "\n  The character/Number you have entered is out of range. The range is between 1 and ",
                          "\n\n\t",
                          false,
                          true};
  return static_cast<size_t>(enterNumber(entry) - 1);
}

void showPaperInformation(PaperSkeleton& paper) {
  clearScreen();
  std::cout << "\n\t You have chosen : " << paper.setsubjectName() << "\n" << std::endl;
  std::cout << "\n  Subject Name            :  " << paper.setsubjectName() << std::endl;
  std::cout << "\n  Subject Author          :  " << paper.setCandiNames() << std::endl;
  std::cout << "\n  Subject Level           :  " << paper.setPaperLevel() << std::endl;
  std::cout << "\n  Total Questions         :  " << paper.setTotalQuestions() << " Questions." << std::endl;
  std::cout << "\n  Duration                :  " << paper.setTimeAllowed() << " Min(s)." << std::endl;
}

// Returns the paper's questions. The count in the header comes from a file
// and is not trusted: the table holds only the records actually read, at
// most that many (and never more than a paper may have), and a count of
// zero or below means none.
std::vector<QuestionSkeleton> loadQuestions(PaperSkeleton& paper) {
  ComposeQuestionFile(paper.setsubjectName(), paper.setPaperLevel(), paper.setCandiNames());
  const int declared = std::min(paper.setTotalQuestions(), kMaxPaperQuestions);
  const size_t capacity = declared > 0 ? static_cast<size_t>(declared) : 0;
  std::vector<QuestionSkeleton> questions;
  // The question file is replaced whole by a rename, so whichever edition
  // opens here is read whole.
  const LoadResult file = LoadFile(Questionfile, WhenMissing::kCreate, capacity, &questions);
  if (file.created) {
    std::cout << "\n The question paper you are accessing is blank.... \n" << std::endl;
  } else if (file.status.openFailed()) {
    std::cerr << "\n Failure to open the file, the file may have changed or does not exist.\n" << std::endl;
  }
  return questions;
}

double elapsedSecondsSince(long long start) { return static_cast<double>(elapsedMilliseconds() - start) / 1000.0; }

// Shows a question with its options under the letters `shown` gives; an
// option that is not offered has no line.
void showQuestion(QuestionSkeleton& question, size_t number, const ShownOptions& shown) {
  std::cout << "\n\t" << std::left << number << ". " << question.setQuestion() << " ?" << std::endl;
  for (int letter = 0; letter < kMaxOptions; ++letter) {
    if (shown.own[letter] < 0) continue;
    std::cout << "\t" << static_cast<char>('A' + letter) << ". " << OptionText(question, shown.own[letter])
              << std::endl;
  }
}

// Asks until an offered letter is typed; leaves it, and the number of the
// question's own option it stands for, in the working record.
void readAnswer(const ShownOptions& shown) {
  for (;;) {
    flushInput();
    std::cout << "\n\tYour choice : ";
    abcdData.answerLetter = readChoice();
    abcdData.answerNumber = OwnOptionOfTyped(shown, abcdData.answerLetter);
    if (abcdData.answerNumber != 0) return;
    std::cout << InvalidLetterMessage(shown);
  }
}

void showTimeUp() {
  std::cout << "\n\tSorry, Time up. But dont worry your results have been saved succesfully for only the "
               "attempted questions.\n\n";
  pauseScreen();
}

// Asks the questions from `position` on while time is left, checking the
// clock only before a question is shown, and keeps each answer in the
// sheet. The journal is written at each of those checks (so after every
// accepted answer, before the next question appears) and when the loop
// ends. The order shown is the one the sheet's seed gives; each answer is
// kept under the paper's own question and option. Returns the real time
// since `start` when the loop ended.
double askQuestions(std::vector<QuestionSkeleton>& questions, RunningAttempt& attempt, size_t position,
                    long long start) {
  AnswerSheet& sheet = attempt.sheet;
  const AttemptOrder order = OrderOfAttempt(sheet.order, questions);
  const size_t count = static_cast<size_t>(sheet.questions);
  int onScreen = 0;
  for (; position < count; ++position) {
    const double elapsed = elapsedSecondsSince(start);
    const double remaining = sheet.allowed - elapsed;
    sheet.timeTaken = elapsed;
    if (remaining < 0) {
      sheet.ending = kSheetTimeUp;
      keepJournal(attempt);
      showTimeUp();
      return elapsed;
    }
    keepJournal(attempt);
    std::cout.precision(8);
    std::cout << "\n\tTime reminder : " << remaining << " seconds remaining." << std::endl;
    if (onScreen == 3) {
      clearScreen();
      std::cout << "\n\tContinuing from Question : " << position + 1 << " ";
      onScreen = 0;
    }
    ++onScreen;
    const size_t index = static_cast<size_t>(order.shown[position]);
    showQuestion(questions[index], position + 1, order.options[index]);
    readAnswer(order.options[index]);
    KeepAnswer(sheet, index, abcdData.answerNumber);
  }
  const double used = elapsedSecondsSince(start);
  sheet.timeTaken = used;
  sheet.ending = kSheetAllAnswered;
  keepJournal(attempt);
  return used;
}

void showResult(PaperSkeleton& paper, double score, double secondsUsed) {
  std::cout
      << "\n_______________________________________________________________________________________________________\n";
  std::cout << "\n\tSubject Name     : " << paper.setsubjectName() << std::endl;
  std::cout << "\n\tTotal Questions  : " << paper.setTotalQuestions() << " Questions." << std::endl;
  std::cout << "\n\tDuration         : " << paper.setTimeAllowed() << " Mins." << std::endl;
  std::cout << "\n\tAuthor           : " << paper.setCandiNames() << std::endl;
  std::cout << "\n\tLevel            : " << paper.setPaperLevel() << std::endl;
  std::cout << "\n\tContact          : " << paper.setContact() << std::endl;
  std::cout << "\n\tEmail            : " << paper.setEmail() << std::endl;
  std::cout << "\n\tDepartment       : " << paper.set_Department() << std::endl;
  std::cout << "\n\t___________________________________________________________________________________________________"
               "___\n\n";
  std::cout.precision(3);
  std::cout << "\n\tYour score : " << score << "%"
            << "   you have used : " << secondsUsed << " seconds." << std::endl;
  std::cout
      << "\t________________________________________________________________________________________________________\n";
}

// True when the settings of the sheet's paper ask for a review; settings
// that cannot be read are all off, the paper as it is.
bool reviewAsked(const AnswerSheet& sheet) {
  PaperSettings settings;
  LoadPaperSettings(QuestionFileName(sheet.subject, sheet.level, sheet.author), &settings);
  return settings.review;
}

// Shows the result of the attempt, then its review when the paper asks for
// one (not when the paper changed under the attempt: its questions are no
// longer those answered), and completes `candidate` with its subject and
// time taken (never more than the allowance). Returns the score.
double finishAttempt(CandidateSkeleton& candidate, PaperSkeleton& paper, RunningAttempt& attempt, double secondsUsed,
                     std::vector<QuestionSkeleton>& questions) {
  const double score = SheetScore(attempt.sheet);
  showResult(paper, score, secondsUsed);
  if (attempt.sheet.ending != kSheetPaperChanged && reviewAsked(attempt.sheet)) showReview(questions, attempt.sheet);
  candidate.getsubjectName(attempt.sheet.subject);
  const double allowed = attempt.sheet.allowed;
  candidate.getTimeTaken(secondsUsed <= allowed ? secondsUsed : allowed);
  return score;
}

}  // namespace

void keepJournal(RunningAttempt& attempt) {
  if (attempt.journal.Keep(attempt.sheet).ok() || attempt.warned) return;
  attempt.warned = true;
  std::cerr << "\n\tYour answers cannot be kept as you go on this seat: if it stops, this attempt is lost.\n";
}

double assessmentTemplate(CandidateSkeleton& candidate, RunningAttempt& attempt) {
  std::vector<PaperSkeleton> papers = loadLibrary();
  if (papers.empty()) {
    // Nothing can be chosen; asking would never end.
    std::cout << "\n\n\tThe list is empty, try again later.\n\n" << std::endl;
    return -1;
  }
  PaperSkeleton& paper = papers[choosePaper(papers)];
  showPaperInformation(paper);
  candidate.getsubjectName(paper.setsubjectName());
  std::vector<QuestionSkeleton> questions = loadQuestions(paper);

  std::cout << "\n " << paper.setCandiNames() << " wishes you success \n\n";
  pauseScreen();
  clearScreen();
  PaperSettings settings;
  LoadPaperSettings(Questionfile, &settings);  // unreadable settings: the paper as it is
  const long long start = elapsedMilliseconds();
  attempt.sheet = BeginSheet(candidate, paper, questions, WallSecondsNow());
  attempt.sheet.order = DrawOrderSeed(settings.shuffleQuestions, settings.shuffleOptions);
  const double secondsUsed = askQuestions(questions, attempt, 0, start);
  return finishAttempt(candidate, paper, attempt, secondsUsed, questions);
}

namespace {

// Returns the header of the sheet's paper: the last one in the library with
// its subject, level and author, or, when there is none, one made of the
// sheet's own values.
PaperSkeleton paperOfSheet(const AnswerSheet& sheet) {
  PaperSkeleton found;
  bool any = false;
  ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& header) {
    if (std::strcmp(header.setsubjectName(), sheet.subject) == 0 &&
        std::strcmp(header.setPaperLevel(), sheet.level) == 0 &&
        std::strcmp(header.setCandiNames(), sheet.author) == 0) {
      found = header;
      any = true;
    }
    return true;
  });
  if (any) return found;
  found.getsubjectName(sheet.subject);
  found.get_PaperLevel(sheet.level);
  found.getCandiNames(sheet.author);
  found.getTotalQuestion(sheet.questions);
  found.getTimeAllowed(sheet.allowed / 60.0);
  return found;
}

// Reads the sheet's paper again into *questions; true when its first
// questions are still the edition the attempt began on.
bool sameEdition(const AnswerSheet& sheet, std::vector<QuestionSkeleton>* questions) {
  const std::string file = QuestionFileName(sheet.subject, sheet.level, sheet.author);
  const size_t count = static_cast<size_t>(sheet.questions);
  const LoadResult read = LoadFile(file, WhenMissing::kFail, count, questions);
  return read.readable() && questions->size() == count && PaperEdition(*questions) == sheet.edition;
}

}  // namespace

double resumeAttempt(CandidateSkeleton& candidate, RunningAttempt& attempt) {
  AnswerSheet& sheet = attempt.sheet;
  PaperSkeleton paper = paperOfSheet(sheet);
  std::vector<QuestionSkeleton> questions;
  // Wall-clock time since the clock started: time away from the seat counts.
  const double sinceStart = static_cast<double>(WallSecondsNow() - sheet.started);
  double used = sinceStart;
  if (!sameEdition(sheet, &questions)) {
    std::cout << "\n\tThis paper has changed since the attempt began: the answers given so far are kept and scored.\n"
              << std::endl;
    pauseScreen();
    sheet.ending = kSheetPaperChanged;
    sheet.timeTaken = used;
    keepJournal(attempt);
  } else if (NextPosition(sheet) >= static_cast<size_t>(sheet.questions)) {
    used = sheet.timeTaken;
  } else if (sheet.allowed - sinceStart < 0) {
    sheet.ending = kSheetTimeUp;
    sheet.timeTaken = used;
    keepJournal(attempt);
    showTimeUp();
  } else {
    clearScreen();
    std::cout << "\n\tResuming " << sheet.subject << " at question " << sheet.answered + 1 << "." << std::endl;
    pauseScreen();
    clearScreen();
    const long long start = elapsedMilliseconds() - static_cast<long long>(sinceStart * 1000.0);
    used = askQuestions(questions, attempt, NextPosition(sheet), start);
  }
  return finishAttempt(candidate, paper, attempt, used, questions);
}
