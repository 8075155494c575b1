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

void EncodeFixed64(char* dst, uint64_t value) {
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

uint64_t DecodeFixed64(const char* src) {
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(static_cast<unsigned char>(src[i])) << (8 * i);
  return v;
}

void EncodeDouble(char* dst, double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);  // the value's bits, not a struct
  EncodeFixed64(dst, bits);
}

double DecodeDouble(const char* src) {
  const uint64_t bits = DecodeFixed64(src);
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

namespace {

// The 256 remainders of one byte, built once: the table-driven form of the
// bitwise division by the reflected polynomial.
struct Crc32Table {
  uint32_t entry[256];
  Crc32Table() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entry[n] = c;
    }
  }
};

}  // namespace

uint32_t Crc32(uint32_t crc, const char* data, size_t n) {
  static const Crc32Table table;
  uint32_t c = crc ^ 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) c = table.entry[(c ^ static_cast<unsigned char>(data[i])) & 0xff] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}
