#ifndef QUIZMORA_RECORDS_RECORD_LOADER_H_
#define QUIZMORA_RECORDS_RECORD_LOADER_H_

#include <cstddef>
#include <istream>
#include <vector>

// The one loop by which every reader takes records from a data file. It
// reads one whole record at a time with the record's own stream operation
// (`read`, e.g. &TutorSkeleton::CandidateRead). A short last record is the
// normal end of a file, not an error: it is simply not counted.

// Hands each whole record to `visit` until the data ends, a record is short,
// `limit` records were read, or `visit` returns false. Memory stays constant
// whatever the file's size. Returns the number of whole records read.
template <class Record, class Visit>
size_t ScanRecords(std::istream& in, std::istream& (Record::*read)(std::istream&), size_t limit,
                   Visit visit) {
  size_t count = 0;
  Record record;
  while (count < limit && in.peek() != std::istream::traits_type::eof()) {
    if (!(record.*read)(in)) break;
    ++count;
    if (!visit(record)) break;
  }
  return count;
}

// Returns the whole records of `in`, at most `capacity` of them. The table
// grows only with records actually read, so a large capacity costs nothing
// for a small file.
template <class Record>
std::vector<Record> LoadRecords(std::istream& in, std::istream& (Record::*read)(std::istream&),
                                size_t capacity) {
  std::vector<Record> table;
  ScanRecords(in, read, capacity, [&table](const Record& r) {
    table.push_back(r);
    return true;
  });
  return table;
}

#endif  // QUIZMORA_RECORDS_RECORD_LOADER_H_
