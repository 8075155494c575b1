#ifndef QUIZMORA_CORE_ACCOUNTS_H_
#define QUIZMORA_CORE_ACCOUNTS_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "records/record_layout.h"
#include "records/store.h"

// Tutor and candidate accounts as both programs find and check them: one
// lookup, one password rule, one append that refuses a registered ID.

// What a search of an account file found.
struct AccountSearch {
  StoreStatus status;      // why the file could not be read to the account
  bool available = false;  // the file could be opened (or created and
                           // opened) and read without error
  bool found = false;      // a record with the ID was found
  size_t records = 0;      // whole records read, the match included
};

// True when the account record `bytes` holds the ID `id`: the whole text,
// case-sensitive, byte for byte, as the record's own decoding would read it.
bool AccountHasId(const char* bytes, const char* id);

// Looks for the first account of `path` (records of type `Record`) whose ID
// equals `id`. Every whole record of the file is considered, however many
// there are, one at a time, so memory stays constant; a trailing partial
// record is ignored. A missing file is created empty with kCreate; with
// kFail it is an open failure (ENOENT) and nothing is written. A read error
// leaves the search unavailable, never "not found". On a match the account
// is copied into `*match` (when not null).
template <class Record>
AccountSearch FindAccount(const char* path, const char* id, Record* match, WhenMissing missing = WhenMissing::kCreate) {
  AccountSearch search;
  const LoadResult scan = ScanRecords(path, Record::kRecordSize, missing, SIZE_MAX, [&](size_t, const char* bytes) {
    if (!AccountHasId(bytes, id)) return true;
    search.found = true;
    if (match) match->DecodeFrom(bytes);
    return false;
  });
  search.status = scan.status;
  search.available = scan.readable();
  search.records = scan.records;
  return search;
}

// True when the password `typed` (as a number) logs in an account whose
// stored password is `stored`. Passwords are 1 to kHighestPassword, so 0
// (typed text without digits) matches nothing, not even a damaged record
// that holds 0.
bool PasswordMatches(int stored, int typed);

// Appends the account `bytes` to `path` unless an account with `id` is
// already there, checked under the file's lock right before the append.
// *duplicate tells that another account holds the ID (nothing appended).
StoreStatus AppendNewAccount(const char* path, const std::string& bytes, const char* id, bool* duplicate);

#endif  // QUIZMORA_CORE_ACCOUNTS_H_
