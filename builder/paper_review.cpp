#include "builder/paper_review.h"

#include <iostream>
#include <string>

#include "console/console_io.h"

namespace {

void showQuestion(size_t number, QuestionSkeleton& question) {
  std::cout << "\n\t" << number << ". " << question.setQuestion() << std::endl;
  std::cout << "\tA. " << question.setOptionA() << std::endl;
  std::cout << "\tB. " << question.setOptionB() << std::endl;
  std::cout << "\tC. " << question.setOptionC() << std::endl;
  std::cout << "\tD. " << question.setOptionD() << std::endl;
  std::cout << "\n\tAnswer : ";
  const int answer = question.setQuestionAnswer();
  // A stored option outside 1..4 cannot name a letter.
  if (answer >= 1 && answer <= 4) {
    std::cout << "ABCD"[answer - 1] << std::endl;
  } else {
    std::cout << " No Answer " << std::endl;
  }
}

}  // namespace

void showReview(std::vector<QuestionSkeleton>& questions) {
  clearScreen();
  std::cout << "\n\n\t\tReview your Entered Questions and answers." << std::endl;
  std::cout << "\t" << std::string(82, '_') << "\n" << std::endl;
  for (size_t i = 0; i < questions.size(); ++i) showQuestion(i + 1, questions[i]);
  std::cout << "\n\t\t-------------------------> End of your Questions <---------------------------------\n"
            << std::endl;
}

int reviewChoice() {
  flushInput();
  std::cout << "\n\tRead and follow the options below to continue.\n" << std::endl;
  std::cout << "\t\t1 = Save and continue.\n"
            << "\t\t2 = Return to Previous Menu.\n"
            << "\t\t3 = Edit/Change a question.\n"
            << "\t\t4 = Log Out\n"
            << "\n\t\t Your choice >> ";
  return readIntChoice();
}

void wrongReviewChoice() {
  flushInput();
  std::cout << "\n\n\tWrong input, you can try again.\n" << std::endl;
  pauseScreen();
}
