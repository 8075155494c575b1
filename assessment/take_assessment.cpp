#include "assessment/take_assessment.h"

#include <iostream>
#include <string>

#include "assessment/catalogue.h"
#include "console/calendar.h"
#include "console/console_io.h"
#include "core/answer_sheets.h"
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

const char* const kWrongLetter = "\n\t\tWrong entry, try again with accepted letter.\tThank you.\n\n";

// Returns the key typed under the save-or-drop menu.
char saveOrDropChoice() {
  std::cout << "\n\n\tChoose from options below to proceed.\n"
            << "\tQ = Attempt another Paper.\n"
            << "\tN = Save and continue.\n"
            << "\n\t\tYour Choice  : ";
  flushInput();
  return readChoice();
}

// What the candidate's unfinished attempt, if any, leads to.
enum class Unfinished { kNone, kBusy, kResume, kDropped };

// Offers the candidate's unfinished attempt, when the journal holds one:
// R resumes it (the journal stays held in `attempt`), D drops it. A
// journal another seat holds is refused with its message.
Unfinished offerUnfinished(CandidateSkeleton& candidate, RunningAttempt& attempt) {
  switch (attempt.journal.Open(candidate.setIDNumber(), candidate.setCandiNames(), &attempt.sheet)) {
    case AttemptJournal::Found::kNone: return Unfinished::kNone;
    case AttemptJournal::Found::kBusy:
      std::cout << "\n\tThis attempt is running on another seat; finish it there first.\n" << std::endl;
      pauseScreen();
      return Unfinished::kBusy;
    case AttemptJournal::Found::kHeld: break;
  }
  const AnswerSheet& sheet = attempt.sheet;
  clearScreen();
  for (;;) {
    std::cout << "\n\tYou have an unfinished attempt of " << sheet.subject << " (" << sheet.answered << " of "
              << sheet.questions << " questions answered)." << std::endl;
    std::cout << "\n\tR = Resume it.\n"
              << "\tD = Drop it and choose a paper.\n"
              << "\n\t\tYour Choice  : ";
    flushInput();
    const char choice = readChoice();
    if (choice == 'R' || choice == 'r') return Unfinished::kResume;
    if (choice == 'D' || choice == 'd') {
      attempt.journal.Remove();
      return Unfinished::kDropped;
    }
    flushInput();
    clearScreen();
    std::cout << kWrongLetter;
  }
}

}  // namespace

bool saveAttempt(const CandidateSkeleton& candidate, RunningAttempt& attempt) {
  const AttemptSave saved = SaveAttempt(candidate, attempt.sheet, attempt.journal);
  reportSaveFailure(saved.common, "\n\n\t\tError while opening a file to write your score. Ooops!");
  reportSaveFailure(saved.own, "\n\n\tError while opening a file to write your score. Ooops!");
  if (saved.answersTried && !saved.answers.ok()) {
    std::cerr << "\n\tError encountered while saving your answers to file.";
  }
  return saved.ok();
}

void takeAssessment(CandidateSkeleton& candidate) {
  RunningAttempt attempt;
  const Unfinished unfinished = offerUnfinished(candidate, attempt);
  if (unfinished == Unfinished::kBusy) return;
  double score = 0;
  if (unfinished == Unfinished::kResume) {
    score = resumeAttempt(candidate, attempt);
  } else {
    if (emptySubjectLib()) {
      pauseScreen();
      return;
    }
    score = assessmentTemplate(candidate, attempt);
    if (score < 0) {
      pauseScreen();
      return;
    }
  }
  // Date and time of the result, taken after its screen was shown.
  const std::string date = dateOfToday();
  const std::string time = currentTime();
  candidate.getcandiscores(score);
  candidate.getDateAttempted(date.c_str());
  candidate.getTimeAttempted(time.c_str());
  CloseSheet(attempt.sheet, score, candidate.setTimeTaken(), date.c_str(), time.c_str());

  flushInput();
  for (;;) {
    const char choice = saveOrDropChoice();
    if (choice == 'Q' || choice == 'q') {
      attempt.journal.Remove();
      flushInput();
      clearScreen();
      return;
    }
    if (choice == 'N' || choice == 'n') {
      saveAttempt(candidate, attempt);
      sayThankYou();
      return;
    }
    flushInput();
    clearScreen();
    std::cout << kWrongLetter;
  }
}
