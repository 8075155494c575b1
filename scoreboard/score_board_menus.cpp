#include "scoreboard/score_board_menus.h"

#include <iostream>

#include "console/console_io.h"
#include "console/number_entry.h"
#include "console/product.h"
#include "console/working_record.h"
#include "scoreboard/candidate_details.h"
#include "scoreboard/candidate_list.h"
#include "scoreboard/printable_results.h"

namespace {

bool isKey(char typed, char key) { return typed == key || typed == key + ('a' - 'A'); }

// Clears the screen and draws the list of every saved attempt. Returns the
// number of rows, the highest candidate number accepted.
int openList() {
  flushInput();
  clearScreen();
  return displayCandidates();
}

// Asks for a row number of the list until one from 1 to `count` is typed.
int chooseCandidate(int count) {
  const NumberEntry entry{
      "\n\tWhich candidate do you want to View : ",
      abcdData.viewText,
      sizeof abcdData.viewText,
      count,
      nullptr,
      "\n  The number you have entered is negative. Only Positive integers are allowed. \n\n",
      "\n\tThe character/Number you have entered is out of range. The range is between 1 and ",
      "\n\n\t",
      false,
      true,
  };
  abcdData.viewNumber = enterNumber(entry);
  return abcdData.viewNumber;
}

// Shows the chosen candidate and then the P/E menu under it. Returns only for
// P (back to the list); E, or a result file that cannot be read, ends the
// program.
void viewChosenCandidate(int count, DetailLayout layout, const char* banner) {
  if (!viewCandidateDetails(chooseCandidate(count), layout)) endProgram(0);
  for (;;) {
    flushInput();
    std::cout << banner << std::endl;
    std::cout << "\tP = Previous menu." << std::endl;
    std::cout << "\tE = Exit." << std::endl;
    std::cout << "\n\tYour choice (P, E)  : ";
    const char choice = readChoice();
    if (isKey(choice, 'P')) return;
    if (isKey(choice, 'E')) endProgram(1);
    flushInput();
    std::cout << "\n\tWrong Entry, try again...\n" << std::endl;
  }
}

// The tutor's menu when nothing has been recorded; returns for U.
void tutorEmptyListMenu() {
  for (;;) {
    std::cout << "\n\n\tU = Return to previous Menu." << std::endl;
    std::cout << "\tE = Exit Application." << std::endl;
    std::cout << "\n\t\tEnter your Option( U,E ) : ";
    const char choice = readChoice();
    flushInput();
    if (isKey(choice, 'U') || isKey(choice, 'E')) {
      clearScreen();
      if (isKey(choice, 'E')) endProgram(1);
      return;
    }
    std::cout << " \n Wrong entry try again...\n";
  }
}

enum class TutorChoice { kView, kPrint, kReturn };

// The tutor's menu under a list; returns the choice taken, or ends the
// program for E.
TutorChoice tutorMainMenu() {
  for (;;) {
    std::cout << "\n\tV = View Candidate in Detail." << std::endl;
    std::cout << "\tP = Save for printing." << std::endl;
    std::cout << "\tU = Return to previous Menu." << std::endl;
    std::cout << "\tE = Exit Application." << std::endl;
    std::cout << "\n\t\tEnter your option ( V,P,U,E ) : ";
    const char choice = readChoice();
    if (isKey(choice, 'V')) return TutorChoice::kView;
    if (isKey(choice, 'P')) return TutorChoice::kPrint;
    flushInput();
    if (isKey(choice, 'U')) {
      clearScreen();
      return TutorChoice::kReturn;
    }
    if (isKey(choice, 'E')) {
      std::cout << "\n\n\t------------------------>         We meet again          <-------------------------\n\n"
                << std::endl;
      std::cout << "\t\t---------------> Visit: " << kProductWebUrl << " and download New Libraries  <----------------"
                << std::endl;
      endProgram(1);
    }
    std::cout << "\n\t\tWrong input... try again.\n";
  }
}

// The Score Board's menu when nothing has been recorded; returns for U.
void scoreBoardEmptyListMenu() {
  for (;;) {
    flushInput();
    std::cout << "\n\tU = Return to previous Menu." << std::endl;
    std::cout << "\tE = Exit Application." << std::endl;
    std::cout << "\n\t\tEnter your Option( U,E ): ";
    const char choice = readChoice();
    flushInput();
    if (isKey(choice, 'U') || isKey(choice, 'E')) {
      clearScreen();
      if (isKey(choice, 'E')) endProgram(0);
      return;
    }
    std::cout << " \n Wrong entry try again...\n";
  }
}

// The Score Board's menu under a list. Returns true for V, false for U; ends
// the program for E. Its prompt names a W that it does not offer.
bool scoreBoardMainMenu() {
  for (;;) {
    std::cout << "\n\tV = View Candidate in Detail." << std::endl;
    std::cout << "\tU = Return to previous Menu." << std::endl;
    std::cout << "\tE = Exit Application." << std::endl;
    flushInput();
    std::cout << "\n\t\tEnter your Option( V,W,U,E ): ";
    const char choice = readChoice();
    if (isKey(choice, 'V')) return true;
    flushInput();
    if (isKey(choice, 'U')) {
      clearScreen();
      return false;
    }
    if (isKey(choice, 'E')) {
      std::cout << "\n\n\t\t <----------------   We meet again   ---------------- >\n\n" << std::endl;
      endProgram(1);
    }
    std::cout << "\n\t\tWrong input... try again.\n";
  }
}

}  // namespace

void scoreBoardArea(int& totalCandidates) {
  for (;;) {
    totalCandidates = openList();
    if (totalCandidates == 0) {
      scoreBoardEmptyListMenu();
      return;
    }
    if (!scoreBoardMainMenu()) return;
    viewChosenCandidate(totalCandidates, DetailLayout::kScoreBoard,
                        "\t-------------------> Choose options below to continue <--------------------- \n");
  }
}

TutorDestination studentPerformanceView() {
  for (;;) {
    const int count = openList();
    if (count == 0) {
      tutorEmptyListMenu();
      return TutorDestination::kLoggedInMenu;
    }
    switch (tutorMainMenu()) {
      case TutorChoice::kView:
        viewChosenCandidate(
            count, DetailLayout::kTutor,
            "\t   ------------------->     Choose options below to continue     <---------------------\n");
        break;
      case TutorChoice::kPrint: savePrintableResults(); return TutorDestination::kViewAllPapers;
      case TutorChoice::kReturn: return TutorDestination::kLoggedInMenu;
    }
  }
}
