#include "builder/tutor_menus.h"

#include <iostream>
#include <string>

#include "console/calendar.h"
#include "console/console_io.h"

char logged_Out() {
  flushInput();
  clearScreen();
  std::cout << "\n\t\tYou are currently logged out." << std::endl;
  std::cout << "\n\t" << std::string(76, '*') << std::endl;
  std::cout << "\n\tR = Register/ Sign up.\n"
            << "\tL = Login/Sign in to start writting papers.\n"
            << "\tP = Previous Menu.\n"
            << "\tE = Exit.\n";
  flushInput();
  std::cout << "\t\tYour choice : ";
  return readChoice();
}

char logged_In_TUTOR(TutorSkeleton& tutor) {
  flushInput();
  clearScreen();
  std::cout << "\n\tYou are currently logged in as " << tutor.setCandiNames() << std::endl;
  greetings(tutor.setCandiNames());
  std::cout << "\n\t" << std::string(78, '*') << std::endl;
  std::cout << "\t\tQ = Set a Paper.\n"
            << "\t\tR = View all Papers.\n"
            << "\t\tT = All student Performance.\n"
            << "\t\tV = Log Out."
            << "\n\t\tYour choice (Q,R,T,V)  : ";
  flushInput();
  return readChoice();
}
