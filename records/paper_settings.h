#ifndef QUIZMORA_RECORDS_PAPER_SETTINGS_H_
#define QUIZMORA_RECORDS_PAPER_SETTINGS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/record_layout.h"

// Bytes of one settings record on disk.
constexpr size_t kSettingsRecordSize = 368;

// The bits of a settings record's `flags`.
enum SettingsFlag : int32_t {
  kShuffleQuestionsFlag = 1,  // each attempt shows the questions in its own order
  kShuffleOptionsFlag = 2,    // and each question's options in its own order
  kReviewFlag = 4,            // the wrong answers are shown after the result
};

// Every bit a settings record may hold.
constexpr int32_t kKnownSettingsFlags = kShuffleQuestionsFlag | kShuffleOptionsFlag | kReviewFlag;

// One change of a paper's settings, appended to "subjlib.abcdset"; the last
// record naming a question file holds that paper's settings. A new record is
// all zeros.
struct SettingsRecord {
  // Bytes of one record of this class on disk.
  static constexpr size_t kRecordSize = kSettingsRecordSize;

  char questionFile[256] = {};  // the paper's question file name, as composed
  int32_t flags = 0;            // SettingsFlag bits
  int64_t whenSet = 0;          // wall-clock seconds since 1970 UTC
  char setBy[100] = {};         // the ID of the tutor who set them

  // dst/src hold kSettingsRecordSize bytes.
  void EncodeTo(char* dst) const;
  void DecodeFrom(const char* src);

  // The fields, bound to their place on disk.
  static const std::vector<FieldBinding<SettingsRecord>>& Fields();
};

#endif  // QUIZMORA_RECORDS_PAPER_SETTINGS_H_
