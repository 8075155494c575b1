#include "builder/question_entry.h"

#include <iostream>

#include "console/console_io.h"
#include "console/working_record.h"
#include "core/limits.h"

namespace {

// Read limits of the texts: they keep what a record field can hold.
constexpr size_t kQuestionLimit = kMaxQuestionBytes + 1;
constexpr size_t kOptionLimit = kMaxOptionBytes + 1;

// One option: its heading, then its text until one is typed.
void enterOption(const char* heading, char* buffer) {
  std::cout << heading << std::endl;
  flushInput();
  readNonEmptyLine("\t", buffer, kOptionLimit);
}

int enterCorrectOption() {
  for (;;) {
    flushInput();
    std::cout << "\n\tWhat is the Correct Option : ";
    abcdData.correctLetter = readChoice();
    const int option = optionNumber(abcdData.correctLetter);
    if (option != 0) return option;
    std::cout << "\n\tWrong input...  try again\n" << std::endl;
  }
}

}  // namespace

void enterQuestion(QuestionSkeleton& question) {
  flushInput();
  readNonEmptyLine("\t", abcdData.questionText, kQuestionLimit);
  question.getQuestion(abcdData.questionText);
  enterOption("\n\tOption A", abcdData.optionAText);
  question.getOptionA(abcdData.optionAText);
  enterOption("\n\tOption B", abcdData.optionBText);
  question.getOptionB(abcdData.optionBText);
  enterOption("\n\tOption C", abcdData.optionCText);
  question.getOptionC(abcdData.optionCText);
  enterOption("\n\tOption D", abcdData.optionDText);
  question.getOptionD(abcdData.optionDText);
  question.getQuestionAnswer(enterCorrectOption());
}

void enterQuestions(std::vector<QuestionSkeleton>& questions) {
  int onScreen = 0;  // questions typed since the screen was last cleared
  for (size_t i = 1; i <= questions.size(); ++i) {
    if (onScreen == 2) {
      clearScreen();
      std::cout << "\n\tContinuing from Question : " << i << std::endl;
      onScreen = 0;
    }
    ++onScreen;
    std::cout << "\n\tQuestion " << i << std::endl;
    enterQuestion(questions[i - 1]);
  }
}
