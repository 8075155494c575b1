#ifndef QUIZMORA_ADMIN_SHEET_ANALYSIS_H_
#define QUIZMORA_ADMIN_SHEET_ANALYSIS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/item_analysis.h"
#include "records/store.h"

// The answer sheets of "answers.abcdans" gathered by paper (subject, level
// and author) and edition, for `analyse` and `report`. The file is read once,
// a record at a time; what is kept grows with the papers, editions and
// questions, never with the sheets (but for the results a report lists).

// A question of the current question file, as an attempt shows it.
struct QuestionText {
  std::string text;
  std::array<std::string, kOptionCount> options;  // "" for an option not there
};

// One saved result, as a report lists it.
struct SheetResult {
  std::string name, id;
  double score = 0, timeTaken = 0;
  std::string date, time;  // the stored texts
};

// The sheets of one edition of a paper.
struct EditionSheets {
  uint32_t edition = 0;
  int questions = 0;
  bool current = false;  // its edition value is the current question file's
  ItemAnalysis sums;
  std::vector<SheetResult> results;  // for a report: the current edition's sheets in file order

  EditionSheets(uint32_t value, int count) : edition(value), questions(count), sums(count) {}
};

// One paper and the editions its sheets were written against.
struct PaperSheets {
  std::string subject, level, author;  // the stored texts
  long number = 0;                     // its number in the library (the last header's when not asked for), or 0
  bool listed = false;                 // a header of the library names it
  bool hasQuestions = false;           // and its question file is there: the current edition is known
  double minutes = 0;                  // from that header
  uint32_t currentEdition = 0;         // when hasQuestions
  int currentQuestions = 0;
  std::vector<QuestionText> questions;  // the current question file's
  std::vector<EditionSheets> editions;  // the current one first, then in the order of their first sheet

  // The current edition's sheets, or nullptr when it has none.
  const EditionSheets* Current() const;
};

// What to gather.
struct SheetQuery {
  // The library's numbers of the papers wanted (as `papers` lists them); none
  // means every paper that has sheets, in the order of its first sheet.
  std::vector<long> numbers;
  bool keepResults = false;  // fill EditionSheets::results of current editions
};

// The outcome: the papers, or what stopped the gathering.
struct SheetGathering {
  StoreStatus status;
  std::string file;           // the file `status` is about
  bool paperMissing = false;  // a number of `query.numbers` names no paper of the library
  long missingPaper = 0;      // that number
  std::vector<PaperSheets> papers;
};

// Reads the library, the current question files and "answers.abcdans"
// (a missing one holds no sheets).
SheetGathering GatherSheets(const SheetQuery& query);

// GatherSheets for a command: false, after saying what went wrong (a NUMBER
// as export-paper says it), when it failed.
bool GatherSheetsOrSay(const SheetQuery& query, SheetGathering* gathered);

// The edition value of a question file's first `questions` records (at most
// as many as it holds whole), as an attempt stamps it on its sheet: the
// CRC-32 of those records as the record class encodes them.
// *read receives how many records that was; *texts (when not null) their texts.
StoreStatus QuestionFileEdition(const std::string& file, int questions, uint32_t* edition, int* read,
                                std::vector<QuestionText>* texts);

#endif  // QUIZMORA_ADMIN_SHEET_ANALYSIS_H_
