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

#endif  // QUIZMORA_RECORDS_CODING_H_
