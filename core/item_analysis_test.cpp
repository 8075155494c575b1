#include "core/item_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

EditionFigures Analyse(const std::string& key, const std::vector<std::string>& sheets) {
  ItemAnalysis analysis(static_cast<int>(key.size()));
  for (const std::string& answers : sheets) analysis.Add(answers.data(), key.data());
  return analysis.Figures();
}

// A value that may be none: NAN stands for none in the tables below.
void ExpectFigure(const std::optional<double>& actual, double expected, const std::string& what) {
  if (std::isnan(expected)) {
    EXPECT_FALSE(actual.has_value()) << what;
  } else {
    ASSERT_TRUE(actual.has_value()) << what;
    EXPECT_NEAR(*actual, expected, 1e-9) << what;
  }
}

struct ExpectedItem {
  double facility, discrimination;
  std::array<int64_t, kChoiceCount> choices;
  unsigned flags;
};

struct HandWorked {
  const char* name;
  std::string key;
  std::vector<std::string> sheets;
  double mean, median, sd, min, max, reliability, sem;
  std::array<int64_t, kHistogramBins> histogram;
  std::vector<ExpectedItem> items;
};

const double kNone = NAN;

TEST(ItemAnalysis, HandWorkedTables) {
  const HandWorked cases[] = {
      // T = 1 of 2. One sheet: no deviation, nothing varies, so no
      // reliability and no discrimination.
      {"one sheet",
       "AB",
       {"AC"},
       50,
       50,
       kNone,
       50,
       50,
       kNone,
       kNone,
       {0, 0, 0, 0, 0, 1, 0, 0, 0, 0},
       {{100, kNone, {1, 0, 0, 0, 0}, kFlagEasy}, {0, kNone, {0, 0, 1, 0, 0}, kFlagHard | kFlagCheckKey}}},
      // Every column constant: var(T) = 0, so no reliability.
      {"all correct",
       "AB",
       {"AB", "AB", "AB"},
       100,
       100,
       0,
       100,
       100,
       kNone,
       kNone,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 3},
       {{100, kNone, {3, 0, 0, 0, 0}, kFlagEasy}, {100, kNone, {0, 3, 0, 0, 0}, kFlagEasy}}},
      // Nobody right; question 2 left blank by all: blanks never raise
      // "check key", a wrong option chosen more than the key does.
      {"all wrong",
       "AB",
       {std::string("B\0", 2), std::string("C\0", 2), std::string("\0\0", 2)},
       0,
       0,
       0,
       0,
       0,
       kNone,
       kNone,
       {3, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {{0, kNone, {0, 1, 1, 0, 1}, kFlagHard | kFlagCheckKey}, {0, kNone, {0, 0, 0, 0, 3}, kFlagHard}}},
      // T = 1,1,0,1,1,2: scores 50 x4, 0, 100; sd = sqrt(5000 / 5).
      // p = 5/6, 1/6; sum pq = 10/36, var(T) = 12/36; KR-20 = 2 (1 - 10/12).
      // Both discriminations are exactly 0.2 (25 cov^2 = var x var), so
      // neither is weak.
      {"discrimination exactly 0.2",
       "AA",
       {"AB", "AB", "BB", "AB", "AB", "AA"},
       50,
       50,
       std::sqrt(1000.0),
       0,
       100,
       1.0 / 3,
       std::sqrt(1000.0 * 2 / 3),
       {1, 0, 0, 0, 0, 4, 0, 0, 0, 1},
       {{500.0 / 6, 0.2, {5, 1, 0, 0, 0}, 0}, {100.0 / 6, 0.2, {1, 5, 0, 0, 0}, kFlagHard | kFlagCheckKey}}},
      // T = 3,2,1,1: the middle two differ (median of 33.3 and 66.7), and
      // two sheets tie below them. p = .75,.5,.5: sum pq = .6875 = var(T),
      // so KR-20 = 0 and SEM = sd. Question 1 correlates 0 with the rest
      // (weak), question 3 negatively (check key, though no wrong option
      // beats the key; question 2's tie of A and B raises nothing).
      {"negative discrimination, ties at the median",
       "AAA",
       {"AAA", "AAB", "ABC", "BBA"},
       175.0 / 3,
       50,
       100.0 / 3 * std::sqrt(2.75 / 3),
       100.0 / 3,
       100,
       0,
       100.0 / 3 * std::sqrt(2.75 / 3),
       {0, 0, 0, 2, 0, 0, 1, 0, 0, 1},
       {{75, 0, {3, 1, 0, 0, 0}, kFlagWeak},
        {50, 1 / std::sqrt(3.0), {2, 2, 0, 0, 0}, 0},
        {50, -1 / std::sqrt(11.0), {2, 1, 1, 0, 0}, kFlagCheckKey}}},
  };
  for (const HandWorked& c : cases) {
    SCOPED_TRACE(c.name);
    const EditionFigures f = Analyse(c.key, c.sheets);
    EXPECT_EQ(f.attempts, static_cast<int64_t>(c.sheets.size()));
    EXPECT_EQ(f.questions, static_cast<int>(c.key.size()));
    EXPECT_NEAR(f.mean, c.mean, 1e-9);
    EXPECT_NEAR(f.median, c.median, 1e-9);
    ExpectFigure(f.sd, c.sd, "sd");
    EXPECT_NEAR(f.min, c.min, 1e-9);
    EXPECT_NEAR(f.max, c.max, 1e-9);
    ExpectFigure(f.reliability, c.reliability, "reliability");
    ExpectFigure(f.sem, c.sem, "sem");
    EXPECT_EQ(f.histogram, c.histogram);
    ASSERT_EQ(f.items.size(), c.items.size());
    for (size_t j = 0; j < c.items.size(); ++j) {
      SCOPED_TRACE("question " + std::to_string(j + 1));
      EXPECT_EQ(f.items[j].number, static_cast<int>(j + 1));
      EXPECT_EQ(f.items[j].key, c.key[j]);
      EXPECT_NEAR(f.items[j].facility, c.items[j].facility, 1e-9);
      ExpectFigure(f.items[j].discrimination, c.items[j].discrimination, "discrimination");
      EXPECT_EQ(f.items[j].choices, c.items[j].choices);
      EXPECT_EQ(f.items[j].flags, c.items[j].flags);
    }
  }
}

TEST(ItemAnalysis, FlagNamesInTheirOrder) {
  EXPECT_EQ(FlagNames(kFlagCheckKey | kFlagWeak | kFlagHard), (std::vector<std::string>{"hard", "weak", "check key"}));
  EXPECT_TRUE(FlagNames(0).empty());
}

TEST(ItemAnalysis, ScoresAreThoseTheProgramStores) {
  // 1 of 3 is stored as 1 x 100.0 / 3; the figures must be that very double,
  // and 10 of 3 questions' worth never leaves the last bin.
  const EditionFigures f = Analyse("ABC", {"ADD"});
  EXPECT_EQ(f.min, 1 * 100.0 / 3);
  EXPECT_EQ(f.median, 1 * 100.0 / 3);
  const EditionFigures none = Analyse("", {"", ""});
  EXPECT_EQ(none.mean, 0);
  EXPECT_EQ(none.histogram[0], 2);
  EXPECT_FALSE(none.reliability.has_value());
}

// The figures worked out the plain way, two passes over the whole table in
// doubles, for comparison with the one-pass integer sums.
EditionFigures Straightforward(const std::string& key, const std::vector<std::string>& sheets) {
  const size_t n = sheets.size(), k = key.size();
  std::vector<std::vector<double>> x(n, std::vector<double>(k));
  std::vector<double> total(n), score(n);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < k; ++j) x[i][j] = sheets[i][j] == key[j] ? 1 : 0;
    for (size_t j = 0; j < k; ++j) total[i] += x[i][j];
    score[i] = total[i] * 100.0 / k;
  }
  const auto mean = [](const std::vector<double>& v) {
    double s = 0;
    for (double d : v) s += d;
    return s / v.size();
  };
  const auto squares = [](const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0;
    const double ma = [&] {
      double t = 0;
      for (double d : a) t += d;
      return t / a.size();
    }();
    const double mb = [&] {
      double t = 0;
      for (double d : b) t += d;
      return t / b.size();
    }();
    for (size_t i = 0; i < a.size(); ++i) s += (a[i] - ma) * (b[i] - mb);
    return s;
  };
  EditionFigures f;
  f.mean = mean(score);
  std::vector<double> sorted = score;
  std::sort(sorted.begin(), sorted.end());
  f.median = (sorted[(n - 1) / 2] + sorted[n / 2]) / 2;
  f.min = sorted.front();
  f.max = sorted.back();
  f.sd = std::sqrt(squares(score, score) / (n - 1));
  double pq = 0;
  for (size_t j = 0; j < k; ++j) {
    std::vector<double> column(n), rest(n);
    for (size_t i = 0; i < n; ++i) column[i] = x[i][j], rest[i] = total[i] - x[i][j];
    const double p = mean(column);
    pq += p * (1 - p);
    ItemFigures item;
    item.facility = 100 * p;
    item.discrimination = squares(column, rest) / std::sqrt(squares(column, column) * squares(rest, rest));
    if (item.facility < 30) item.flags |= kFlagHard;
    if (item.facility > 90) item.flags |= kFlagEasy;
    if (*item.discrimination >= 0 && *item.discrimination < 0.2) item.flags |= kFlagWeak;
    bool beaten = false;
    for (char option = 'A'; option <= 'D'; ++option) {
      size_t chosen = 0;
      for (size_t i = 0; i < n; ++i) chosen += sheets[i][j] == option;
      beaten = beaten || (option != key[j] && chosen > p * n + 0.5);
    }
    if (*item.discrimination < 0 || beaten) item.flags |= kFlagCheckKey;
    f.items.push_back(item);
  }
  f.reliability = k / (k - 1.0) * (1 - pq / (squares(total, total) / n));
  f.sem = *f.sd * std::sqrt(1 - *f.reliability);
  for (double s : score) ++f.histogram[std::min(9, static_cast<int>(s / 10))];
  return f;
}

TEST(ItemAnalysis, AgreesWithAStraightforwardComputationOnARandomTable) {
  // 400 candidates of varied ability answer 25 questions of varied
  // difficulty, a few with a wrong key (the strong pick another option).
  std::mt19937 random(20261209);
  std::string key;
  for (int j = 0; j < 25; ++j) key += static_cast<char>('A' + random() % 4);
  std::vector<std::string> sheets;
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 400; ++i) {
    const double ability = unit(random);
    std::string answers;
    for (int j = 0; j < 25; ++j) {
      const double difficulty = j / 25.0;
      const bool right = unit(random) < 0.05 + ability * (1.2 - difficulty);
      const char wrong = static_cast<char>('A' + (key[j] - 'A' + 1 + random() % 3) % 4);
      answers += unit(random) < 0.03 ? '\0' : right == (j % 8 != 7) ? key[j] : wrong;
    }
    sheets.push_back(answers);
  }
  const EditionFigures f = Analyse(key, sheets);
  const EditionFigures g = Straightforward(key, sheets);
  EXPECT_NEAR(f.mean, g.mean, 1e-9);
  EXPECT_NEAR(f.median, g.median, 1e-9);
  EXPECT_NEAR(*f.sd, *g.sd, 1e-9);
  EXPECT_EQ(f.min, g.min);
  EXPECT_EQ(f.max, g.max);
  EXPECT_NEAR(*f.reliability, *g.reliability, 1e-9);
  EXPECT_NEAR(*f.sem, *g.sem, 1e-9);
  EXPECT_EQ(f.histogram, g.histogram);
  unsigned seen = 0;
  for (size_t j = 0; j < key.size(); ++j) {
    SCOPED_TRACE("question " + std::to_string(j + 1));
    EXPECT_NEAR(f.items[j].facility, g.items[j].facility, 1e-9);
    EXPECT_NEAR(*f.items[j].discrimination, *g.items[j].discrimination, 1e-9);
    EXPECT_EQ(f.items[j].flags, g.items[j].flags);
    seen |= f.items[j].flags;
  }
  EXPECT_EQ(seen & (kFlagHard | kFlagCheckKey), kFlagHard | kFlagCheckKey) << "the table exercises the flags";
}

}  // namespace
