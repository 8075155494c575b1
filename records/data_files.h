#ifndef QUIZMORA_RECORDS_DATA_FILES_H_
#define QUIZMORA_RECORDS_DATA_FILES_H_

#include <string>

// Names of the data files in the working directory.
extern const char* const SubjectFile;          // "subjlib.abcdlib": paper headers
extern const char* const accountRegFileTutor;  // "accDataTtor.abcdAcc": tutor accounts
extern const char* const accountRegFileCandi;  // "accDataCdata.abcdAcc": candidate accounts
extern const char* const CandiDatefilex;       // "candidate.abcddata": every saved attempt
extern const char* const SettingsFile;         // "subjlib.abcdset": the settings of papers
extern const char* const AnswersFile;          // "answers.abcdans": the answer sheet of every saved attempt
extern const char* const candidateExtension;   // ".abcdrpt": a candidate's own result file
extern const char* const journalExtension;     // ".abcdlive": a candidate's running attempt
extern const char* const questionExtension;    // ".abcd": a paper's question file
extern const char* const printableExtension;   // ".qzmrpt": the printable results

// The question file name of the paper being built or sat, composed by
// ComposeQuestionFile.
extern char Questionfile[256];

// Longest file name the program composes (the rest is cut off).
constexpr size_t kMaxFileNameLength = 255;

// Returns subject "_" level "_" author ".abcd". The level is cut to the 49
// characters a paper header can hold, so the name composed from a tutor's
// level and the one composed from a stored header always agree. Every '/'
// and '\\' becomes '_' so that typed text can never reach outside the
// working directory, the system's own naming rules are applied
// (platform::MakeNameSafeForSystem: nothing changes on POSIX), and the
// result is cut to kMaxFileNameLength characters.
std::string QuestionFileName(const char* subject, const char* level, const char* author);

// Composes QuestionFileName(...) into the global Questionfile and returns it.
char* ComposeQuestionFile(const char* subject, const char* level, const char* author);

// Returns ID "_" name ".abcdrpt", with the same replacements and the same
// length cut.
std::string ResultFileName(const char* id, const char* name);

// Returns ID "_" name ".abcdlive", the journal of the candidate's running
// attempt, by the rule of ResultFileName.
std::string JournalFileName(const char* id, const char* name);

// Replaces every '/' and '\\' of a typed file name by '_' in place, so the
// file it names always lies in the working directory, and applies the
// system's own naming rules, within the `room` bytes of the buffer (the end
// is cut when a '_' put in front does not fit).
void KeepInWorkingDirectory(char* name, size_t room);

#endif  // QUIZMORA_RECORDS_DATA_FILES_H_
