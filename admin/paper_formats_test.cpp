// The two paper formats: what each reads, every mistake it names with its
// line, and that what the writers produce reads back to the same texts.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "admin/aiken_format.h"
#include "admin/gift_format.h"
#include "admin/imported_paper.h"
#include "admin/paper_text.h"

namespace {

struct Expected {
  int line;
  std::string fragment;  // part of the message
};

struct Case {
  const char* name;
  std::string input;
  size_t questions;
  std::vector<Expected> problems;
};

void RunCases(PaperParser parse, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const ImportedPaper paper = ReadImportedPaper(c.input, parse);
    EXPECT_EQ(paper.questions.size(), c.questions) << c.name;
    ASSERT_EQ(paper.problems.size(), c.problems.size())
        << c.name << ": first problem " << (paper.problems.empty() ? "" : paper.problems[0].message);
    for (size_t i = 0; i < c.problems.size(); ++i) {
      EXPECT_EQ(paper.problems[i].line, c.problems[i].line) << c.name << ": " << paper.problems[i].message;
      EXPECT_NE(paper.problems[i].message.find(c.problems[i].fragment), std::string::npos)
          << c.name << ": " << paper.problems[i].message;
    }
  }
}

const std::string kAikenQuestion = "What is 2 + 2?\nA. 3\nB) 4\nC.5\nD.   22\nANSWER: B\n";
const std::string kGiftQuestion = "What is 2 + 2? {~3 =4 ~5 ~22}\n";

}  // namespace

TEST(AikenFormat, ReadsGoodFilesAndNamesEveryMistakeWithItsLine) {
  const std::string q = kAikenQuestion;
  RunCases(
      ParseAiken,
      {
          {"two questions, blank lines around", "\n\n" + q + "\n\n\n" + q + "\n", 2, {}},
          {"BOM, CR LF, answer keyword in any case, blanks",
           "\xEF\xBB\xBFQ\r\nA. a\r\nB. b\r\nC. c\r\nD. d\r\nanswer:D  \r\n",
           1,
           {}},
          {"last line without its line end", "Q\nA. a\nB. b\nC. c\nD. d\nANSWER: A", 1, {}},
          {"three options, then two", "Q\nA. a\nB. b\nC. c\nANSWER: C\n\nQ\nA. True\nB. False\nANSWER: B\n", 2, {}},
          {"one option", "Q\nA. a\nANSWER: A\n\n" + q, 1, {{3, "1 option, two to four"}}},
          {"answer naming an absent option", "Q\nA. a\nB. b\nANSWER: C\n", 0, {{4, "C names no option"}}},
          {"missing ANSWER after three options", "Q\nA. a\nB. b\nC. c\n\n" + q, 1, {{6, "ANSWER: line missing"}}},
          {"five options", "Q\nA. a\nB. b\nC. c\nD. d\nE. e\nANSWER: A\n\n" + q, 1, {{6, "option E"}}},
          {"options out of order", "Q\nB. b\nA. a\nC. c\nD. d\nANSWER: A\n\n" + q, 1, {{2, "option B where option A"}}},
          {"missing ANSWER before the next question",
           "Q\nA. a\nB. b\nC. c\nD. d\n\n" + q,
           1,
           {{7, "ANSWER: line missing"}}},
          {"missing ANSWER at the end", q + "\nQ\nA. a\nB. b\nC. c\nD. d\n", 1, {{8, "no ANSWER: line"}}},
          {"text where an option is due",
           "Q\nA. a\nsecond line\nC. c\nD. d\nANSWER: A\n\n" + q,
           1,
           {{3, "text where option B is due"}}},
          {"lower-case option letter", "Q\na. a\nB. b\nC. c\nD. d\nANSWER: A\n", 0, {{2, "option A is due"}}},
          {"answer letter out of range", "Q\nA. a\nB. b\nC. c\nD. d\nANSWER: E\n", 0, {{6, "one letter A to D"}}},
          {"empty option after trimming", "Q\nA. a\nB.   \nC. c\nD. d\nANSWER: A\n", 1, {{3, "option B is empty"}}},
          {"invalid UTF-8", "Caf\xE9?\nA. a\nB. b\nC. c\nD. d\nANSWER: A\n", 1, {{1, "invalid UTF-8"}}},
          {"no questions at all", "\n\n", 0, {{1, "no questions"}}},
      });
  // A NUL cannot sit in a literal above: it would end the text.
  RunCases(ParseAiken,
           {{"NUL byte", std::string("Q\nA. a\0b\nB. b\nC. c\nD. d\nANSWER: A\n", 33), 1, {{2, "NUL byte"}}}});

  const ImportedPaper paper = ReadImportedPaper(q, ParseAiken);
  ASSERT_EQ(paper.questions.size(), 1u);
  const ImportedQuestion& read = paper.questions[0];
  EXPECT_EQ(read.text, "What is 2 + 2?");
  EXPECT_EQ(read.options[0] + "|" + read.options[1] + "|" + read.options[2] + "|" + read.options[3], "3|4|5|22");
  EXPECT_EQ(read.correct, 2);
}

TEST(GiftFormat, ReadsGoodFilesAndNamesEveryMistakeWithItsLine) {
  const std::string q = kGiftQuestion;
  RunCases(
      ParseGift,
      {
          {"comments, categories, titles, tags, feedback",
           "// a comment\n$CATEGORY: tom/maths\n\n::T1:: [html] Q {\n"
           "  ~a #no\n  =b #yes\n  ~c\n  ~d\n}\n\n" +
               q,
           2,
           {}},
          {"comment inside a question", "Q {\n// between answers\n~a =b ~c ~d }\n", 1, {}},
          {"true/false in every spelling, feedback dropped",
           "Q {T}\n\nQ {true}\n\nQ {f#no#yes}\n\nQ { FALSE }\n",
           4,
           {}},
          {"two and three options", "Q {=yes ~no}\n\nQ {~a =b ~c}\n", 2, {}},
          {"short answer", q + "\nQ {=four =4}\n", 1, {{3, "short answer"}}},
          {"matching", "Q {\n=a -> 1\n=b -> 2\n}\n\n" + q, 1, {{1, "matching"}}},
          {"numerical", "Q {#4:1}\n", 0, {{1, "numerical"}}},
          {"essay", "Q {}\n", 0, {{1, "essay"}}},
          {"missing word", "Two plus {~3 =4 ~5 ~22} is four.\n", 0, {{1, "missing-word"}}},
          {"weights", "Q {\n~%50%a\n=b\n~c\n~d\n}\n", 0, {{2, "weighted"}}},
          {"five options", "Q {~a =b ~c ~d ~e}\n", 0, {{1, "two to four options are needed, found 5"}}},
          {"two correct", "Q {=a =b ~c ~d}\n", 0, {{1, "exactly one correct"}}},
          {"unclosed answers", "Q {~a =b ~c ~d\n\n" + q, 1, {{1, "not closed"}}},
          {"no answers", "Just text\n\n" + q, 1, {{1, "no answers"}}},
          {"empty option", "Q {~a = #fb ~c ~d}\n", 1, {{1, "option B is empty"}}},
          {"question on its third line", "// c\n\n\n::T::\nWhat {\n~a\n=b\n~\n~d\n}\n", 1, {{8, "option C is empty"}}},
          {"empty question text", "::T:: {~a =b ~c ~d}\n", 1, {{1, "question text is empty"}}},
      });

  const ImportedPaper paper = ReadImportedPaper(
      "::t:: 1\\+1 \\= 2\\n\\{really\\}\\: {\n~no\\#1 #wrong\n=yes \\~ sure\n~a\\\\b\n~x}\n", ParseGift);
  ASSERT_TRUE(paper.problems.empty()) << paper.problems[0].message;
  const ImportedQuestion& read = paper.questions[0];
  EXPECT_EQ(read.text, "1+1 = 2 {really}:");
  EXPECT_EQ(read.options[0] + "|" + read.options[1] + "|" + read.options[2] + "|" + read.options[3],
            "no#1|yes ~ sure|a\\b|x");
  EXPECT_EQ(read.correct, 2);

  const ImportedQuestion trueFalse = ReadImportedPaper("Ice is cold {TRUE#right}\n", ParseGift).questions.at(0);
  EXPECT_EQ(trueFalse.optionCount, 2);
  EXPECT_EQ(trueFalse.options[0] + "|" + trueFalse.options[1] + "|" + trueFalse.options[2], "True|False|");
  EXPECT_EQ(trueFalse.correct, 1);
}

TEST(PaperFormats, LimitsOfTextsAndQuestionCounts) {
  auto question = [](const std::string& text, const std::string& option) {
    return text + "\nA. " + option + "\nB. b\nC. c\nD. d\nANSWER: A\n\n";
  };
  RunCases(ParseAiken,
           {
               {"longest texts", question(std::string(399, 'q'), std::string(299, 'o')), 1, {}},
               {"question too long", question(std::string(400, 'q'), "o"), 1, {{1, "400 bytes long, at most 399"}}},
               {"option too long", question("q", std::string(300, 'o')), 1, {{2, "300 bytes long, at most 299"}}},
           });
  std::string many;
  for (int i = 0; i < 1000; ++i) many += question("q", "o");
  RunCases(ParseAiken, {{"1000 questions", many, 1000, {}},
                        {"1001 questions", many + question("q", "o"), 1001, {{7001, "at most 1000"}}}});
  // Limits count bytes: 150 two-byte letters are 300 bytes.
  std::string twoByte;
  for (int i = 0; i < 150; ++i) twoByte += "\xC3\xA9";
  RunCases(ParseAiken, {{"two-byte letters", question("q", twoByte), 1, {{2, "300 bytes long"}}}});
}

TEST(PaperFormats, WrittenTextReadsBackToTheSameTexts) {
  ImportedQuestion awkward;
  awkward.text = "//not a comment: {a} = ~b #c \\ -> d";
  awkward.options[0] = "[html] tag-like";
  awkward.options[1] = "%50% off";
  awkward.options[2] = "x -> y";
  awkward.options[3] = "ANSWER: B";
  awkward.correct = 3;
  ImportedQuestion plain;
  plain.text = "[markdown] Caf\xC3\xA9?";
  for (int i = 0; i < 4; ++i) plain.options[i] = std::string(1, static_cast<char>('a' + i)) + "\tz";
  plain.correct = 4;
  ImportedQuestion three = plain;
  three.optionCount = 3;
  three.options[3].clear();
  three.correct = 1;
  ImportedQuestion trueFalse;
  trueFalse.text = "Ice is cold";
  trueFalse.optionCount = 2;
  trueFalse.options[0] = "True";
  trueFalse.options[1] = "False";
  trueFalse.correct = 2;
  const std::vector<ImportedQuestion> questions = {awkward, plain, three, trueFalse};

  const std::pair<PaperParser, std::string> formats[] = {{ParseGift, WriteGift(questions)},
                                                         {ParseAiken, WriteAiken(questions)}};
  for (const auto& format : formats) {
    const ImportedPaper back = ReadImportedPaper(format.second, format.first);
    ASSERT_TRUE(back.problems.empty()) << back.problems[0].line << ": " << back.problems[0].message << "\n"
                                       << format.second;
    ASSERT_EQ(back.questions.size(), questions.size());
    for (size_t q = 0; q < questions.size(); ++q) {
      EXPECT_EQ(back.questions[q].text, questions[q].text) << format.second;
      for (int i = 0; i < 4; ++i) EXPECT_EQ(back.questions[q].options[i], questions[q].options[i]) << format.second;
      EXPECT_EQ(back.questions[q].correct, questions[q].correct);
      EXPECT_EQ(back.questions[q].optionCount, questions[q].optionCount);
    }
  }
  EXPECT_EQ(WriteAiken({plain}), "[markdown] Caf\xC3\xA9?\nA. a\tz\nB. b\tz\nC. c\tz\nD. d\tz\nANSWER: D\n");
  EXPECT_EQ(WriteAiken({three}), "[markdown] Caf\xC3\xA9?\nA. a\tz\nB. b\tz\nC. c\tz\nANSWER: A\n");
  EXPECT_EQ(WriteGift({trueFalse}), "Ice is cold {F}\n");
}
