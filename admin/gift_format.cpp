#include "admin/gift_format.h"

#include <cctype>

namespace {

const char* const kFormatTags[] = {"[plain]", "[html]", "[moodle]", "[markdown]"};

bool StartsWith(const std::string& text, size_t at, const char* prefix) {
  return text.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool IsSpace(char c) { return IsBlank(c) || c == '\n'; }

size_t SkipSpace(const std::string& text, size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

// Returns the position of the first character of `set` at or after `from`
// that no backslash escapes, or npos.
size_t FindUnescaped(const std::string& text, size_t from, const char* set) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (std::char_traits<char>::find(set, std::char_traits<char>::length(set), text[i])) {
      return i;
    }
  }
  return std::string::npos;
}

// Returns the position of the first unescaped `pair` (two characters).
size_t FindUnescapedPair(const std::string& text, size_t from, const char* pair) {
  for (size_t i = from; i + 1 < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == pair[0] && text[i + 1] == pair[1]) {
      return i;
    }
  }
  return std::string::npos;
}

// The text a stretch of GIFT stands for: escapes resolved, line breaks and
// \n as blanks, trimmed.
std::string Clean(const std::string& raw) {
  std::string text;
  for (size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      c = raw[++i];
      if (c == 'n') c = ' ';
    } else if (c == '\n') {
      c = ' ';
    }
    text += c;
  }
  return TrimBlanks(text);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// One question's lines joined by '\n', with the file line of every offset.
class Block {
 public:
  void Add(const TextLine& line) {
    if (!text_.empty()) text_ += '\n';
    starts_.push_back({text_.size(), line.number});
    text_ += line.text;
  }
  bool empty() const { return starts_.empty(); }
  const std::string& text() const { return text_; }
  int LineAt(size_t offset) const {
    int line = starts_.front().second;
    for (const auto& start : starts_) {
      if (start.first > offset) break;
      line = start.second;
    }
    return line;
  }

 private:
  std::string text_;
  std::vector<std::pair<size_t, int>> starts_;
};

struct Answer {
  bool correct;
  std::string raw;  // from after its marker to the next marker
  size_t at;        // offset of its marker in the block
};

class GiftReader {
 public:
  ImportedPaper Read(const std::vector<TextLine>& lines) {
    Block block;
    for (const TextLine& line : lines) {
      const std::string trimmed = TrimBlanks(line.text);
      if (trimmed.empty()) {
        if (!block.empty()) ReadQuestion(block);
        block = Block();
      } else if (!StartsWith(trimmed, 0, "//") && !StartsWith(trimmed, 0, "$CATEGORY:")) {
        block.Add(line);
      }
    }
    if (!block.empty()) ReadQuestion(block);
    return std::move(paper_);
  }

 private:
  void ReadQuestion(const Block& block) {
    const std::string& s = block.text();
    size_t pos = SkipSpace(s, 0);
    const int line = block.LineAt(pos);
    if (StartsWith(s, pos, "::")) {
      const size_t end = FindUnescapedPair(s, pos + 2, "::");
      if (end == std::string::npos) return Problem(line, "title without its closing ::");
      pos = SkipSpace(s, end + 2);
    }
    for (const char* tag : kFormatTags) {
      if (StartsWith(s, pos, tag)) {
        pos += std::char_traits<char>::length(tag);
        break;
      }
    }
    const size_t open = FindUnescaped(s, pos, "{");
    if (open == std::string::npos) return Problem(line, "no answers between { and }");
    const size_t close = FindUnescaped(s, open + 1, "}");
    if (close == std::string::npos) return Problem(block.LineAt(open), "answers not closed with }");
    if (SkipSpace(s, close + 1) < s.size()) {
      return Problem(line, "missing-word question (text after the answers): only multiple choice is supported");
    }
    ImportedQuestion question;
    question.line = line;
    question.text = Clean(s.substr(pos, open - pos));
    if (ReadAnswers(block, open, close, &question)) paper_.questions.push_back(question);
  }

  // Reads the answers between s[open] and s[close] into `question`; false
  // (after adding the problem) when they are not four, one of them correct.
  bool ReadAnswers(const Block& block, size_t open, size_t close, ImportedQuestion* question) {
    const std::string& s = block.text();
    const std::string inner = s.substr(open + 1, close - open - 1);
    const int truth = TrueFalseKey(inner);
    if (truth != 0) {
      question->optionCount = 2;
      question->options[0] = kTrueOption;
      question->options[1] = kFalseOption;
      question->optionLines[0] = question->optionLines[1] = block.LineAt(open);
      question->correct = truth;
      return true;
    }
    const std::string kind = KindOf(inner);
    if (!kind.empty()) return Problem(question->line, kind + " question: only multiple choice is supported"), false;
    std::vector<Answer> answers;
    const size_t first = FindUnescaped(inner, 0, "=~");
    if (first == std::string::npos || !Clean(inner.substr(0, first)).empty()) {
      return Problem(block.LineAt(open), "text before the first answer (= or ~)"), false;
    }
    for (size_t at = first; at != std::string::npos;) {
      const size_t next = FindUnescaped(inner, at + 1, "=~");
      const size_t end = next == std::string::npos ? inner.size() : next;
      answers.push_back({inner[at] == '=', inner.substr(at + 1, end - at - 1), open + 1 + at});
      at = next;
    }
    return TakeAnswers(block, open, answers, question);
  }

  // The key of true/false answers ({T}, {TRUE}, {F}, {FALSE} in any case,
  // feedback after # dropped): 1 for true (option A), 2 for false (option
  // B), 0 when the answers are not true/false.
  static int TrueFalseKey(const std::string& inner) {
    const std::string head = Upper(Clean(inner.substr(0, FindUnescaped(inner, 0, "#"))));
    if (head == "T" || head == "TRUE") return 1;
    if (head == "F" || head == "FALSE") return 2;
    return 0;
  }

  // The kind of a question that is neither multiple choice nor true/false,
  // from its answers.
  static std::string KindOf(const std::string& inner) {
    const std::string trimmed = Clean(inner);
    if (trimmed.empty()) return "essay";
    if (SkipSpace(inner, 0) < inner.size() && inner[SkipSpace(inner, 0)] == '#') return "numerical";
    if (FindUnescapedPair(inner, 0, "->") != std::string::npos) return "matching";
    if (FindUnescaped(inner, 0, "~") == std::string::npos) return "short answer";
    return "";
  }

  bool TakeAnswers(const Block& block, size_t open, const std::vector<Answer>& answers, ImportedQuestion* question) {
    bool ok = true;
    int correct = 0;
    for (const Answer& a : answers) {
      if (!a.raw.empty() && a.raw[0] == '%') {
        Problem(block.LineAt(a.at), "weighted answer (~%N%): only multiple choice is supported");
        ok = false;
      }
      if (a.correct) ++correct;
    }
    if (!ok) return false;
    const int line = block.LineAt(open);
    if (correct != 1) {
      return Problem(line, "exactly one correct option (=) is needed, found " + std::to_string(correct)), false;
    }
    if (answers.size() < static_cast<size_t>(kFewestOptions) || answers.size() > static_cast<size_t>(kMaxOptions)) {
      return Problem(line, "two to four options are needed, found " + std::to_string(answers.size())), false;
    }
    question->optionCount = static_cast<int>(answers.size());
    for (size_t i = 0; i < answers.size(); ++i) {
      const std::string& raw = answers[i].raw;
      question->options[i] = Clean(raw.substr(0, FindUnescaped(raw, 0, "#")));
      question->optionLines[i] = block.LineAt(answers[i].at);
      if (answers[i].correct) question->correct = static_cast<int>(i) + 1;
    }
    return true;
  }

  void Problem(int line, const std::string& message) { paper_.problems.push_back({line, message}); }

  ImportedPaper paper_;
};

// `text` with every character the reader would take for syntax escaped.
std::string Escape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool arrow = c == '>' && i > 0 && text[i - 1] == '-';
    if (arrow || c == '\\' || c == '~' || c == '=' || c == '#' || c == '{' || c == '}' || c == ':') out += '\\';
    out += c;
  }
  return out;
}

// A question's text up to its opening brace. A text that would read as a
// comment or a format tag gets an explicit [plain] tag in front.
std::string QuestionStart(const std::string& text) {
  const bool needsTag = StartsWith(text, 0, "//") || StartsWith(text, 0, "[") || StartsWith(text, 0, "$");
  return (needsTag ? "[plain]" : "") + Escape(text) + " {";
}

}  // namespace

ImportedPaper ParseGift(const std::vector<TextLine>& lines) { return GiftReader().Read(lines); }

std::string WriteGift(const std::vector<ImportedQuestion>& questions) {
  std::string out;
  for (size_t i = 0; i < questions.size(); ++i) {
    const ImportedQuestion& q = questions[i];
    if (i > 0) out += '\n';
    if (IsTrueFalse(q)) {
      out += QuestionStart(q.text) + (q.correct == 1 ? "T" : "F") + "}\n";
      continue;
    }
    out += QuestionStart(q.text) + "\n";
    for (int o = 0; o < q.optionCount; ++o) {
      // A leading '%' would read as a weight: a blank before it keeps it text.
      const std::string& option = q.options[o];
      out += std::string(1, q.correct == o + 1 ? '=' : '~') + (StartsWith(option, 0, "%") ? " " : "") + Escape(option) +
             '\n';
    }
    out += "}\n";
  }
  return out;
}
