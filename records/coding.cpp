#include "records/coding.h"

#include <cstring>

void EncodeFixed32(char* dst, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) dst[i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

int32_t DecodeFixed32(const char* src) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(src[i])) << (8 * i);
  return static_cast<int32_t>(v);
}

void EncodeDouble(char* dst, double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);  // the value's bits, not a struct
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<char>((bits >> (8 * i)) & 0xff);
}

double DecodeDouble(const char* src) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(static_cast<unsigned char>(src[i])) << (8 * i);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void EncodeText(char* dst, const char* field, size_t width) {
  // strnlen: a field is only trusted up to its width, never past it.
  const size_t n = strnlen(field, width - 1);
  std::memcpy(dst, field, n);
  std::memset(dst + n, 0, width - n);
}

void DecodeText(char* field, const char* src, size_t width) {
  std::memcpy(field, src, width - 1);
  field[width - 1] = '\0';
}
