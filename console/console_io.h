#ifndef QUIZMORA_CONSOLE_CONSOLE_IO_H_
#define QUIZMORA_CONSOLE_CONSOLE_IO_H_

#include <cstddef>

// The console idioms every screen uses. Standard input is read through the
// program's own buffer so that "the rest of a partly read line" is known
// exactly. On a terminal (isatty) the idioms talk to the terminal; with a
// pipe or a file, one input line stands for one answer or one key press.
//
// Whenever standard input has ended and a read can no longer be answered,
// the program flushes its output and ends with status 0: no caller ever sees
// end of input.

// Empties the window: ESC[H ESC[2J on a terminal, one form feed otherwise.
void clearScreen();

// Prints "Press any key to continue . . . " and waits for one key: a single
// key press on a terminal (no Enter, no echo), one whole line otherwise.
void pauseScreen();

// Discards the unread rest of a partly read line and, on a terminal,
// anything typed ahead. Never waits for new input.
void flushInput();

// Reads through the next line end into buf (at most limit-1 characters, the
// rest of a longer line discarded; a CR before the line end dropped).
void readLine(char* buf, size_t limit);

// Repeats: print `prompt`, readLine; until the line is not empty.
void readNonEmptyLine(const char* prompt, char* buf, size_t limit);

// Skips blanks, tabs and line ends and returns the next character. The rest
// of its line stays pending for the next flushInput.
char readChoice();

// Skips blanks, tabs and line ends and reads an optional sign and digits, as
// `std::cin >> int` does. Returns 0 when no number starts there (the text
// stays pending); a number beyond int's range returns INT_MAX or INT_MIN.
int readIntChoice();

// Flushes standard output and ends the program with `status`.
[[noreturn]] void endProgram(int status);

// The C library's atoi without its undefined overflow: leading blanks, an
// optional sign, then digits; no digits give 0. A value beyond int's range
// returns INT_MAX or INT_MIN, which every range in the program rejects.
int leadingInteger(const char* text);

// Test seam: reads standard input from `fd` and treats it as a terminal or
// not, as told. Resets the input buffer.
void setConsoleInputForTesting(int fd, bool interactive);

#endif  // QUIZMORA_CONSOLE_CONSOLE_IO_H_
