#include "records/answer_sheet.h"

const std::vector<FieldBinding<AnswerSheet>>& AnswerSheet::Fields() {
  using R = AnswerSheet;
  static const std::vector<FieldBinding<R>> fields = {
      {{"started", 0, 8, FieldKind::kInt64}, [](R& r) -> void* { return &r.started; }},
      {{"allowed", 8, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.allowed; }},
      {{"timeTaken", 16, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.timeTaken; }},
      {{"score", 24, 8, FieldKind::kDouble}, [](R& r) -> void* { return &r.score; }},
      {{"order", 32, 8, FieldKind::kUint64}, [](R& r) -> void* { return &r.order; }},
      {{"edition", 40, 4, FieldKind::kUint32}, [](R& r) -> void* { return &r.edition; }},
      {{"questions", 44, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.questions; }},
      {{"answered", 48, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.answered; }},
      {{"ending", 52, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.ending; }},
      {{"saved", 56, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.saved; }},
      {{"id", 60, 100, FieldKind::kText}, [](R& r) -> void* { return r.id; }},
      {{"name", 160, 100, FieldKind::kText}, [](R& r) -> void* { return r.name; }},
      {{"subject", 260, 100, FieldKind::kText}, [](R& r) -> void* { return r.subject; }},
      {{"level", 360, 50, FieldKind::kText}, [](R& r) -> void* { return r.level; }},
      {{"author", 410, 100, FieldKind::kText}, [](R& r) -> void* { return r.author; }},
      {{"date", 510, 30, FieldKind::kText}, [](R& r) -> void* { return r.date; }},
      {{"time", 540, 30, FieldKind::kText}, [](R& r) -> void* { return r.time; }},
      {{"answers", 570, 1000, FieldKind::kBytes}, [](R& r) -> void* { return r.answers; }},
      {{"key", 1570, 1000, FieldKind::kBytes}, [](R& r) -> void* { return r.key; }},
  };
  return fields;
}

void AnswerSheet::EncodeTo(char* dst) const { EncodeFields(Fields(), *this, dst); }

void AnswerSheet::DecodeFrom(const char* src) { DecodeFields(Fields(), src, *this); }
