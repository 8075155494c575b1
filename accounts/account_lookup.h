#ifndef QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_
#define QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_

#include <cstdint>
#include <cstring>
#include <fstream>

#include "records/record_loader.h"

// Opens the account file `path` for binary reading into `in`, creating it
// empty first when it is missing. Returns false when the file can be neither
// opened nor created; nothing is printed (each caller has its own message).
bool OpenAccountFile(const char* path, std::ifstream& in);

// What a search of an account file found.
struct AccountSearch {
  bool available = false;  // the file could be opened (or created and opened)
  bool found = false;      // a record with the ID was found
  size_t records = 0;      // whole records read, the match included
};

// Looks for the first account of `path` (records of type `Record`) whose ID
// equals `id`: the whole text, case-sensitive, byte for byte. Every whole
// record of the file is considered, however many there are, one at a time,
// so memory stays constant; a trailing partial record is ignored. On a match
// the account is copied into `*match` (when not null).
template <class Record>
AccountSearch FindAccount(const char* path, const char* id, Record* match) {
  AccountSearch search;
  std::ifstream in;
  if (!OpenAccountFile(path, in)) return search;
  search.available = true;
  search.records = ScanRecords(in, &Record::CandidateRead, SIZE_MAX, [&](Record& account) {
    if (std::strcmp(account.setIDNumber(), id) != 0) return true;
    search.found = true;
    if (match) *match = account;
    return false;
  });
  return search;
}

#endif  // QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_
