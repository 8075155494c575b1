#ifndef QUIZMORA_CORE_ATTEMPT_JOURNAL_H_
#define QUIZMORA_CORE_ATTEMPT_JOURNAL_H_

#include <string>

#include "records/answer_sheet.h"
#include "records/store.h"

// The journal of a running attempt: the file ID "_" name ".abcdlive"
// holding the attempt's answer sheet as it stands. It is rewritten whole at
// every change, so after a crash at any instant it holds a whole earlier
// or later sheet, and the seat running the attempt holds its lock from the
// first write (or the resume) until it is removed or let go.
class AttemptJournal {
 public:
  // What the look for a candidate's journal found.
  enum class Found {
    kNone,  // no journal holding a whole sheet of 0 to 1000 questions
    kBusy,  // a journal that another seat holds
    kHeld,  // a whole sheet, now held by this journal
  };

  // Looks for the journal of the candidate with `id` and `name`; on kHeld
  // *sheet holds its sheet and this journal holds its lock.
  Found Open(const char* id, const char* name, AnswerSheet* sheet);
  // The same for the journal file `path`.
  Found OpenFile(const std::string& path, AnswerSheet* sheet);
  // Makes `sheet` the journal's content (the file named from the sheet's ID
  // and name). Returns the store's answer; on failure the file keeps the
  // sheet it had.
  StoreStatus Keep(const AnswerSheet& sheet);
  // Removes the journal (the attempt is saved or dropped).
  StoreStatus Remove();
  // Lets the journal go as it stands, releasing its lock.
  void Release() { file_.Release(); }
  bool held() const { return file_.held(); }

 private:
  HeldFile file_;
};

// Reads the journal `path` without taking it: *sheet is its sheet when it
// holds exactly one record (*whole), *busy whether a seat holds it.
StoreStatus PeekJournal(const std::string& path, AnswerSheet* sheet, bool* whole, bool* busy);

#endif  // QUIZMORA_CORE_ATTEMPT_JOURNAL_H_
