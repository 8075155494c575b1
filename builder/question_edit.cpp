#include "builder/question_edit.h"

#include <iostream>

#include "builder/question_entry.h"
#include "console/console_io.h"
#include "console/number_entry.h"

namespace {

int enterQuestionNumber(int highest) {
  char text[5];
  const NumberEntry number = {
      "\n\n   Which Number do you want to Edit : ",
      text,
      sizeof text,
      highest,
      "\n\n   You have entered : ",
      "\n   The number/character you have entered is negative. Only Positive integers are allowed. \n\n",
      "\n\tThe character/Number you have entered is out of range. The range is between 1 and ",
      "\n\t",
      false,
      true,
  };
  return enterNumber(number);
}

}  // namespace

void editQuestion(std::vector<QuestionSkeleton>& questions) {
  const int number = enterQuestionNumber(static_cast<int>(questions.size()));
  std::cout << "\n\tQuestion " << number << std::endl;
  enterQuestion(questions[number - 1]);
  std::cout << "\n\tQuestion number :  " << number << "  has been successfully edited.\n" << std::endl;
  pauseScreen();
  clearScreen();
}
