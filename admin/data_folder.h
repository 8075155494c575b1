#ifndef QUIZMORA_ADMIN_DATA_FOLDER_H_
#define QUIZMORA_ADMIN_DATA_FOLDER_H_

#include <set>
#include <string>
#include <vector>

#include "records/record_layout.h"
#include "records/store.h"

// What the checker and the repair know of a data folder: which file holds
// which records, and what the library's headers name.

// The start of the name of every folder repair copies files into
// ("quizmora-backup-YYYYMMDD-HHMMSS").
constexpr char kBackupFolderPrefix[] = "quizmora-backup-";

enum class DataKind {
  kTutorAccounts,
  kCandidateAccounts,
  kLibrary,
  kResults,    // "candidate.abcddata" and every candidate's own result file
  kQuestions,  // a question file
  kAnswers,    // "answers.abcdans": the saved answer sheets
  kJournal,    // a running attempt's journal (ID "_" name ".abcdlive")
  kSettings,   // "subjlib.abcdset", the settings of papers
  kPartial,    // bytes the store cut from a data file
  kOther,      // not a data file
};

// One header of the library, as far as the checks need it.
struct LibraryHeader {
  long record = 0;  // from 1
  std::string questionFile;
  long lastOfFile = 0;  // the last header naming the same file (itself when it is the last)
};

// Returns the kind of the file `name`; a name some header of the library
// names is a question file whatever its extension.
DataKind KindOf(const std::string& name, const std::set<std::string>& named);

// Returns the layout of the records of a file of `kind`, or nullptr for
// kPartial and kOther.
const RecordLayout* LayoutOf(DataKind kind);

// Reads the library's whole headers (none when it is missing).
StoreStatus ReadLibraryHeaders(std::vector<LibraryHeader>* headers);

// Returns the question files the headers name.
std::set<std::string> NamedQuestionFiles(const std::vector<LibraryHeader>& headers);

// The claims of IDs beside an account file that need a person or the
// repair: claim files whose ID no account holds (a registration cut short
// between its claim and its append) and names that are no claim at all.
struct ClaimSurvey {
  std::vector<std::string> unheld;     // claimed IDs, in name order
  std::vector<std::string> strangers;  // file names in the claim folder
};

// The account files that have claims, tutors' first.
const std::vector<std::string>& ClaimedAccountFiles();

// Surveys the claim folder of the account file `accounts` (nothing when
// there is none: a folder from before claims were made).
StoreStatus SurveyClaims(const std::string& accounts, ClaimSurvey* survey);

// Returns the text of field `field` of the record `bytes` as the program
// reads it (at most its width less one).
std::string StoredText(const char* bytes, const FieldLayout& field);

#endif  // QUIZMORA_ADMIN_DATA_FOLDER_H_
