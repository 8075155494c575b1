#ifndef QUIZMORA_ADMIN_COUNTED_H_
#define QUIZMORA_ADMIN_COUNTED_H_

#include <string>

// How every message of quizmora-admin writes a count with its noun, so that
// it reads as English: "1 minute", "2 minutes", "0 problems".

// Returns `count`, a blank and `singular` when the count is exactly 1,
// otherwise `plural` ("" = `singular` with an s added).
std::string Counted(long long count, const std::string& singular, const std::string& plural = "");

// The same for a count already written as text (a number of minutes such as
// "1.5"): singular only when the text is "1".
std::string Counted(const std::string& count, const std::string& singular, const std::string& plural = "");

#endif  // QUIZMORA_ADMIN_COUNTED_H_
