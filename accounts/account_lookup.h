#ifndef QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_
#define QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_

#include <cstddef>
#include <string>

#include "records/record_layout.h"
#include "records/store.h"

// What a search of an account file found.
struct AccountSearch {
  bool available = false;  // the file could be opened (or created and opened)
  bool found = false;      // a record with the ID was found
  size_t records = 0;      // whole records read, the match included
};

// True when the account record `bytes` holds the ID `id`: the whole text,
// case-sensitive, byte for byte, as the record's own decoding would read it.
bool AccountHasId(const char* bytes, const char* id);

// Looks for the first account of `path` (records of type `Record`) whose ID equals `id`. Every whole record of the file
// is considered, however many there are, one at a time, so memory stays
// constant; a trailing partial record is ignored. A missing file is created
// empty. On a match the account is copied into `*match` (when not null).
template <class Record>
AccountSearch FindAccount(const char* path, const char* id, Record* match) {
  AccountSearch search;
  RecordReader reader(Record::kRecordSize);
  bool created = false;
  if (!reader.Open(path, WhenMissing::kCreate, &created).ok() || !reader.is_open()) return search;
  search.available = true;
  const char* bytes = nullptr;
  while (reader.Next(&bytes)) {
    ++search.records;
    if (!AccountHasId(bytes, id)) continue;
    search.found = true;
    if (match) match->DecodeFrom(bytes);
    break;
  }
  return search;
}

// Appends the account `bytes` to `path` unless an account with `id` is
// already there, checked under the file's lock right before the append.
// *duplicate tells that another account holds the ID (nothing appended).
StoreStatus AppendNewAccount(const char* path, const std::string& bytes, const char* id, bool* duplicate);

#endif  // QUIZMORA_ACCOUNTS_ACCOUNT_LOOKUP_H_
