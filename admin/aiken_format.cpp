#include "admin/aiken_format.h"

#include <cctype>

#include "admin/counted.h"

namespace {

// "A." or "B)" and so on, with the text after it; any capital letter is
// taken as an attempt at an option so that a fifth or misplaced one is named.
bool IsOptionLine(const std::string& line, char* letter, std::string* text) {
  if (line.size() < 2 || line[0] < 'A' || line[0] > 'Z' || (line[1] != '.' && line[1] != ')')) return false;
  *letter = line[0];
  *text = TrimBlanks(line.substr(2));
  return true;
}

bool StartsWithAnswer(const std::string& line) {
  static const char kKey[] = "ANSWER:";
  if (line.size() < sizeof kKey - 1) return false;
  for (size_t i = 0; i + 1 < sizeof kKey; ++i) {
    if (std::toupper(static_cast<unsigned char>(line[i])) != kKey[i]) return false;
  }
  return true;
}

// The letter after ANSWER:, or 0 when there is not exactly one of A to D.
char AnswerLetter(const std::string& line) {
  const std::string rest = TrimBlanks(line.substr(7));
  return (rest.size() == 1 && rest[0] >= 'A' && rest[0] <= 'D') ? rest[0] : 0;
}

std::string OptionName(int index) { return std::string("option ") + static_cast<char>('A' + index); }

class AikenReader {
 public:
  ImportedPaper Read(const std::vector<TextLine>& lines) {
    for (const TextLine& line : lines) Take(line.number, TrimBlanks(line.text));
    if (inQuestion_) {
      Problem(question_.line, options_ < kFewestOptions ? "question ends after " + Counted(options_, "option")
                                                        : "question has no ANSWER: line");
    }
    return std::move(paper_);
  }

 private:
  void Take(int number, const std::string& line) {
    if (line.empty()) {
      skipping_ = false;  // a blank line is the surest place to start again
      return;
    }
    if (skipping_) {
      skipping_ = !StartsWithAnswer(line);
      return;
    }
    if (!inQuestion_) {
      question_ = ImportedQuestion();
      question_.line = number;
      question_.text = line;
      options_ = 0;
      inQuestion_ = true;
    } else if (StartsWithAnswer(line)) {
      TakeAnswer(number, line);
    } else {
      TakeOption(number, line);
    }
  }

  void TakeAnswer(int number, const std::string& line) {
    inQuestion_ = false;
    const char letter = AnswerLetter(line);
    if (options_ < kFewestOptions) {
      Problem(number, "question has " + Counted(options_, "option") + ", two to four (A to D) are needed");
    } else if (letter == 0) {
      Problem(number, "ANSWER: must be followed by one letter A to D");
    } else if (letter >= 'A' + options_) {
      Problem(number, std::string("ANSWER: ") + letter + " names no option (the question has options A to " +
                          static_cast<char>('A' + options_ - 1) + ")");
    } else {
      question_.correct = letter - 'A' + 1;
      question_.optionCount = options_;
      paper_.questions.push_back(question_);
    }
  }

  void TakeOption(int number, const std::string& line) {
    char letter = 0;
    std::string text;
    if (!IsOptionLine(line, &letter, &text) && options_ >= kFewestOptions) {
      // Most likely the next question: it is read as one.
      Problem(number, "ANSWER: line missing before this line");
      inQuestion_ = false;
      Take(number, line);
    } else if (!IsOptionLine(line, &letter, &text)) {
      Fail(number, "text where " + OptionName(options_) + " is due");
    } else if (options_ == kMaxOptions) {
      Fail(number, std::string("option ") + letter + ": a question has at most four options, A to D");
    } else if (letter != 'A' + options_) {
      Fail(number, std::string("option ") + letter + " where " + OptionName(options_) +
                       " is due (options go A, B, C, D in order)");
    } else {
      question_.options[options_] = text;
      question_.optionLines[options_] = number;
      ++options_;
    }
  }

  void Fail(int number, const std::string& message) {
    Problem(number, message);
    inQuestion_ = false;
    skipping_ = true;
  }

  void Problem(int number, const std::string& message) { paper_.problems.push_back({number, message}); }

  ImportedPaper paper_;
  ImportedQuestion question_;
  int options_ = 0;
  bool inQuestion_ = false;
  bool skipping_ = false;
};

}  // namespace

ImportedPaper ParseAiken(const std::vector<TextLine>& lines) { return AikenReader().Read(lines); }

std::string WriteAiken(const std::vector<ImportedQuestion>& questions) {
  std::string out;
  for (size_t i = 0; i < questions.size(); ++i) {
    const ImportedQuestion& q = questions[i];
    if (i > 0) out += '\n';
    out += q.text + '\n';
    for (int o = 0; o < q.optionCount; ++o)
      out += std::string(1, static_cast<char>('A' + o)) + ". " + q.options[o] + '\n';
    out += std::string("ANSWER: ") + static_cast<char>('A' + q.correct - 1) + '\n';
  }
  return out;
}
