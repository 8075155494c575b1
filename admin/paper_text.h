#ifndef QUIZMORA_ADMIN_PAPER_TEXT_H_
#define QUIZMORA_ADMIN_PAPER_TEXT_H_

#include <cstddef>
#include <string>
#include <vector>

#include "core/limits.h"

// The text rules shared by every paper format the tool reads: how a file is
// cut into lines, which bytes are acceptable, and how long a text may be.

// The longest texts typed entry keeps (kMaxSubjectBytes and the others of
// core/limits.h): a stored text never needs cutting, so an import refuses
// longer ones instead.

// Something wrong with an imported file, at `line` (counted from 1).
struct ImportProblem {
  int line;
  std::string message;
};

// One line of an imported file, without its line end.
struct TextLine {
  int number;
  std::string text;
};

// Cuts `bytes` into lines: a leading UTF-8 byte-order mark is skipped, a line
// ends at LF (a CR before it is dropped), and a last line without its LF
// still counts. A line holding invalid UTF-8 or a NUL byte adds a problem.
std::vector<TextLine> SplitLines(const std::string& bytes, std::vector<ImportProblem>* problems);

// Returns the length of the valid UTF-8 sequence at text[at] (1 to 4), or 0
// when the bytes there are not one (overlong forms, surrogates and code
// points beyond U+10FFFF are invalid).
size_t Utf8SequenceLength(const std::string& text, size_t at);

// True when all of `text` is valid UTF-8.
bool IsValidUtf8(const std::string& text);

// True for the blanks trimmed from the ends of texts: space and tab.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Returns `text` without blanks at either end.
std::string TrimBlanks(const std::string& text);

// Returns the problem message for a text of `what` ("question text",
// "option B") that is empty or longer than `limit` bytes, or "" when the
// text is acceptable.
std::string TextLengthProblem(const std::string& text, const char* what, size_t limit);

#endif  // QUIZMORA_ADMIN_PAPER_TEXT_H_
