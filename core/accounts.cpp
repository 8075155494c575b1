#include "core/accounts.h"

#include <cstring>

bool AccountHasId(const char* bytes, const char* id) {
  // Decoding keeps at most width-1 bytes of a text, so compare exactly those.
  static const FieldLayout* const field = FindField(CandidateLayout(), "IDNumber");
  const char* stored = bytes + field->offset;
  const size_t length = strnlen(stored, field->width - 1);
  return std::strlen(id) == length && std::memcmp(stored, id, length) == 0;
}

bool PasswordMatches(int stored, int typed) { return typed >= 1 && stored == typed; }

StoreStatus AppendNewAccount(const char* path, const std::string& bytes, const char* id, bool* duplicate) {
  const std::string wanted = id;
  return AppendRecords(
      path, bytes, bytes.size(), [&wanted](const char* record) { return AccountHasId(record, wanted.c_str()); },
      duplicate);
}
