#include "assessment/attempt_review.h"

#include <iostream>

#include "console/console_io.h"

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

void showReview(std::vector<QuestionSkeleton>& questions, const AttemptOrder& order, const std::vector<int>& answers) {
  int correct = 0;
  for (size_t q = 0; q < questions.size(); ++q) {
    if (answers[q] == questions[q].setQuestionAnswer()) ++correct;
  }
  std::cout << "\n\tYou answered " << correct << " of " << questions.size() << " questions correctly.\n" << std::endl;
  for (size_t position = 0; position < order.shown.size(); ++position) {
    const size_t q = static_cast<size_t>(order.shown[position]);
    QuestionSkeleton& question = questions[q];
    const int key = question.setQuestionAnswer();
    if (answers[q] == key) continue;
    std::cout << "\n\t" << position + 1 << ". " << question.setQuestion() << " ?" << std::endl;
    if (answers[q] == 0) {
      std::cout << "\tYour answer    : none" << std::endl;
    } else {
      std::cout << "\tYour answer    : ";
      showOption(question, order.options[q], answers[q]);
    }
    std::cout << "\tCorrect answer : ";
    showOption(question, order.options[q], key);
  }
  pauseScreen();
}
