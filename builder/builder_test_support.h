#ifndef QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_
#define QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_

// Shared by the paper builder's tests: the console's fixed texts and
// scripted answers for typing questions (the records they make are
// makeQuestion's and makePaper's, in tests/data_fixture.h).

#include <string>
#include <vector>

#include "records/question_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/screen_texts.h"

namespace builder_test {

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

}  // namespace builder_test

#endif  // QUIZMORA_BUILDER_BUILDER_TEST_SUPPORT_H_
