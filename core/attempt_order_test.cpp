// An attempt's order from its seed: the paper's own order for 0, the same
// order for the same seed, every order reachable, only present options
// moving.

#include "core/attempt_order.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Questions with `options` present options each (the rest empty).
std::vector<QuestionSkeleton> Paper(const std::vector<int>& options) {
  std::vector<QuestionSkeleton> paper(options.size());
  for (size_t q = 0; q < options.size(); ++q) {
    if (options[q] > 0) paper[q].getOptionA("a");
    if (options[q] > 1) paper[q].getOptionB("b");
    if (options[q] > 2) paper[q].getOptionC("c");
    if (options[q] > 3) paper[q].getOptionD("d");
  }
  return paper;
}

// The own options under the letters A to D, as text ("2013", "10--").
std::string Layout(const ShownOptions& shown) {
  std::string text;
  for (int own : shown.own) text += own < 0 ? '-' : static_cast<char>('0' + own);
  return text;
}

}  // namespace

TEST(AttemptOrder, SeedsSayWhatIsShuffled) {
  EXPECT_EQ(NewOrderSeed(false, false, 0xFFFFull), 0u);
  EXPECT_EQ(NewOrderSeed(true, false, 0xFFFCull), 0xFFFDu);
  EXPECT_EQ(NewOrderSeed(false, true, 0xFFFFull), 0xFFFEu);
  EXPECT_EQ(NewOrderSeed(true, true, 0), 3u);
}

TEST(AttemptOrder, SeedZeroIsThePapersOwnOrder) {
  std::vector<QuestionSkeleton> paper = Paper({4, 3, 2});
  const AttemptOrder order = OrderOfAttempt(0, paper);
  EXPECT_EQ(order.shown, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Layout(order.options[0]), "0123");
  EXPECT_EQ(Layout(order.options[1]), "012-");
  EXPECT_EQ(Layout(order.options[2]), "01--");
}

TEST(AttemptOrder, TheSameSeedGivesTheSameOrderInEveryVersion) {
  std::vector<QuestionSkeleton> paper = Paper({4, 4, 3, 2, 4, 4});
  // Pinned: a change of the generator would change the order of every
  // attempt already kept, and a resume would show other questions.
  for (int run = 0; run < 2; ++run) {
    const AttemptOrder order = OrderOfAttempt(0x0123456789ABCDEFull, paper);
    EXPECT_EQ(order.shown, (std::vector<int>{1, 0, 4, 2, 5, 3}));
    std::string layouts;
    for (const ShownOptions& shown : order.options) layouts += Layout(shown) + " ";
    EXPECT_EQ(layouts, "0312 2103 012- 10-- 2301 2310 ");
  }
}

TEST(AttemptOrder, EveryOrderIsReachableAndOnlyPresentOptionsMove) {
  std::vector<QuestionSkeleton> paper = Paper({3, 3, 3});
  std::set<std::vector<int>> questionOrders;
  std::set<std::string> optionLayouts;
  for (uint64_t random = 0; random < 4 * 600; random += 4) {
    const AttemptOrder both = OrderOfAttempt(NewOrderSeed(true, true, random), paper);
    questionOrders.insert(both.shown);
    for (const ShownOptions& shown : both.options) optionLayouts.insert(Layout(shown));
    const AttemptOrder questionsOnly = OrderOfAttempt(NewOrderSeed(true, false, random), paper);
    EXPECT_EQ(Layout(questionsOnly.options[0]), "012-");
    const AttemptOrder optionsOnly = OrderOfAttempt(NewOrderSeed(false, true, random), paper);
    EXPECT_EQ(optionsOnly.shown, (std::vector<int>{0, 1, 2}));
  }
  EXPECT_EQ(questionOrders.size(), 6u);
  EXPECT_EQ(optionLayouts, (std::set<std::string>{"012-", "021-", "102-", "120-", "201-", "210-"}));
}
