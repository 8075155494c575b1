#ifndef QUIZMORA_TESTS_SCREEN_TEXTS_H_
#define QUIZMORA_TESTS_SCREEN_TEXTS_H_

// The screen texts that tests of several areas assert, each written once
// here; a text only one test file needs stays in that file.

#include <unistd.h>

#include <string>

#include "console/calendar.h"

// A pause's prompt with the line end it gets under scripted input.
inline const std::string kPause = "Press any key to continue . . . \n";

// What a clear writes to this test's standard output.
inline std::string clear() { return ::isatty(STDOUT_FILENO) ? "\x1b[H\x1b[2J" : "\f"; }

// The home menu after its clear (a form feed: the program's output is piped).
inline std::string homeMenu() {
  return std::string("\f\n        QUIZMORA           ") + dateOfToday() + "\n\n" +
         "\t1 = Queston Builder (TUTOR).   \n\t2 = Assessment Panel (STUDENT).  \n"
         "\t3 = About Quizmora Application.  \n\t4 = Score Board.     \n\t5 = Exit.\n"
         "\n\t\tYour Choice (1,2,3,4,5)  : ";
}

// The home menu's farewell, before its pause.
inline const std::string kGoodbye = "\n\n\t .....................   Have a nice time   ......................\n\n\n";

// The paper catalogue's heading, its end and its message for an empty
// library.
inline const std::string kCatalogueHeading =
    "\n\t\t                           A V A I L A B L E  PAPERS            \n\n\n";
inline const std::string kEndOfList =
    "\n\n\t              *************         End of the List       ***********              \n";
inline const std::string kNoSubjects =
    "\n\n\t ------------------------>  No subjects available currently <------------------------ "
    "\n\t---------------------> Try again later.\n\n";

// The candidate list's heading (after its clear, where there is one) and its
// message when nothing is recorded.
inline const std::string kListHeader =
    "\n " + std::string(119, '*') +
    "\n\n No         \t --------------->  A L L      C A N D I D A T E S  <---------------      \n " +
    std::string(118, '*') + "\n";
inline const std::string kNoCandidates =
    "\n\t   " + std::string(24, '*') + "  No Candidates have been recorded Yet " + std::string(23, '*') + "    \n\n\n";

// The list rows of data_fixture.h's kMaths, kPhysics and kChemistry.
inline const std::string kMathsRow =
    " 1 = Ann Lee                Maths                  66.7%                     9:5:7                 1.23e+03 "
    "Seconds\n";
inline const std::string kPhysicsRow =
    " 2 = Ann Lee                Physics                100%                  10:15:27                     45.1 "
    "Seconds\n";
inline const std::string kChemistryRow =
    " 3 = Ann Lee                Chemistry              50%                    11:0:0                       90 "
    "Seconds\n";

// The score board's question for the candidate to show in detail, and its
// answers to a negative number and to one beyond the `count` rows.
inline const std::string kWhich = "\n\tWhich candidate do you want to View : ";
inline const std::string kNegativeRow =
    "\n  The number you have entered is negative. Only Positive integers are allowed. \n\n" + kPause;
inline std::string rowOutOfRange(int count) {
  return "\n\tThe character/Number you have entered is out of range. The range is between 1 and " +
         std::to_string(count) + "\n\n\t" + kPause;
}

// Ann Lee's particulars as the detail view shows them, with `count`
// attempts.
inline std::string annParticulars(const std::string& count) {
  return "\n\tCandidate Names           : Ann Lee\n"
         "\n\tCandidate ID/Passport     : A12\n"
         "\n\tCandidate Nationality     : Kenya\n"
         "\n\tCandidate Contact Number  : 0700 111 222\n"
         "\n\tCandidate Email           : someone@example.org\n"
         "\n\tTotal Subjects Attempted  : " +
         count + "\n";
}

// The printable file's success message with its pause.
inline const std::string kSavedForPrinting =
    "\n\a  Your file has been saved succesfully for printing.\n  You can search for it in file in file explorer or "
    "in the folder conatiaining your library files.\n\t" +
    kPause;

#endif  // QUIZMORA_TESTS_SCREEN_TEXTS_H_
