#include "core/item_analysis.h"

#include <algorithm>
#include <cmath>

namespace {

// An unsigned 128-bit product as (high, low) halves: products of two sums
// (a covariance squared, two variances multiplied) outgrow 64 bits long
// before the sums do, and the flags must compare them exactly.
struct Wide {
  uint64_t hi, lo;
};

Wide Multiply(uint64_t a, uint64_t b) {
  const uint64_t aLow = a & 0xffffffffu, aHigh = a >> 32, bLow = b & 0xffffffffu, bHigh = b >> 32;
  const uint64_t ll = aLow * bLow, lh = aLow * bHigh, hl = aHigh * bLow, hh = aHigh * bHigh;
  const uint64_t middle = (ll >> 32) + (lh & 0xffffffffu) + (hl & 0xffffffffu);
  return Wide{hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & 0xffffffffu)};
}

bool Below(const Wide& x, const Wide& y) { return x.hi < y.hi || (x.hi == y.hi && x.lo < y.lo); }

int ChoiceIndex(char answer) { return answer >= 'A' && answer <= 'D' ? answer - 'A' : kOptionCount; }

}  // namespace

std::vector<std::string> FlagNames(unsigned flags) {
  static const char* const kNames[] = {"hard", "easy", "weak", "check key"};
  std::vector<std::string> names;
  for (unsigned bit = 0; bit < 4; ++bit) {
    if (flags & (1u << bit)) names.push_back(kNames[bit]);
  }
  return names;
}

ItemAnalysis::ItemAnalysis(int questions)
    : questions_(questions),
      totals_(questions + 1),
      correct_(questions),
      correctSum_(questions),
      choices_(questions),
      right_(questions) {}

void ItemAnalysis::Add(const char* answers, const char* key) {
  if (sheets_ == 0) key_.assign(key, questions_);
  int64_t total = 0;
  for (int j = 0; j < questions_; ++j) {
    const int choice = ChoiceIndex(answers[j]);
    ++choices_[j][choice];
    right_[j] = choice < kOptionCount && answers[j] == key[j];
    total += right_[j];
  }
  // The totals of those who were right come second: they need the whole T.
  for (int j = 0; j < questions_; ++j) {
    if (right_[j]) {
      ++correct_[j];
      correctSum_[j] += total;
    }
  }
  ++sheets_;
  ++totals_[total];
  sumT_ += total;
  sumT2_ += total * total;
}

double ItemAnalysis::Score(int64_t correct) const {
  // As the program scores an attempt: the count as a double, x 100, / Q.
  return questions_ > 0 ? static_cast<double>(correct) * 100.0 / questions_ : 0.0;
}

double ItemAnalysis::MedianScore() const {
  // The middle totals (0-based ranks (n-1)/2 and n/2), found by walking the
  // counts of each total upwards.
  const int64_t lowRank = (sheets_ - 1) / 2, highRank = sheets_ / 2;
  int64_t low = -1, high = -1, below = 0;
  for (int t = 0; t <= questions_ && high < 0; ++t) {
    below += totals_[t];
    if (low < 0 && below > lowRank) low = t;
    if (below > highRank) high = t;
  }
  return (Score(low) + Score(high)) / 2;
}

ItemFigures ItemAnalysis::Item(int j) const {
  ItemFigures item;
  item.number = j + 1;
  item.key = key_[j] >= 'A' && key_[j] <= 'D' ? key_[j] : 0;
  item.choices = choices_[j];
  const int64_t n = sheets_, c = correct_[j];
  item.facility = 100.0 * static_cast<double>(c) / static_cast<double>(n);
  // Being right here (x) against the total on the other questions (R = T - x),
  // each sum times n so that everything stays an integer:
  // n x covariance, n^2 x var(x), n^2 x var(R).
  const int64_t sumR = sumT_ - c;
  const int64_t sumR2 = sumT2_ - 2 * correctSum_[j] + c;
  const int64_t covariance = n * (correctSum_[j] - c) - c * sumR;
  const int64_t varianceX = c * (n - c);
  const int64_t varianceR = n * sumR2 - sumR * sumR;
  const bool defined = varianceX > 0 && varianceR > 0;
  if (defined) {
    const double r = static_cast<double>(covariance) /
                     (std::sqrt(static_cast<double>(varianceX)) * std::sqrt(static_cast<double>(varianceR)));
    item.discrimination = std::max(-1.0, std::min(1.0, r));
  }
  if (10 * c < 3 * n) item.flags |= kFlagHard;
  if (10 * c > 9 * n) item.flags |= kFlagEasy;
  // 0 <= r < 0.2 exactly: covariance >= 0 and 25 covariance^2 < var(x) var(R).
  const uint64_t fiveCov = static_cast<uint64_t>(covariance < 0 ? -covariance : covariance) * 5;
  if (defined && covariance >= 0 &&
      Below(Multiply(fiveCov, fiveCov), Multiply(static_cast<uint64_t>(varianceX), static_cast<uint64_t>(varianceR)))) {
    item.flags |= kFlagWeak;
  }
  bool outchosen = false;
  for (int o = 0; o < kOptionCount; ++o) outchosen = outchosen || ('A' + o != item.key && item.choices[o] > c);
  if ((defined && covariance < 0) || outchosen) item.flags |= kFlagCheckKey;
  return item;
}

EditionFigures ItemAnalysis::Figures() const {
  EditionFigures f;
  const int64_t n = sheets_;
  const int k = questions_;
  f.attempts = n;
  f.questions = k;
  f.mean = k > 0 ? 100.0 * static_cast<double>(sumT_) / (static_cast<double>(n) * k) : 0.0;
  f.median = MedianScore();
  int lowest = k, highest = 0;
  for (int t = 0; t <= k; ++t) {
    if (totals_[t] == 0) continue;
    lowest = std::min(lowest, t);
    highest = std::max(highest, t);
    const int bin = k > 0 ? std::min<int64_t>(kHistogramBins - 1, 10 * static_cast<int64_t>(t) / k) : 0;
    f.histogram[bin] += totals_[t];
  }
  f.min = Score(lowest);
  f.max = Score(highest);
  // n^2 x the population variance of T.
  const int64_t spread = n * sumT2_ - sumT_ * sumT_;
  if (n >= 2) {
    const double varianceT = static_cast<double>(spread) / (static_cast<double>(n) * static_cast<double>(n - 1));
    f.sd = k > 0 ? 100.0 / k * std::sqrt(varianceT) : 0.0;
  }
  if (k >= 2 && spread > 0) {
    int64_t itemSpread = 0;  // n^2 x the sum of p(1 - p)
    for (int j = 0; j < k; ++j) itemSpread += correct_[j] * (n - correct_[j]);
    f.reliability =
        static_cast<double>(k) / (k - 1) * (1.0 - static_cast<double>(itemSpread) / static_cast<double>(spread));
  }
  if (f.sd && f.reliability) f.sem = *f.sd * std::sqrt(std::max(0.0, 1.0 - *f.reliability));
  for (int j = 0; j < k; ++j) f.items.push_back(Item(j));
  return f;
}
