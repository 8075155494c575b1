#ifndef QUIZMORA_RECORDS_ANSWER_SHEET_H_
#define QUIZMORA_RECORDS_ANSWER_SHEET_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/record_layout.h"

// Bytes of one answer sheet on disk.
constexpr size_t kAnswerSheetRecordSize = 2570;

// Most questions a sheet holds: one answer byte and one key byte each.
constexpr int kSheetMaxQuestions = 1000;

// How an attempt came to its end, as kept in a sheet's `ending`.
enum SheetEnding : int32_t {
  kSheetUnfinished = 0,      // still running (a journal)
  kSheetAllAnswered = 1,     // every question answered
  kSheetTimeUp = 2,          // the time ran out
  kSheetFinishedByTool = 3,  // saved by the companion tool after its time
  kSheetPaperChanged = 4,    // the paper changed before a resume
};

// Bits of a journal's `saved`: the files that already hold its result.
enum SheetSaved : int32_t {
  kSavedInResults = 1,  // "candidate.abcddata"
  kSavedInOwnFile = 2,  // the candidate's own result file
};

// The record of one attempt's answers and key: the running attempt's
// journal holds one, and "answers.abcdans" one per saved attempt. The key
// travels with the answers, so a sheet can be scored and looked into after
// its paper was republished or lost. A new sheet is all zeros.
//
// answers[i] is the option chosen for question i+1 of the paper's own
// order ('A' to 'D', 0 when unanswered); key[i] the correct option of
// question i+1 ('A' to 'D' below `questions`, 0 from there on). Neither is
// a NUL-terminated text.
struct AnswerSheet {
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kAnswerSheetRecordSize;

  int64_t started = 0;    // wall-clock seconds since 1970 UTC when the clock started
  double allowed = 0;     // seconds allowed
  double timeTaken = 0;   // seconds used (so far, in a journal)
  double score = 0;       // percent; 0 while unfinished
  uint64_t order = 0;     // 0: the paper's own order
  uint32_t edition = 0;   // CRC-32 of the question records read
  int32_t questions = 0;  // question records read
  int32_t answered = 0;   // questions with an answer
  int32_t ending = 0;     // a SheetEnding
  int32_t saved = 0;      // SheetSaved bits (a journal's only)
  char id[100] = {};
  char name[100] = {};
  char subject[100] = {};
  char level[50] = {};
  char author[100] = {};
  char date[30] = {};  // the result record's date text; empty while unfinished
  char time[30] = {};  // the result record's time text; empty while unfinished
  char answers[kSheetMaxQuestions] = {};
  char key[kSheetMaxQuestions] = {};

  // dst/src hold kAnswerSheetRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // The fields, bound to their place on disk.
  static const std::vector<FieldBinding<AnswerSheet>>& Fields();
};

#endif  // QUIZMORA_RECORDS_ANSWER_SHEET_H_
