#include "builder/paper_definition.h"

#include <iostream>
#include <string>

#include "console/console_io.h"
#include "console/number_entry.h"
#include "console/working_record.h"
#include "core/limits.h"
#include "core/paper_time.h"

namespace {

bool isTimeLetter(char c) { return c == 'Y' || c == 'y' || c == 'N' || c == 'n' || c == 'D' || c == 'd'; }

// The tutor's own allowance. The entry keeps four characters, so at most
// 9999 can be typed; the range check still names 100000.
double enterMinutes() {
  char text[5];
  const NumberEntry minutes = {
      "\n\tTotal minutes required : ",
      text,
      sizeof text,
      kMaxPaperMinutes,
      nullptr,
      "\nNegatives are not allowed. Only Positive integers are allowed. \n\t",
      "\nThe character/number you have entered is out of range. The range is between 1 and 100000.\n\t",
      nullptr,
      false,
      true,
  };
  return enterNumber(minutes);
}

}  // namespace

void enterSubject(TutorSkeleton& tutor, PaperSkeleton& paper) {
  flushInput();
  std::cout << "\n\tFollow these steps to set your objective quetsion paper.\n" << std::endl;
  readNonEmptyLine("\nSubject Name         : ", abcdData.paperSubject, kMaxSubjectBytes + 1);
  tutor.getsubjectName(abcdData.paperSubject);
  paper.getsubjectName(abcdData.paperSubject);
}

int enterQuestionTotal() {
  char text[20];
  const NumberEntry total = {
      "\n\tTotal Questions     : ",
      text,
      sizeof text,
      kMaxPaperQuestions,
      nullptr,
      "\n  Negatives and blank spaces are not allowed. Only Positive integers are allowed. \n\t",
      "\n  The character/number you have entered is out of range. The range is between 1 and 1000.\n",
      nullptr,
      true,
      false,
  };
  abcdData.questionTotal = enterNumber(total);
  return abcdData.questionTotal;
}

char definePaperTime() {
  clearScreen();
  std::cout << "\n <" << std::string(83, '-') << ">" << std::endl;
  std::cout << "\n\t Y = Allocate time based on 2 mins per quetsion."
            << "\n\t N = Allocate time based on 1 min per quetsion."
            << "\n\t D = Let me allocate time by myself according to my experience.";
  for (;;) {
    std::cout << "\n\tYour Choice : ";
    flushInput();
    const char choice = readChoice();
    if (isTimeLetter(choice)) {
      flushInput();
      return choice;
    }
    // Only the prompt comes back; the choices stay on the screen above.
    std::cout << "\n\tWrong entry try again with Y,N, or D. Thank you.\n";
    flushInput();
  }
}

double allowedMinutes(char choice, int total) {
  if (choice == 'D' || choice == 'd') return enterMinutes();
  flushInput();
  return StandardMinutes(choice, total);
}
