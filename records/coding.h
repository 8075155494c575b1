#ifndef QUIZMORA_RECORDS_CODING_H_
#define QUIZMORA_RECORDS_CODING_H_

#include <cstddef>
#include <cstdint>

// The one place where numbers and texts are turned into the bytes of the
// record files and back. Numbers are little-endian, least significant byte
// first, built with shifts so the layout never depends on the machine.

// Writes `value` into dst[0..3].
void EncodeFixed32(char* dst, int32_t value);
// Returns the int32 stored in src[0..3].
int32_t DecodeFixed32(const char* src);

// Writes `value` into dst[0..7].
void EncodeFixed64(char* dst, uint64_t value);
// Returns the uint64 stored in src[0..7].
uint64_t DecodeFixed64(const char* src);

// Writes the IEEE-754 binary64 bits of `value` into dst[0..7].
void EncodeDouble(char* dst, double value);
// Returns the double whose binary64 bits are stored in src[0..7].
double DecodeDouble(const char* src);

// Copies the text `field` (a char array of `width`) into dst[0..width-1]:
// the text, then NUL bytes up to the width. The last byte is always NUL.
void EncodeText(char* dst, const char* field, size_t width);
// Copies src[0..width-1] into `field`, forcing field[width-1] to NUL so that a
// damaged file can never leave a text without its terminator.
void DecodeText(char* field, const char* src, size_t width);

// Returns the CRC-32 of data[0..n-1] continued from `crc` (0 to begin), the
// checksum of zlib's crc32 and of zip files (reflected polynomial
// 0xEDB88320): Crc32(Crc32(0, a), b) is the CRC-32 of a then b.
uint32_t Crc32(uint32_t crc, const char* data, size_t n);

#endif  // QUIZMORA_RECORDS_CODING_H_
