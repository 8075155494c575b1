#include "records/paper_settings.h"

const std::vector<FieldBinding<SettingsRecord>>& SettingsRecord::Fields() {
  using R = SettingsRecord;
  static const std::vector<FieldBinding<R>> fields = {
      {{"questionFile", 0, 256, FieldKind::kText}, [](R& r) -> void* { return r.questionFile; }},
      {{"flags", 256, 4, FieldKind::kInt32}, [](R& r) -> void* { return &r.flags; }},
      {{"whenSet", 260, 8, FieldKind::kInt64}, [](R& r) -> void* { return &r.whenSet; }},
      {{"setBy", 268, 100, FieldKind::kText}, [](R& r) -> void* { return r.setBy; }},
  };
  return fields;
}

void SettingsRecord::EncodeTo(char* dst) const { EncodeFields(Fields(), *this, dst); }

void SettingsRecord::DecodeFrom(const char* src) { DecodeFields(Fields(), src, *this); }
