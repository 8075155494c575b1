#ifndef QUIZMORA_CORE_ATTEMPT_ORDER_H_
#define QUIZMORA_CORE_ATTEMPT_ORDER_H_

#include <cstdint>
#include <vector>

#include "core/question_options.h"
#include "records/question_skeleton.h"

// The order in which one attempt shows a paper. An attempt's order is one
// 64-bit number, the order seed, kept in the journal and the answer sheet:
// 0 is the paper's own order; otherwise bit 0 says the questions are
// shuffled, bit 1 that each question's options are, and the rest is random.
// The same seed always gives the same order, on every system and in every
// version, so an attempt resumed anywhere shows what it showed before.

// What an order seed shuffles.
constexpr uint64_t kShuffleQuestionsBit = 1;
constexpr uint64_t kShuffleOptionsBit = 2;

// Returns the seed of a new attempt: 0 when neither is shuffled, else
// `random` with its two low bits saying what is shuffled.
uint64_t NewOrderSeed(bool shuffleQuestions, bool shuffleOptions, uint64_t random);

// Returns the order in which an attempt of seed `seed` shows `count`
// questions: element i is the paper's own index (from 0) of the question
// shown as number i + 1. It depends on nothing but the seed and the count.
std::vector<int> QuestionOrder(uint64_t seed, size_t count);

// Returns the seed of a new attempt of a paper shuffled as said, its random
// bits from the system's random source (0 when nothing is shuffled).
uint64_t DrawOrderSeed(bool shuffleQuestions, bool shuffleOptions);

// One attempt's order of `Q` questions.
struct AttemptOrder {
  // shown[i] is the paper's own index (from 0) of the question shown as
  // number i + 1 (QuestionOrder).
  std::vector<int> shown;
  // options[q] lays out the options of the paper's own question q: only its
  // present options move, each keeping to the letters present options have.
  std::vector<ShownOptions> options;
};

// Returns the order that `seed` gives `questions` (in the paper's own
// order). A pure function: nothing else goes into it.
AttemptOrder OrderOfAttempt(uint64_t seed, std::vector<QuestionSkeleton>& questions);

#endif  // QUIZMORA_CORE_ATTEMPT_ORDER_H_
