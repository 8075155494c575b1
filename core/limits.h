#ifndef QUIZMORA_CORE_LIMITS_H_
#define QUIZMORA_CORE_LIMITS_H_

#include <cstddef>

// What a paper and an account may hold, the same in both programs: the
// screens' entry refuses more, the tool's readers and its checker too.

// A paper has 1 to this many questions.
constexpr int kMaxPaperQuestions = 1000;

// A tutor gives a paper 1 to this many minutes of his own.
constexpr int kMaxPaperMinutes = 100000;

// Passwords are whole numbers from 1 to this.
constexpr int kHighestPassword = 9000000;

// The longest texts kept, in bytes (the stored field then still ends in a
// NUL): a paper's subject, a question, an option, and each text typed at
// registration or login.
constexpr size_t kMaxSubjectBytes = 99;
constexpr size_t kMaxQuestionBytes = 399;
constexpr size_t kMaxOptionBytes = 299;
constexpr size_t kMaxAccountTextBytes = 99;

#endif  // QUIZMORA_CORE_LIMITS_H_
