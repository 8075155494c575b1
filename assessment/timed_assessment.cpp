#include "assessment/timed_assessment.h"

#include <iostream>
#include <vector>

#include "assessment/attempt_review.h"
#include "assessment/elapsed_clock.h"
#include "console/console_io.h"
#include "console/number_entry.h"
#include "console/working_record.h"
#include "core/attempt_order.h"
#include "core/paper_settings.h"
#include "core/question_options.h"
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
// most that many, and a count of zero or below means none.
std::vector<QuestionSkeleton> loadQuestions(PaperSkeleton& paper) {
  ComposeQuestionFile(paper.setsubjectName(), paper.setPaperLevel(), paper.setCandiNames());
  const int declared = paper.setTotalQuestions();
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

// Asks the questions in the attempt's order while time is left, checking
// the clock only before a question is shown. Keeps each answer (the own
// option number) in `answers` under the question's own index. Returns the
// number answered correctly and sets `secondsUsed` to the real time since
// `start` when the loop ended.
int askQuestions(std::vector<QuestionSkeleton>& questions, const AttemptOrder& order, long long start, double allowance,
                 double& secondsUsed, std::vector<int>& answers) {
  int correct = 0;
  int onScreen = 0;
  for (size_t position = 0; position < questions.size(); ++position) {
    const double elapsed = elapsedSecondsSince(start);
    const double remaining = allowance - elapsed;
    if (remaining < 0) {
      secondsUsed = elapsed;
      std::cout << "\n\tSorry, Time up. But dont worry your results have been saved succesfully for only the "
                   "attempted questions.\n\n";
      pauseScreen();
      return correct;
    }
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
    answers[index] = abcdData.answerNumber;
    if (abcdData.answerNumber == questions[index].setQuestionAnswer()) ++correct;
  }
  secondsUsed = elapsedSecondsSince(start);
  return correct;
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

}  // namespace

double assessmentTemplate(CandidateSkeleton& candidate) {
  // Kept between calls as the screens always have; each call sets both
  // before reading them.
  static double time_UP;
  static double timeUsed;

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
  const AttemptOrder order =
      OrderOfAttempt(DrawOrderSeed(settings.shuffleQuestions, settings.shuffleOptions), questions);
  std::vector<int> answers(questions.size(), 0);
  const long long start = elapsedMilliseconds();
  time_UP = paper.setTimeAllowed() * 60.0;

  const int correct = askQuestions(questions, order, start, time_UP, timeUsed, answers);
  // A paper without question records scores 0 rather than dividing by zero.
  const double score = questions.empty() ? 0.0 : static_cast<double>(correct) * 100.0 / questions.size();
  showResult(paper, score, timeUsed);
  if (settings.review) showReview(questions, order, answers);
  candidate.getTimeTaken(timeUsed <= time_UP ? timeUsed : time_UP);
  return score;
}
