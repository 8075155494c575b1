#ifndef QUIZMORA_SCOREBOARD_PRINTABLE_RESULTS_H_
#define QUIZMORA_SCOREBOARD_PRINTABLE_RESULTS_H_

#include <cstddef>

// Longest line read as a file name is kFileNameLimit - 1 characters; a
// buffer for it needs kPrintableNameRoom bytes, so that the extension fits.
constexpr size_t kFileNameLimit = 250;
constexpr size_t kPrintableNameRoom = kFileNameLimit + 7;

// Appends ".qzmrpt" to `name` in place (the buffer must have room for 7 more
// characters) and writes the summary of every saved attempt to that file, as
// plain text with single line feeds. When the file already exists, asks
// whether to overwrite it.
//
// Returns true when the file has been written; false when the user chose
// another name or the file could not be written (an error line is then on
// standard error), so the caller asks for a name again.
bool printResults(char* name);

// Asks for a file name until printResults has saved the file, then shows the
// success message and waits for a key.
void savePrintableResults();

#endif  // QUIZMORA_SCOREBOARD_PRINTABLE_RESULTS_H_
