#include "assessment/attempt_review.h"

#include <iostream>

#include "console/console_io.h"
#include "core/answer_sheets.h"
#include "core/attempt_order.h"

namespace {

// Prints the letter an own option was shown under, and its text. A key
// naming an option the screen never offered (a damaged record) keeps its
// own letter.
void showOption(QuestionSkeleton& question, const ShownOptions& shown, int option) {
  char letter = ShownLetterOf(shown, option);
  if (letter == 0) letter = option >= 1 && option <= kMaxOptions ? static_cast<char>('A' + option - 1) : '?';
  const char* text = option >= 1 && option <= kMaxOptions ? OptionText(question, option - 1) : "";
  std::cout << letter << ". " << text << std::endl;
}

}  // namespace

void showReview(std::vector<QuestionSkeleton>& questions, const AnswerSheet& sheet) {
  const AttemptOrder order = OrderOfAttempt(sheet.order, questions);
  std::cout << "\n\tYou answered " << CorrectAnswers(sheet) << " of " << sheet.questions << " questions correctly.\n"
            << std::endl;
  for (size_t position = 0; position < order.shown.size(); ++position) {
    const size_t q = static_cast<size_t>(order.shown[position]);
    if (sheet.answers[q] != 0 && sheet.answers[q] == sheet.key[q]) continue;
    QuestionSkeleton& question = questions[q];
    std::cout << "\n\t" << position + 1 << ". " << question.setQuestion() << " ?" << std::endl;
    if (sheet.answers[q] == 0) {
      std::cout << "\tYour answer    : none" << std::endl;
    } else {
      std::cout << "\tYour answer    : ";
      showOption(question, order.options[q], sheet.answers[q] - 'A' + 1);
    }
    std::cout << "\tCorrect answer : ";
    showOption(question, order.options[q], question.setQuestionAnswer());
  }
  pauseScreen();
}
