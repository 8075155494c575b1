#ifndef QUIZMORA_RECORDS_RECORD_LAYOUT_H_
#define QUIZMORA_RECORDS_RECORD_LAYOUT_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "records/coding.h"

// The one description of every record's bytes on disk. Each record class
// binds its fields to a table of (name, offset, width, kind); encoding,
// decoding, the data checker and the test fixtures all read that table, so
// a layout is written down once.

// The kinds of field: a NUL-terminated text (at most width-1 bytes), signed
// and unsigned little-endian integers, an IEEE-754 double, and raw bytes
// stored as they are (no terminator, every byte may be used).
enum class FieldKind { kText, kInt32, kUint32, kInt64, kUint64, kDouble, kBytes };

// One field on disk: `width` bytes at `offset` of the record.
struct FieldLayout {
  const char* name;
  size_t offset;
  size_t width;
  FieldKind kind;
};

// A whole record type: its size and its fields in offset order.
struct RecordLayout {
  const char* name;
  size_t size;
  std::vector<FieldLayout> fields;
};

// The layouts of the record types (980, 1230, 1242, 3204 and 2570 bytes).
const RecordLayout& CandidateLayout();
const RecordLayout& TutorLayout();
const RecordLayout& PaperLayout();
const RecordLayout& QuestionLayout();
const RecordLayout& AnswerSheetLayout();
const RecordLayout& SettingsLayout();  // 368 bytes

// Returns the field called `name` in `layout`, or nullptr.
const FieldLayout* FindField(const RecordLayout& layout, const char* name);

// A field of class R: where it lies on disk and where it lives in memory.
template <class R>
struct FieldBinding {
  FieldLayout layout;
  void* (*at)(R& record);
};

// Writes the bound fields of `record` into `dst` (a whole record's bytes).
template <class R>
void EncodeFields(const std::vector<FieldBinding<R>>& fields, const R& record, char* dst) {
  R& r = const_cast<R&>(record);  // `at` only hands out the address
  for (const FieldBinding<R>& f : fields) {
    char* out = dst + f.layout.offset;
    const void* field = f.at(r);
    switch (f.layout.kind) {
      case FieldKind::kText: EncodeText(out, static_cast<const char*>(field), f.layout.width); break;
      case FieldKind::kInt32: EncodeFixed32(out, *static_cast<const int32_t*>(field)); break;
      case FieldKind::kUint32: EncodeFixed32(out, static_cast<int32_t>(*static_cast<const uint32_t*>(field))); break;
      case FieldKind::kInt64: EncodeFixed64(out, static_cast<uint64_t>(*static_cast<const int64_t*>(field))); break;
      case FieldKind::kUint64: EncodeFixed64(out, *static_cast<const uint64_t*>(field)); break;
      case FieldKind::kDouble: EncodeDouble(out, *static_cast<const double*>(field)); break;
      case FieldKind::kBytes: std::memcpy(out, field, f.layout.width); break;
    }
  }
}

// Reads the bound fields of `record` from `src` (a whole record's bytes).
template <class R>
void DecodeFields(const std::vector<FieldBinding<R>>& fields, const char* src, R& record) {
  for (const FieldBinding<R>& f : fields) {
    const char* in = src + f.layout.offset;
    void* field = f.at(record);
    switch (f.layout.kind) {
      case FieldKind::kText: DecodeText(static_cast<char*>(field), in, f.layout.width); break;
      case FieldKind::kInt32: *static_cast<int32_t*>(field) = DecodeFixed32(in); break;
      case FieldKind::kUint32: *static_cast<uint32_t*>(field) = static_cast<uint32_t>(DecodeFixed32(in)); break;
      case FieldKind::kInt64: *static_cast<int64_t*>(field) = static_cast<int64_t>(DecodeFixed64(in)); break;
      case FieldKind::kUint64: *static_cast<uint64_t*>(field) = DecodeFixed64(in); break;
      case FieldKind::kDouble: *static_cast<double*>(field) = DecodeDouble(in); break;
      case FieldKind::kBytes: std::memcpy(field, in, f.layout.width); break;
    }
  }
}

// Returns the layouts of `fields`, in their order.
template <class R>
std::vector<FieldLayout> LayoutsOf(const std::vector<FieldBinding<R>>& fields) {
  std::vector<FieldLayout> out;
  for (const FieldBinding<R>& f : fields) out.push_back(f.layout);
  return out;
}

// Raw access to one field of a record's bytes, by the layout table: for
// checks of damaged files and for laying out test fixtures.

// Returns the text of `field` in `record` (up to its first NUL, or the whole
// width when it has none).
std::string TextField(const char* record, const FieldLayout& field);
// True when the text of `field` has a NUL within its width.
bool TextTerminated(const char* record, const FieldLayout& field);

// Returns a record of `layout` whose fields named in `values` hold those
// values (the text for a text or bytes field, the number for the others)
// and every other byte is zero. A name the layout does
// not have is a programming error (abort), so fixtures cannot drift.
struct FieldValue {
  const char* name;
  std::string text;
  double number;
};
std::string RecordBytes(const RecordLayout& layout, const std::vector<FieldValue>& values);

#endif  // QUIZMORA_RECORDS_RECORD_LAYOUT_H_
