#include "builder/practice_attempt.h"

#include <iomanip>
#include <iostream>

#include "builder/question_entry.h"
#include "console/console_io.h"
#include "console/working_record.h"
#include "core/question_options.h"

namespace {

// Shows a question with its options under the letters `shown` gives; an
// option that is not offered has no line.
void showQuestion(size_t number, QuestionSkeleton& question, const ShownOptions& shown) {
  std::cout << "\n" << number << ". " << question.setQuestion() << " ?" << std::endl;
  for (int letter = 0; letter < kMaxOptions; ++letter) {
    if (shown.own[letter] < 0) continue;
    std::cout << static_cast<char>('A' + letter) << ". " << OptionText(question, shown.own[letter]) << std::endl;
  }
}

// Asks until an offered letter (either case) is typed; returns the number of
// the question's own option it stands for (1 = A ... 4 = D).
int readAnswer(const ShownOptions& shown) {
  for (;;) {
    flushInput();
    std::cout << "  Your choice : ";
    abcdData.answerLetter = readChoice();
    abcdData.answerNumber = OwnOptionOfTyped(shown, abcdData.answerLetter);
    if (abcdData.answerNumber != 0) return abcdData.answerNumber;
    std::cout << InvalidLetterMessage(shown);
  }
}

// One run through the paper; returns the score in percent.
double runOnce(std::vector<QuestionSkeleton>& questions) {
  int correct = 0;
  int onScreen = 0;  // questions answered since the screen was last cleared
  clearScreen();
  std::cout << "\n\tTake on an Exercise on this paper to test whether the results match your expectations.\n"
            << std::endl;
  flushInput();
  for (size_t i = 1; i <= questions.size(); ++i) {
    QuestionSkeleton& question = questions[i - 1];
    const ShownOptions shown = OptionsAsStored(question);
    showQuestion(i, question, shown);
    if (readAnswer(shown) == question.setQuestionAnswer()) ++correct;
    if (++onScreen == 4) {
      clearScreen();
      std::cout << "\n\t ---------------> Continuing from Question : " << i << "  <------------------" << std::endl;
      onScreen = 0;
    }
  }
  flushInput();
  // A new paper always has at least one question.
  return correct * 100.0 / static_cast<double>(questions.size());
}

enum class ResultChoice { kTryAgain, kLoggedIn, kLoggedOut };

ResultChoice resultMenu() {
  for (;;) {
    std::cout << "\n\t\tFollow the options below to continue.\n"
              << "\t\tY = Try again.\n"
              << "\t\tN = Return to previous menu.\n"
              << "\t\tE = Log out\n"
              << "\t\tYour choice : ";
    const char choice = readChoice();
    flushInput();
    if (choice == 'E' || choice == 'e') return ResultChoice::kLoggedOut;
    clearScreen();
    if (choice == 'Y' || choice == 'y') return ResultChoice::kTryAgain;
    if (choice == 'N' || choice == 'n') return ResultChoice::kLoggedIn;
    std::cout << "\n\n\tWrong entry, try again...\n\t";
    pauseScreen();
  }
}

}  // namespace

TutorDestination practisePaper(std::vector<QuestionSkeleton>& questions) {
  for (;;) {
    const double score = runOnce(questions);
    // The precision is left set on the console output; later screens inherit it.
    std::cout << "\n\t\tYour score : " << std::setprecision(3) << score << " %" << std::endl;
    switch (resultMenu()) {
      case ResultChoice::kTryAgain: break;
      case ResultChoice::kLoggedIn: return TutorDestination::kLoggedInMenu;
      case ResultChoice::kLoggedOut: return TutorDestination::kLoggedOutMenu;
    }
  }
}
