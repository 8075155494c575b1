#ifndef QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_
#define QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_

// Shared by the paper builder's tests: the console's fixed texts, scripted
// answers for typing questions, and the records they make.

#include <unistd.h>

#include <string>
#include <vector>

#include "records/question_skeleton.h"

namespace builder_test {

const std::string kPause = "Press any key to continue . . . \n";

// What clearScreen writes to the captured output.
inline std::string clear() { return ::isatty(STDOUT_FILENO) ? "\x1b[H\x1b[2J" : "\f"; }

// The lines that type question `i` with the correct option `correct`.
inline std::string questionLines(int i, char correct) {
  const std::string n = std::to_string(i);
  return "Question " + n + "\nA" + n + "\nB" + n + "\nC" + n + "\nD" + n + "\n" + correct + "\n";
}

// What the console shows while question `i` is typed without a mistake.
inline std::string questionPrompts(int i) {
  return "\n\tQuestion " + std::to_string(i) +
         "\n\t\n\tOption A\n\t\n\tOption B\n\t\n\tOption C\n\t\n\tOption D\n\t\n\tWhat is the Correct Option : ";
}

// A question as typed by questionLines.
inline QuestionSkeleton makeQuestion(int i, int answer) {
  const std::string n = std::to_string(i);
  QuestionSkeleton q;
  q.getQuestion(("Question " + n).c_str());
  q.getOptionA(("A" + n).c_str());
  q.getOptionB(("B" + n).c_str());
  q.getOptionC(("C" + n).c_str());
  q.getOptionD(("D" + n).c_str());
  q.getQuestionAnswer(answer);
  return q;
}

// Questions 1..count made by makeQuestion, with the given answers (1 to 4).
inline std::vector<QuestionSkeleton> makePaper(const std::vector<int>& answers) {
  std::vector<QuestionSkeleton> paper;
  for (size_t i = 0; i < answers.size(); ++i) paper.push_back(makeQuestion(static_cast<int>(i + 1), answers[i]));
  return paper;
}

// The bytes of `record` as written by its stream operation.
inline std::string questionBytes(const QuestionSkeleton& record) {
  char bytes[kQuestionRecordSize];
  record.EncodeTo(bytes);
  return std::string(bytes, sizeof bytes);
}

// The text of a fixed-width field at `offset` of `bytes`.
inline std::string fieldText(const std::string& bytes, size_t offset, size_t width) {
  const std::string field = bytes.substr(offset, width);
  return field.substr(0, field.find('\0'));
}

}  // namespace builder_test

#endif  // QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_
