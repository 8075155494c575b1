#include "core/attempt_order.h"

#include <utility>

#include "platform/platform.h"

namespace {

// SplitMix64: a small generator fixed here in full, so that an order never
// depends on a library's choice of algorithm (the standard's shuffle and
// distributions may differ between library versions).
class OrderBits {
 public:
  explicit OrderBits(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // Returns a number from 0 to n-1, every one equally likely (the values
  // that would favour the low numbers are drawn again).
  uint64_t Below(uint64_t n) {
    const uint64_t threshold = (0 - n) % n;
    for (;;) {
      const uint64_t x = Next();
      if (x >= threshold) return x % n;
    }
  }

 private:
  uint64_t state_;
};

// Fisher-Yates, from the last place down.
template <class T>
void Shuffle(std::vector<T>* items, OrderBits* bits) {
  for (size_t i = items->size(); i > 1; --i) std::swap((*items)[i - 1], (*items)[bits->Below(i)]);
}

}  // namespace

uint64_t NewOrderSeed(bool shuffleQuestions, bool shuffleOptions, uint64_t random) {
  const uint64_t flags = (shuffleQuestions ? kShuffleQuestionsBit : 0) | (shuffleOptions ? kShuffleOptionsBit : 0);
  return flags == 0 ? 0 : (random & ~uint64_t{3}) | flags;
}

uint64_t DrawOrderSeed(bool shuffleQuestions, bool shuffleOptions) {
  if (!shuffleQuestions && !shuffleOptions) return 0;
  return NewOrderSeed(shuffleQuestions, shuffleOptions, platform::SystemRandom64());
}

std::vector<int> QuestionOrder(uint64_t seed, size_t count) {
  std::vector<int> shown;
  for (size_t q = 0; q < count; ++q) shown.push_back(static_cast<int>(q));
  OrderBits bits(seed);
  if (seed & kShuffleQuestionsBit) Shuffle(&shown, &bits);
  return shown;
}

AttemptOrder OrderOfAttempt(uint64_t seed, std::vector<QuestionSkeleton>& questions) {
  AttemptOrder order;
  order.shown = QuestionOrder(seed, questions.size());
  // The options draw from a stream of their own, so the order of the
  // questions never depends on their options.
  OrderBits bits(~seed);
  for (QuestionSkeleton& question : questions) {
    ShownOptions shown = OptionsAsStored(question);
    if (seed & kShuffleOptionsBit) {
      std::vector<int> present;
      for (int letter = 0; letter < kMaxOptions; ++letter) {
        if (shown.own[letter] >= 0) present.push_back(shown.own[letter]);
      }
      Shuffle(&present, &bits);
      size_t next = 0;
      for (int letter = 0; letter < kMaxOptions; ++letter) {
        if (shown.own[letter] >= 0) shown.own[letter] = present[next++];
      }
    }
    order.options.push_back(shown);
  }
  return order;
}
