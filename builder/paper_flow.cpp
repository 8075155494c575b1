#include "builder/paper_flow.h"

#include <iostream>
#include <vector>

#include "builder/paper_definition.h"
#include "builder/paper_review.h"
#include "builder/paper_save.h"
#include "builder/practice_attempt.h"
#include "builder/question_edit.h"
#include "builder/question_entry.h"
#include "console/calendar.h"
#include "console/console_io.h"
#include "console/working_record.h"
#include "core/paper_header.h"
#include "records/data_files.h"

// Number of questions of the paper being set.
static int enteredQuestions = 0;

namespace {

// The menu after a save: try the paper, or go back to a tutor menu.
TutorDestination afterSaveMenu(std::vector<QuestionSkeleton>& questions) {
  for (;;) {
    std::cout << "\n\t Follow the options below to continue.\n" << std::endl;
    std::cout << "\n\t\tA = Try attempting your paper more than once to check the correctness of your answers\n"
              << "\t\tB = Return to Previous Menu.\n"
              << "\t\tC = Logout.\n"
              << "\n\tYour choice : ";
    flushInput();
    const char choice = readChoice();
    if (choice == 'A' || choice == 'a') return practisePaper(questions);
    flushInput();
    if (choice == 'B' || choice == 'b') return TutorDestination::kLoggedInMenu;
    if (choice == 'C' || choice == 'c') return TutorDestination::kLoggedOutMenu;
    clearScreen();
    std::cout << "\n\tWrong entry try again...\n\t";
    pauseScreen();
  }
}

// The review loop: shown again after an edit or a wrong choice.
TutorDestination reviewPaper(std::vector<QuestionSkeleton>& questions, PaperSkeleton& paper) {
  for (;;) {
    showReview(questions);
    switch (reviewChoice()) {
      case kReviewSave:
        savePaper(questions, paper, Questionfile);
        // Whether or not the save worked, the tutor chooses what comes next.
        flushInput();
        return afterSaveMenu(questions);
      case kReviewDrop: flushInput(); return TutorDestination::kLoggedInMenu;
      case kReviewEdit: editQuestion(questions); break;
      case kReviewLogOut: flushInput(); endProgram(0);
      default: wrongReviewChoice(); break;
    }
  }
}

}  // namespace

TutorDestination paperFlow(TutorSkeleton& currentTutor, PaperSkeleton& currentPaper) {
  enterSubject(currentTutor, currentPaper);
  const int total = enterQuestionTotal();
  ComposeQuestionFile(abcdData.paperSubject, currentTutor.setCandiLevel(), currentTutor.setCandiNames());

  const double minutes = allowedMinutes(definePaperTime(), total);
  enteredQuestions = total;
  FillPaperHeader(currentPaper, currentTutor, abcdData.paperSubject, enteredQuestions, minutes, dateOfToday());

  // The table is sized for this paper: up to 1000 questions are held whole.
  std::vector<QuestionSkeleton> questions(static_cast<size_t>(enteredQuestions));

  enterQuestions(questions);
  return reviewPaper(questions, currentPaper);
}
