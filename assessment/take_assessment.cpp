#include "assessment/take_assessment.h"

#include <iostream>
#include <string>

#include "assessment/catalogue.h"
#include "assessment/timed_assessment.h"
#include "console/calendar.h"
#include "console/console_io.h"
#include "core/attempts.h"

namespace {

// Reports the failure of one file's append; `openFailure` is the message
// when the file could not be opened.
void reportSaveFailure(const StoreStatus& status, const char* openFailure) {
  if (status.ok()) return;
  // A file that could not be opened was not written either, so the write
  // failure is reported after the open failure.
  if (status.openFailed()) std::cerr << openFailure << std::endl;
  std::cerr << "\n\tError encountered while saving your score to file." << std::endl;
}

void sayThankYou() {
  clearScreen();
  std::cout << "\n\n\tThank you for your time, keep trying all papers provided by your tutor. Remember final "
               "examination is soon...!\n\n";
  std::cout << "\t\t\t  **************************   Now returning to previous menu   **************************\n"
            << std::endl;
  pauseScreen();
}

// Returns the key typed under the save-or-drop menu.
char saveOrDropChoice() {
  std::cout << "\n\n\tChoose from options below to proceed.\n"
            << "\tQ = Attempt another Paper.\n"
            << "\tN = Save and continue.\n"
            << "\n\t\tYour Choice  : ";
  flushInput();
  return readChoice();
}

}  // namespace

bool saveAttempt(const CandidateSkeleton& candidate) {
  const AttemptSave saved = SaveAttemptRecords(candidate);
  reportSaveFailure(saved.common, "\n\n\t\tError while opening a file to write your score. Ooops!");
  reportSaveFailure(saved.own, "\n\n\tError while opening a file to write your score. Ooops!");
  return saved.ok();
}

void takeAssessment(CandidateSkeleton& candidate) {
  if (emptySubjectLib()) {
    pauseScreen();
    return;
  }
  const double score = assessmentTemplate(candidate);
  if (score < 0) {
    pauseScreen();
    return;
  }
  // Date and time of the result, taken after its screen was shown.
  candidate.getcandiscores(score);
  candidate.getDateAttempted(dateOfToday());
  candidate.getTimeAttempted(currentTime());

  flushInput();
  for (;;) {
    const char choice = saveOrDropChoice();
    if (choice == 'Q' || choice == 'q') {
      flushInput();
      clearScreen();
      return;
    }
    if (choice == 'N' || choice == 'n') {
      saveAttempt(candidate);
      sayThankYou();
      return;
    }
    flushInput();
    clearScreen();
    std::cout << "\n\t\tWrong entry, try again with accepted letter.\tThank you.\n\n";
  }
}
