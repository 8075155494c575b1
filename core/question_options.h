#ifndef QUIZMORA_CORE_QUESTION_OPTIONS_H_
#define QUIZMORA_CORE_QUESTION_OPTIONS_H_

#include <string>

#include "records/question_skeleton.h"

// Which options a question has, and under which letters a screen offers
// them. A question holds two to four options: an option is present when its
// text is not empty (an imported true/false or three-option question keeps
// its missing options empty). Both programs ask here rather than assume four.

// Most options a question can hold (A to D).
constexpr int kMaxOptions = 4;

// Returns the text of option `index` (0 = A ... 3 = D) of `question`; the
// pointer is into `question`.
const char* OptionText(QuestionSkeleton& question, int index);

// True when option `index` (0 = A ... 3 = D) of `question` has text.
bool OptionPresent(QuestionSkeleton& question, int index);

// How one question's options are laid out on the screen: under the letter
// A + i lies the question's own option own[i] (0 = A ... 3 = D), or none
// (-1), in which case that letter is neither shown nor accepted.
struct ShownOptions {
  int own[kMaxOptions] = {-1, -1, -1, -1};
};

// The present options of `question` under their own letters (an empty
// option's letter is not offered).
ShownOptions OptionsAsStored(QuestionSkeleton& question);

// Returns the own option number (1 = A ... 4 = D) of the option shown under
// the letter `typed` (either case), or 0 when that letter is not offered.
int OwnOptionOfTyped(const ShownOptions& shown, char typed);

// Returns the letter ('A' to 'D') under which own option `option` (1 = A
// ... 4 = D) is shown, or 0 when it is not shown.
char ShownLetterOf(const ShownOptions& shown, int option);

// Returns the message for a letter that is not offered: "\n\tInvalid input,
// accepted letters are " + the offered letters joined by "," + ". Try again
// please.\n" (for four options "A,B,C,D").
std::string InvalidLetterMessage(const ShownOptions& shown);

// Returns what is wrong with the options of a stored question, or "" when
// nothing is: an empty option before a present one ("option B is empty but
// option C is not"), or a correct option naming an empty one ("correct
// option D is empty"). A correct option outside 1 to 4 is the caller's to
// report.
std::string OptionsProblem(QuestionSkeleton& question);

#endif  // QUIZMORA_CORE_QUESTION_OPTIONS_H_
