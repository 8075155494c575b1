#include "core/question_options.h"

const char* OptionText(QuestionSkeleton& question, int index) {
  switch (index) {
    case 0: return question.setOptionA();
    case 1: return question.setOptionB();
    case 2: return question.setOptionC();
    case 3: return question.setOptionD();
  }
  return "";
}

bool OptionPresent(QuestionSkeleton& question, int index) { return OptionText(question, index)[0] != '\0'; }

ShownOptions OptionsAsStored(QuestionSkeleton& question) {
  ShownOptions shown;
  for (int i = 0; i < kMaxOptions; ++i) {
    if (OptionPresent(question, i)) shown.own[i] = i;
  }
  return shown;
}

int OwnOptionOfTyped(const ShownOptions& shown, char typed) {
  const int letter = optionNumber(typed);  // 1 to 4, or 0
  if (letter == 0 || shown.own[letter - 1] < 0) return 0;
  return shown.own[letter - 1] + 1;
}

char ShownLetterOf(const ShownOptions& shown, int option) {
  for (int i = 0; i < kMaxOptions; ++i) {
    if (shown.own[i] >= 0 && shown.own[i] == option - 1) return static_cast<char>('A' + i);
  }
  return 0;
}

std::string InvalidLetterMessage(const ShownOptions& shown) {
  std::string letters;
  for (int i = 0; i < kMaxOptions; ++i) {
    if (shown.own[i] < 0) continue;
    if (!letters.empty()) letters += ',';
    letters += static_cast<char>('A' + i);
  }
  return "\n\tInvalid input, accepted letters are " + letters + ". Try again please.\n";
}

std::string OptionsProblem(QuestionSkeleton& question) {
  for (int empty = 0; empty < kMaxOptions; ++empty) {
    if (OptionPresent(question, empty)) continue;
    for (int later = empty + 1; later < kMaxOptions; ++later) {
      if (OptionPresent(question, later)) {
        return std::string("option ") + static_cast<char>('A' + empty) + " is empty but option " +
               static_cast<char>('A' + later) + " is not";
      }
    }
  }
  const int correct = question.setQuestionAnswer();
  if (correct >= 1 && correct <= kMaxOptions && !OptionPresent(question, correct - 1)) {
    return std::string("correct option ") + static_cast<char>('A' + correct - 1) + " is empty";
  }
  return "";
}
