#ifndef QUIZMORA_RECORDS_FIELD_TEXT_H_
#define QUIZMORA_RECORDS_FIELD_TEXT_H_

#include <cstddef>
#include <cstring>

// Stores `text` into a fixed-width text field, cut to width-1 characters and
// always NUL-terminated. A null pointer stores the empty text.
template <size_t W>
void StoreText(char (&field)[W], const char* text) {
  const size_t n = text ? strnlen(text, W - 1) : 0;
  std::memcpy(field, text ? text : "", n);
  std::memset(field + n, 0, W - n);
}

#endif  // QUIZMORA_RECORDS_FIELD_TEXT_H_
