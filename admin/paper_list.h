#ifndef QUIZMORA_ADMIN_PAPER_LIST_H_
#define QUIZMORA_ADMIN_PAPER_LIST_H_

#include <string>

#include "admin/admin_options.h"
#include "records/paper_skeleton.h"
#include "records/store.h"

// The library as candidates see it: its whole headers in order, numbered
// from 1, each with the question file it names.

// Returns the question file a stored header names, as the assessment
// composes it.
std::string QuestionFileOf(PaperSkeleton& header);

// Puts header `number` (from 1) of the library into *header. *found is
// false when the library has fewer headers (or none: a missing library is
// an empty one).
StoreStatus FindPaper(long number, PaperSkeleton* header, bool* found);

// Logs in the tutor of --tutor and finds the paper numbered
// `options.number`, which that tutor must have set: only its author may
// `act` ("export it"). Returns kExitDone with its header in *header, or the
// exit status the command ends with, after the message.
int FindOwnPaper(const AdminOptions& options, const char* act, PaperSkeleton* header);

// The message for a NUMBER that names no paper of the library.
std::string NoSuchPaper(long number);

// papers: prints a header line, then one line per header, the columns
// separated by tabs: number, subject, author, level, questions, minutes,
// date set, question file, its state, and its settings (the names of
// those on, joined by ",", or "-"). Returns the exit status.
int RunPapers(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_PAPER_LIST_H_
