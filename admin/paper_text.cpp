#include "admin/paper_text.h"

namespace {

unsigned char ByteAt(const std::string& text, size_t at) { return static_cast<unsigned char>(text[at]); }

bool IsContinuation(const std::string& text, size_t at) {
  return at < text.size() && (ByteAt(text, at) & 0xC0) == 0x80;
}

std::string LineProblem(const std::string& line) {
  if (line.find('\0') != std::string::npos) return "NUL byte in the text";
  if (!IsValidUtf8(line)) return "invalid UTF-8";
  return "";
}

}  // namespace

std::vector<TextLine> SplitLines(const std::string& bytes, std::vector<ImportProblem>* problems) {
  std::vector<TextLine> lines;
  size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  int number = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    lines.push_back({++number, bytes.substr(start, end - start)});
    const std::string problem = LineProblem(lines.back().text);
    if (!problem.empty()) problems->push_back({number, problem});
    start = next;
  }
  return lines;
}

size_t Utf8SequenceLength(const std::string& text, size_t at) {
  const unsigned char b = ByteAt(text, at);
  if (b < 0x80) return 1;
  size_t length = 0;
  unsigned int min = 0, code = 0;
  if ((b & 0xE0) == 0xC0) {
    length = 2, min = 0x80, code = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3, min = 0x800, code = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, code = b & 0x07;
  } else {
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    if (!IsContinuation(text, at + i)) return 0;
    code = (code << 6) | (ByteAt(text, at + i) & 0x3F);
  }
  // One code point has one encoding only; surrogates are not characters.
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool IsValidUtf8(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    const size_t n = Utf8SequenceLength(text, at);
    if (n == 0) return false;
    at += n;
  }
  return true;
}

std::string TrimBlanks(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string TextLengthProblem(const std::string& text, const char* what, size_t limit) {
  if (text.empty()) return std::string(what) + " is empty";
  if (text.size() > limit) {
    return std::string(what) + " is " + std::to_string(text.size()) + " bytes long, at most " + std::to_string(limit) +
           " are allowed";
  }
  return "";
}
