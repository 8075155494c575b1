#include "builder/tutor_area.h"

#include <iostream>
#include <string>

#include "accounts/login.h"
#include "accounts/registration.h"
#include "assessment/catalogue.h"
#include "builder/paper_flow.h"
#include "builder/tutor_menus.h"
#include "console/console_io.h"
#include "console/destinations.h"
#include "core/limits.h"
#include "scoreboard/score_board_menus.h"

namespace {

// The screens of the tutor area; each step below shows one and returns the
// next. kHome leaves the area.
enum class Screen { kLoggedOut, kRegistration, kLogin, kLoggedIn, kViewAllPapers, kHome };

// The login texts keep at most kMaxAccountTextBytes characters.
constexpr size_t kLoginLimit = kMaxAccountTextBytes + 1;

void showWelcome() {
  clearScreen();
  std::cout << "\n\tWelcome to Objective Paper builder Section.\n\tWhile here, you can write up questions and there "
               "respective options (A,B,C,D) and answers."
            << std::endl;
  std::cout << "\tFollow the procedures upto the end." << std::endl;
  std::cout << "\tWhen you are done, your question paper will be available in the Assessment Panel." << std::endl;
  std::cout << "\n\tFor better interrcation with this Application, you can Maximise this window." << std::endl;
  std::cout << "\t" << std::string(77, '*') << "\n\t";
  pauseScreen();
  clearScreen();
  flushInput();
}

Screen loggedOutMenu() {
  switch (logged_Out()) {
    case 'R':
    case 'r': return Screen::kRegistration;
    case 'L':
    case 'l': return Screen::kLogin;
    case 'P':
    case 'p':
      flushInput();
      clearScreen();
      return Screen::kHome;
    case 'E':
    case 'e': endProgram(1);
    default: break;
  }
  flushInput();
  clearScreen();
  std::cout << "\n\t\t\t---------------------> Wrong entry... try again <------------------------\n" << std::endl;
  return Screen::kLoggedOut;
}

// A failed registration (the account file is not writable, as its own
// messages said) shows the form again; a successful one never logs in.
Screen registration(TutorSkeleton& tutor, PaperSkeleton& paper) {
  flushInput();
  if (!registerTutor(tutor, paper)) return Screen::kRegistration;
  std::cout << "\n\tYour account has been successfully registerd, now you can login and start writting Exams.\n"
               "\tAlways remember your ID/Passport Number for Login Access. Thank you!\n"
            << std::endl;
  pauseScreen();
  return Screen::kLogin;
}

void readLoginText(const char* prompt, char* text) {
  do {
    flushInput();
    std::cout << prompt;
    readLine(text, kLoginLimit);
  } while (text[0] == '\0');
}

Screen loginScreen(TutorSkeleton& tutor) {
  flushInput();
  clearScreen();
  std::cout << "\n\tLogin with your ID/Passport Number and your Password to Continue..." << std::endl;
  std::cout << "\t" << std::string(87, '*') << std::endl;
  char id[kLoginLimit];
  char password[kLoginLimit];
  readLoginText("\n   Your ID/Passport Number   : ", id);
  readLoginText("\n   Your Password             : ", password);
  const bool loggedIn = loginTutor(id, password, tutor);
  flushInput();
  if (loggedIn) return Screen::kLoggedIn;
  std::cout << "\n\tEither your ID or Password is wrong ... \tAccess Denied   Try again with a correct ID or register "
               "new account.\n\n\t\t";
  pauseScreen();
  return Screen::kLoggedOut;
}

Screen screenFor(TutorDestination destination) {
  switch (destination) {
    case TutorDestination::kLoggedOutMenu: return Screen::kLoggedOut;
    case TutorDestination::kViewAllPapers: return Screen::kViewAllPapers;
    case TutorDestination::kLoggedInMenu: break;
  }
  return Screen::kLoggedIn;
}

Screen loggedInMenu(TutorSkeleton& tutor, PaperSkeleton& paper) {
  switch (logged_In_TUTOR(tutor)) {
    case 'Q':
    case 'q': return screenFor(paperFlow(tutor, paper));
    case 'R':
    case 'r': return Screen::kViewAllPapers;
    case 'T':
    case 't': flushInput(); return screenFor(studentPerformanceView());
    case 'V':
    case 'v':
      flushInput();
      clearScreen();
      return Screen::kLoggedOut;
    default: break;
  }
  flushInput();
  clearScreen();
  std::cout << "\n\t\t----------------------> Wrong entry try again <----------------------\n" << std::endl;
  return Screen::kLoggedIn;
}

// A wrong key shows the list again.
Screen viewAllPapers() {
  for (;;) {
    displayAllPapers();
    flushInput();
    std::cout << "\n\tB = Back to previous." << std::endl;
    std::cout << "\tE = Logout." << std::endl;
    std::cout << "\n\t\tYour choice : ";
    switch (readChoice()) {
      case 'B':
      case 'b': flushInput(); return Screen::kLoggedIn;
      case 'E':
      case 'e':
        flushInput();
        clearScreen();
        return Screen::kHome;
      default: break;
    }
    flushInput();
    clearScreen();
    std::cout << "\n\tWrong entry try again...\n";
  }
}

}  // namespace

void tutorArea(TutorSkeleton& currentTutor, PaperSkeleton& currentPaper) {
  showWelcome();
  Screen screen = Screen::kLoggedOut;
  while (screen != Screen::kHome) {
    switch (screen) {
      case Screen::kLoggedOut: screen = loggedOutMenu(); break;
      case Screen::kRegistration: screen = registration(currentTutor, currentPaper); break;
      case Screen::kLogin: screen = loginScreen(currentTutor); break;
      case Screen::kLoggedIn: screen = loggedInMenu(currentTutor, currentPaper); break;
      case Screen::kViewAllPapers: screen = viewAllPapers(); break;
      case Screen::kHome: break;
    }
  }
}
