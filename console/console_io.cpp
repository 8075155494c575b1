#include "console/console_io.h"

#include <climits>
#include <cstdlib>
#include <iostream>

#include "platform/platform.h"

namespace {

// Standard input as the program sees it: the descriptor, whether it is a
// terminal, and the bytes read from it but not yet consumed.
struct InputState {
  int fd = platform::kStandardInput;
  int interactive = -1;  // -1: not asked yet
  char buffer[1 << 16];
  size_t pos = 0;
  size_t len = 0;
  bool ended = false;
  // The last read stopped before the line end of the line it was reading.
  bool partial = false;
};

InputState input;

bool isInteractive() {
  if (input.interactive < 0) input.interactive = platform::InputIsTerminal(input.fd) ? 1 : 0;
  return input.interactive == 1;
}

// Refills the buffer; returns false at end of input. Output is flushed first
// so every prompt is visible before the program waits.
bool fill() {
  if (input.ended) return false;
  std::cout.flush();
  const long n = platform::ReadInput(input.fd, input.buffer, sizeof input.buffer);
  if (n <= 0) {
    input.ended = true;
    return false;
  }
  input.pos = 0;
  input.len = static_cast<size_t>(n);
  return true;
}

// Returns the next byte without consuming it, or -1 at end of input.
int peekByte() {
  if (input.pos == input.len && !fill()) return -1;
  return static_cast<unsigned char>(input.buffer[input.pos]);
}

int getByte() {
  const int c = peekByte();
  if (c >= 0) ++input.pos;
  return c;
}

bool isBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Returns the first byte that is not a blank or a line end; ends the program
// when input ends first.
int skipBlanks() {
  int c = peekByte();
  while (c >= 0 && isBlank(c)) {
    ++input.pos;
    c = peekByte();
  }
  if (c < 0) endProgram(0);
  return c;
}

// Consumes the rest of the current line through its line end. Returns false
// when input ended before a line end.
bool discardRestOfLine() {
  int c;
  while ((c = getByte()) >= 0) {
    if (c == '\n') return true;
  }
  return false;
}

// Consumes the rest of the current line as far as it has already been read
// from the terminal, never waiting for more. A terminal delivers a whole line
// per read, so the line end is normally here; only a line sent with Ctrl-D
// before its end lacks one, and what is typed after that is type-ahead.
void discardBufferedRestOfLine() {
  while (input.pos < input.len) {
    if (input.buffer[input.pos++] == '\n') return;
  }
}

}  // namespace

void clearScreen() {
  std::cout.flush();
  if (platform::StdoutIsTerminal()) {
    platform::ClearTerminal();
  } else {
    std::cout << '\f';
  }
  std::cout.flush();
}

void pauseScreen() {
  std::cout << "Press any key to continue . . . ";
  std::cout.flush();
  if (isInteractive()) {
    // Bytes already in the program's buffer are not the key press.
    if (!platform::WaitForKey(input.fd)) endProgram(0);
  } else {
    if (input.partial && !discardRestOfLine()) endProgram(0);
    input.partial = false;
    if (peekByte() < 0) endProgram(0);
    discardRestOfLine();
  }
  std::cout << '\n';
  std::cout.flush();
}

void flushInput() {
  std::cin.clear();
  // On a terminal the discard must not wait: reading on for a line end that
  // was never typed would stall the screen until the user pressed Enter.
  if (input.partial) {
    if (isInteractive())
      discardBufferedRestOfLine();
    else
      discardRestOfLine();
  }
  input.partial = false;
  if (isInteractive()) platform::DiscardTypeAhead(input.fd);
}

void readLine(char* buf, size_t limit) {
  size_t n = 0;
  bool any = false;
  bool last_kept_cr = false;
  for (;;) {
    const int c = getByte();
    if (c < 0) {
      if (!any) endProgram(0);
      break;  // a last line without its line end still counts
    }
    any = true;
    if (c == '\n') {
      if (last_kept_cr) --n;
      break;
    }
    last_kept_cr = false;
    if (n + 1 < limit) {
      buf[n++] = static_cast<char>(c);
      last_kept_cr = (c == '\r');
    }
  }
  if (limit > 0) buf[n] = '\0';
  input.partial = false;
}

void readNonEmptyLine(const char* prompt, char* buf, size_t limit) {
  do {
    std::cout << prompt;
    readLine(buf, limit);
  } while (buf[0] == '\0');
}

char readChoice() {
  const int c = skipBlanks();
  ++input.pos;
  input.partial = true;
  return static_cast<char>(c);
}

int readIntChoice() {
  int c = skipBlanks();
  input.partial = true;
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = (c == '-');
    ++input.pos;
    c = peekByte();
  }
  if (c < '0' || c > '9') return 0;
  long long value = 0;
  while (c >= '0' && c <= '9') {
    if (value <= INT_MAX) value = value * 10 + (c - '0');
    ++input.pos;
    c = peekByte();
  }
  if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  return static_cast<int>(negative ? -value : value);
}

void endProgram(int status) {
  // Flushed first: the last screen is shown in the console's modes it was
  // written for.
  std::cout.flush();
  std::cerr.flush();
  platform::RestoreTerminal();
  std::exit(status);
}

int leadingInteger(const char* text) {
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (value <= INT_MAX) value = value * 10 + (*p - '0');
  }
  if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  return static_cast<int>(negative ? -value : value);
}

void setConsoleInputForTesting(int fd, bool interactive) {
  input.fd = fd;
  input.interactive = interactive ? 1 : 0;
  input.pos = input.len = 0;
  input.ended = false;
  input.partial = false;
}
