#include "assessment/candidate_area.h"

#include <iostream>

#include "accounts/login.h"
#include "accounts/registration.h"
#include "assessment/catalogue.h"
#include "assessment/own_results.h"
#include "assessment/take_assessment.h"
#include "console/calendar.h"
#include "console/console_io.h"
#include "console/product.h"
#include "core/limits.h"

namespace {

// Where the candidate goes after a screen of the logged-out side.
enum class LoggedOutNext { kLoggedOutMenu, kHomeMenu };

bool isKey(char typed, char upper) { return typed == upper || typed == upper - 'A' + 'a'; }

// The logged-in side for `candidate` until the candidate logs out. The exit
// keys under it end the program.
void loggedInLoop(CandidateSkeleton& candidate);

}  // namespace

char logged_OUT_STUDENT() {
  flushInput();
  clearScreen();
  std::cout << "\n\t\tYou are currently logged out." << std::endl;
  std::cout << "\n\t******************************************************************************" << std::endl;
  std::cout << "\n\tQ = View available Subjects.\n"
            << "\tR = Register/Sign up.\n"
            << "\tL = Login to your account and start attempting Papers.\n"
            << "\tP = Back to previous menu.\n"
            << "\tE = Exit.\n";
  flushInput();
  std::cout << "\n\t Your choice (R,L,P,E,Q) : ";
  return readChoice();
}

char logged_In_CANDIDATE(CandidateSkeleton& candidate) {
  flushInput();
  clearScreen();
  std::cout << "\n\tYou are currently logged in as " << candidate.setCandiNames() << std::endl;
  greetings(candidate.setCandiNames());
  std::cout << "\n\t******************************************************************************" << std::endl;
  std::cout << "\t\tQ = Available Papers.\n"
            << "\t\tR = Take an assessment.\n"
            << "\t\tS = View my attempted Papers.\n"
            << "\t\tT = Log Out.\n";
  std::cout << "\n\tYour choice (Q,R,S,T)  : ";
  return readChoice();
}

namespace {

// The paper list under the logged-out menu, until R, S or E.
LoggedOutNext loggedOutPaperList() {
  for (;;) {
    displayAllPapers();
    std::cout << "\n\tR = Return to Previous Menu.\n"
              << "\tS = Return to Home Menu.\n"
              << "\tE = Exit Application.\n"
              << "\n\t Your choice  : ";
    const char choice = readChoice();
    if (isKey(choice, 'R')) {
      flushInput();
      return LoggedOutNext::kLoggedOutMenu;
    }
    if (isKey(choice, 'S')) {
      flushInput();
      return LoggedOutNext::kHomeMenu;
    }
    if (isKey(choice, 'E')) endProgram(1);
    std::cout << "\n\n -------------------> Wrong entry, try again <-----------------\n\n.";
    pauseScreen();
    flushInput();
    clearScreen();
  }
}

// The login texts keep at most kMaxAccountTextBytes characters.
constexpr size_t kLoginLimit = kMaxAccountTextBytes + 1;

// Reads one non-empty line into `buf` (kLoginLimit bytes), asking with
// `prompt`.
void readLoginField(const char* prompt, char* buf) {
  do {
    flushInput();
    std::cout << prompt;
    readLine(buf, kLoginLimit);
  } while (buf[0] == '\0');
}

// The login screen; on success the candidate's logged-in side runs before
// this returns.
void loginScreen(CandidateSkeleton& candidate) {
  clearScreen();
  std::cout << "\n\n\tLogin with your ID/Passport Number and Password to Continue..." << std::endl;
  flushInput();
  char id[kLoginLimit];
  char password[kLoginLimit];
  readLoginField("\n\tYour ID/Passport Number   : ", id);
  readLoginField("\n\tYour Password             : ", password);
  flushInput();
  // A refused login leaves the working record as it was.
  CandidateSkeleton account;
  if (LoginStudent(id, password, account)) {
    candidate = account;
    flushInput();
    loggedInLoop(candidate);
    return;
  }
  flushInput();
  std::cout << "\n\tEither your ID or Password is wrong ... \n\t\t\tAccess Denied  \tTry again with a correct ID and "
               "password or register new account.\n\n\t\t";
  pauseScreen();
  clearScreen();
}

void registrationScreen(CandidateSkeleton& candidate) {
  flushInput();
  clearScreen();
  if (!registerCandidate(candidate)) {
    clearScreen();
    return;
  }
  std::cout << "\n";
  pauseScreen();
  loginScreen(candidate);
}

[[noreturn]] void leaveFromLoggedOutMenu() {
  flushInput();
  std::cout << "\n\n\tLet us meet on  " << kProductHostName << "  for more libraries.\n" << std::endl;
  pauseScreen();
  endProgram(1);
}

// The paper list under the logged-in menu. Returns true when the candidate
// logs out; any key but B and E ends the program.
bool loggedInPaperList() {
  displayAllPapers();
  flushInput();
  std::cout << "\n\t"
            << "B = Back to previous." << std::endl;
  std::cout << "\t"
            << "E = Logout." << std::endl;
  std::cout << "\t\tYour Choice : ";
  const char choice = readChoice();
  if (isKey(choice, 'B')) {
    flushInput();
    return false;
  }
  if (isKey(choice, 'E')) {
    flushInput();
    clearScreen();
    return true;
  }
  endProgram(0);
}

// The own results screen and its keys. Returns true when the candidate
// logs out; E ends the program.
bool ownResultsLoop(CandidateSkeleton& candidate) {
  for (;;) {
    const char choice = displayOwnCandidateDetails(candidate);
    flushInput();
    if (isKey(choice, 'B')) return false;
    if (isKey(choice, 'N')) {
      std::cout << "\n\n\t" << candidate.setCandiNames()
                << " now  you are getting Logged out \n\n\t\tGet more libraries from " << kProductHostName << " \n\t\t";
      pauseScreen();
      return true;
    }
    if (isKey(choice, 'E')) {
      std::cout << "\n\n\t\tThank you " << candidate.setCandiNames() << "   Get more libraries from "
                << kProductHostName << " \n\t\t";
      pauseScreen();
      endProgram(1);
    }
    std::cout << "\n\tWrong entry, try again " << candidate.setCandiNames() << "\n\t\t";
    pauseScreen();
    clearScreen();
  }
}

void loggedInLoop(CandidateSkeleton& candidate) {
  for (;;) {
    const char choice = logged_In_CANDIDATE(candidate);
    if (isKey(choice, 'Q')) {
      if (loggedInPaperList()) return;
    } else if (isKey(choice, 'R')) {
      takeAssessment(candidate);
    } else if (isKey(choice, 'S')) {
      flushInput();
      if (ownResultsLoop(candidate)) return;
    } else if (isKey(choice, 'T')) {
      flushInput();
      clearScreen();
      return;
    } else {
      flushInput();
      clearScreen();
      std::cout << "\n\n\tThe key you entered was wrong... try again.\n" << std::endl;
      pauseScreen();
    }
  }
}

}  // namespace

void candidateArea(CandidateSkeleton& currentCandidate) {
  for (;;) {
    flushInput();
    const char choice = logged_OUT_STUDENT();
    if (isKey(choice, 'Q')) {
      if (loggedOutPaperList() == LoggedOutNext::kHomeMenu) return;
    } else if (isKey(choice, 'R')) {
      registrationScreen(currentCandidate);
    } else if (isKey(choice, 'L')) {
      flushInput();
      loginScreen(currentCandidate);
    } else if (isKey(choice, 'P')) {
      flushInput();
      return;
    } else if (isKey(choice, 'E')) {
      leaveFromLoggedOutMenu();
    } else {
      std::cout << "\n\tInvalid Input... try again.\n" << std::endl;
      pauseScreen();
      flushInput();
      clearScreen();
    }
  }
}
