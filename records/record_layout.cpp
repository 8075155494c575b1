#include "records/record_layout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "records/answer_sheet.h"
#include "records/candidate_skeleton.h"
#include "records/paper_settings.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/tutor_skeleton.h"

namespace {

// A derived record's layout is its base's followed by its own fields.
template <class... Tables>
std::vector<FieldLayout> Concatenate(const Tables&... tables) {
  std::vector<FieldLayout> all;
  (all.insert(all.end(), tables.begin(), tables.end()), ...);
  return all;
}

}  // namespace

const RecordLayout& CandidateLayout() {
  static const RecordLayout layout{"candidate", kCandidateRecordSize, LayoutsOf(CandidateSkeleton::Fields())};
  return layout;
}

const RecordLayout& TutorLayout() {
  static const RecordLayout layout{
      "tutor", kTutorRecordSize,
      Concatenate(LayoutsOf(CandidateSkeleton::Fields()), LayoutsOf(TutorSkeleton::Fields()))};
  return layout;
}

const RecordLayout& PaperLayout() {
  static const RecordLayout layout{"paper", kPaperRecordSize,
                                   Concatenate(LayoutsOf(CandidateSkeleton::Fields()),
                                               LayoutsOf(TutorSkeleton::Fields()), LayoutsOf(PaperSkeleton::Fields()))};
  return layout;
}

const RecordLayout& QuestionLayout() {
  static const RecordLayout layout{"question", kQuestionRecordSize, LayoutsOf(QuestionSkeleton::Fields())};
  return layout;
}

const RecordLayout& AnswerSheetLayout() {
  static const RecordLayout layout{"answer sheet", kAnswerSheetRecordSize, LayoutsOf(AnswerSheet::Fields())};
  return layout;
}

const RecordLayout& SettingsLayout() {
  static const RecordLayout layout{"settings", kSettingsRecordSize, LayoutsOf(SettingsRecord::Fields())};
  return layout;
}

const FieldLayout* FindField(const RecordLayout& layout, const char* name) {
  for (const FieldLayout& field : layout.fields) {
    if (std::strcmp(field.name, name) == 0) return &field;
  }
  return nullptr;
}

std::string TextField(const char* record, const FieldLayout& field) {
  const char* start = record + field.offset;
  return std::string(start, strnlen(start, field.width));
}

bool TextTerminated(const char* record, const FieldLayout& field) {
  return std::memchr(record + field.offset, '\0', field.width) != nullptr;
}

std::string RecordBytes(const RecordLayout& layout, const std::vector<FieldValue>& values) {
  std::string bytes(layout.size, '\0');
  for (const FieldValue& value : values) {
    const FieldLayout* field = FindField(layout, value.name);
    if (!field) std::abort();
    char* out = &bytes[field->offset];
    switch (field->kind) {
      case FieldKind::kText:
      case FieldKind::kBytes: std::memcpy(out, value.text.data(), std::min(value.text.size(), field->width)); break;
      case FieldKind::kInt32: EncodeFixed32(out, static_cast<int32_t>(value.number)); break;
      case FieldKind::kUint32: EncodeFixed32(out, static_cast<int32_t>(static_cast<uint32_t>(value.number))); break;
      case FieldKind::kInt64: EncodeFixed64(out, static_cast<uint64_t>(static_cast<int64_t>(value.number))); break;
      case FieldKind::kUint64: EncodeFixed64(out, static_cast<uint64_t>(value.number)); break;
      case FieldKind::kDouble: EncodeDouble(out, value.number); break;
    }
  }
  return bytes;
}
