#ifndef QUIZMORA_ADMIN_IMPORT_PAPER_H_
#define QUIZMORA_ADMIN_IMPORT_PAPER_H_

#include <string>

#include "admin/admin_options.h"

// import-paper: publishes the questions of a text file as a paper of a
// tutor, exactly as if the tutor had typed them and saved.

// Returns the minutes `time` (y, n or a whole number 1 to 100000) allows
// for `questions` questions: y gives 2 a question, n 1 a question. Returns 0
// when `time` is none of these.
double MinutesFor(const std::string& time, int questions);

// Runs the command; returns the exit status.
int RunImportPaper(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_IMPORT_PAPER_H_
