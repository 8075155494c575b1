#include "home/home.h"

#include <iostream>

#include "assessment/candidate_area.h"
#include "builder/tutor_area.h"
#include "console/calendar.h"
#include "console/console_io.h"
#include "console/product.h"
#include "records/candidate_skeleton.h"
#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"
#include "scoreboard/score_board_menus.h"

int menu() {
  flushInput();
  std::cout << "\n        QUIZMORA           " << dateOfToday() << "\n" << std::endl;
  std::cout << "\t1 = Queston Builder (TUTOR).   \n\t2 = Assessment Panel (STUDENT).  \n"
               "\t3 = About Quizmora Application.  \n\t4 = Score Board.     \n\t5 = Exit."
            << std::endl;
  std::cout << "\n\t\tYour Choice (1,2,3,4,5)  : ";
  return readIntChoice();
}

namespace {

void printAboutText() {
  std::cout << "\n  ********************************  QUIZMORA  ********************************\n" << std::endl;
  std::cout << "\n  This application is purposely for testing on objective styled questions. \n"
               "  You can use it at home, school or organisation which has an assessment programs."
            << std::endl;
  std::cout << "\n  The best way to use this applications is to navigate around it and test out \n"
               "  all the options it has. If you are using it at home, it can keep your children busy \n"
               "  attempting the questions set by your home tutor or yourself.\n"
            << std::endl;
  std::cout << "\n  Get tutors for different subjects which offer objective styled questions \n"
               "  to write for you the papers of your choice or you can get libraries containing \n"
               "  different subjects from our online storage.\n"
            << std::endl;
  std::cout << "\n  ******************************************************************************\n" << std::endl;
}

[[noreturn]] void sayGoodbye() {
  std::cout << "\n\n\t .....................   Have a nice time   ......................\n\n" << std::endl;
  pauseScreen();
  endProgram(0);
}

void wrongHomeChoice() {
  flushInput();
  std::cout << "\n\tYou have entered a wrong character, only numbers 1,2,3,4 or 5 are required try again...\n"
            << std::endl;
  pauseScreen();
}

}  // namespace

void aboutScreen() {
  flushInput();
  clearScreen();
  printAboutText();
  for (;;) {
    std::cout << "\n  You can find more about how to use this quizmora App by visiting us on " << kProductWebUrl
              << " \n";
    std::cout << "\n\tH = Return to previous menu." << std::endl;
    std::cout << "\tF = Exit Application.\n" << std::endl;
    std::cout << "\n\tYour Choice : ";
    const char choice = readChoice();
    flushInput();
    clearScreen();
    if (choice == 'H' || choice == 'h') return;
    if (choice == 'F' || choice == 'f') {
      std::cout << "\n\n\t\tThank you for your time...\n\n" << std::endl;
      endProgram(0);
    }
    std::cout << "\n\tWrong input, try again\n" << std::endl;
  }
}

void runHomeLoop(int& totalCandidates) {
  for (;;) {
    clearScreen();
    flushInput();
    // The areas' working records live for one pass: coming back here always
    // ends a login.
    TutorSkeleton currentTutor;
    CandidateSkeleton currentCandidate;
    PaperSkeleton currentPaper;
    switch (menu()) {
      case 1: tutorArea(currentTutor, currentPaper); break;
      case 2: candidateArea(currentCandidate); break;
      case 3: aboutScreen(); break;
      case 4: scoreBoardArea(totalCandidates); break;
      case 5: sayGoodbye();
      default: wrongHomeChoice(); break;
    }
  }
}
