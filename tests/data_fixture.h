#ifndef QUIZMORA_TESTS_DATA_FIXTURE_H_
#define QUIZMORA_TESTS_DATA_FIXTURE_H_

#include <string>
#include <utility>
#include <vector>

#include "tests/scratch_dir.h"
#include "tests/session_script.h"

// Data files written directly with the record classes, so a test can start
// on deep screens, and checks of what the program left in a directory.

// Appends a tutor account (1230 bytes) for `tutor`.
void addTutorAccount(const ScratchDir& dir, const Person& tutor);
// Appends a candidate account (980 bytes) for `candidate`.
void addCandidateAccount(const ScratchDir& dir, const Person& candidate);
// Writes the question file of a paper by `author` and appends its header,
// as publishing does. Returns the question file's name.
// Returns the bytes of a question file holding `questions` in order.
std::string questionFileBytes(const std::vector<Question>& questions);

std::string addPaper(const ScratchDir& dir, const Person& author, const std::string& subject,
                     const std::vector<Question>& questions);
// Appends one saved attempt to "candidate.abcddata" and to the candidate's
// result file.
void addResult(const ScratchDir& dir, const Person& candidate, const std::string& subject, double score,
               double seconds);

// Returns the record size that a file of this name must be a whole multiple
// of: 0 for the printable text files, -1 for a name the program never makes.
long recordSizeOf(const std::string& name);

// Returns the (offset, width) of every text field of a record of `size`
// bytes (980, 1230, 1242, 3204 or 2570), in the order they lie on disk.
std::vector<std::pair<int, int>> textFieldsOf(long size);

// Returns a description of everything wrong with the data files in `dir`
// (empty when all is well): a file that is not a whole number of records, a
// record whose texts lack their terminator or whose numbers are out of the
// range the program writes, a name the program never makes, a subdirectory,
// and, unless `tempFilesAllowed`, a temporary file left over from a
// replacement.
std::vector<std::string> dataFileProblems(const std::string& dir, bool tempFilesAllowed = false);

// Returns true when `err` (a run's standard error) holds a report of
// AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer. Such a
// report may end the run with an ordinary exit status, so status alone
// cannot tell.
bool hasSanitizerReport(const std::string& err);

#endif  // QUIZMORA_TESTS_DATA_FIXTURE_H_
