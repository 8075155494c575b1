#ifndef QUIZMORA_CORE_ITEM_ANALYSIS_H_
#define QUIZMORA_CORE_ITEM_ANALYSIS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Item analysis of one edition of a paper: how the class scored, how reliable
// the paper was, and for each question how many got it right, whether the
// strong candidates got it right more often than the weak ones, and which
// options were chosen.
//
// Sheets are added one at a time into integer sums (per question: correct
// answers, the totals of those who were right, the choices; and the count of
// every total score), so memory depends on the number of questions only, and
// every flag is decided on exact integers. The sums stay exact up to three
// million sheets of a 1000-question edition.

// The options a question can have and the count kept for "not answered".
constexpr int kOptionCount = 4;                 // A to D
constexpr int kChoiceCount = kOptionCount + 1;  // A to D, then not answered
constexpr int kHistogramBins = 10;

// What the figures say of a question, in the order they are named.
enum ItemFlag : unsigned {
  kFlagHard = 1u << 0,      // facility under 30
  kFlagEasy = 1u << 1,      // facility over 90
  kFlagWeak = 1u << 2,      // discrimination from 0 up to, not including, 0.2
  kFlagCheckKey = 1u << 3,  // discrimination below 0, or a wrong option chosen more than the key
};

// The names of the flags set in `flags` ("hard", "easy", "weak", "check key"),
// in that order.
std::vector<std::string> FlagNames(unsigned flags);

// The figures of one question.
struct ItemFigures {
  int number = 0;       // from 1
  char key = 0;         // 'A' to 'D' as the first sheet holds it (0 when it holds none)
  double facility = 0;  // percent of the sheets that answered with the key
  // Pearson correlation of being right here with the total on the other
  // questions; none when either does not vary.
  std::optional<double> discrimination;
  std::array<int64_t, kChoiceCount> choices{};  // A, B, C, D, not answered
  unsigned flags = 0;                           // ItemFlag bits
};

// The figures of one edition. Every score figure is of 100 x T / Q, T the
// correct answers of a sheet and Q the edition's questions (0 when Q is 0).
struct EditionFigures {
  int64_t attempts = 0;
  int questions = 0;
  double mean = 0, median = 0, min = 0, max = 0;
  std::optional<double> sd;                         // sample deviation; none under 2 sheets
  std::optional<double> reliability;                // KR-20; none when Q < 2 or T does not vary
  std::optional<double> sem;                        // sd x sqrt(1 - reliability)
  std::array<int64_t, kHistogramBins> histogram{};  // bin b: scores from 10b (the last to 100)
  std::vector<ItemFigures> items;
};

// The running sums of one edition's sheets.
class ItemAnalysis {
 public:
  // For an edition of `questions` questions (0 to 1000).
  explicit ItemAnalysis(int questions);

  // Adds one sheet: answers[j] and key[j] are the chosen and the correct
  // option of question j+1 ('A' to 'D'; any other byte is "not answered"
  // in `answers`), for j below the edition's questions.
  void Add(const char* answers, const char* key);

  int64_t attempts() const { return sheets_; }
  int questions() const { return questions_; }

  // The figures of the sheets added; at least one must have been.
  EditionFigures Figures() const;

 private:
  double Score(int64_t correct) const;
  double MedianScore() const;
  ItemFigures Item(int j) const;

  int questions_;
  int64_t sheets_ = 0;
  int64_t sumT_ = 0, sumT2_ = 0;
  std::vector<int64_t> totals_;      // sheets by their number of correct answers, 0 to Q
  std::vector<int64_t> correct_;     // per question: sheets right
  std::vector<int64_t> correctSum_;  // per question: sum of T over the sheets right
  std::vector<std::array<int64_t, kChoiceCount>> choices_;
  std::string key_;                   // the first sheet's key
  std::vector<unsigned char> right_;  // scratch: which questions the sheet being added got right
};

#endif  // QUIZMORA_CORE_ITEM_ANALYSIS_H_
