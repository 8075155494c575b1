#include "records/data_files.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/scratch_dir.h"

TEST(DataFiles, QuestionFileNameJoinsThreeParts) {
  EXPECT_EQ(QuestionFileName("Maths", "Form 2", "Jane Doe"), "Maths_Form 2_Jane Doe.abcd");
  EXPECT_STREQ(ComposeQuestionFile("Maths", "Grade 9", "Ann Lee"), "Maths_Grade 9_Ann Lee.abcd");
  EXPECT_STREQ(Questionfile, "Maths_Grade 9_Ann Lee.abcd");
}

TEST(DataFiles, SeparatorsNeverLeaveTheWorkingDirectory) {
  EXPECT_EQ(QuestionFileName("../etc", "a\\b", "x/y"), ".._etc_a_b_x_y.abcd");
  EXPECT_EQ(ResultFileName("A/12", "Ann Lee"), "A_12_Ann Lee.abcdrpt");
  EXPECT_EQ(ResultFileName("A12", "Ann Lee"), "A12_Ann Lee.abcdrpt");
  EXPECT_EQ(JournalFileName("A/12", "Ann\\Lee"), "A_12_Ann_Lee.abcdlive");
}

TEST(DataFiles, LevelIsCutAsAPaperHeaderStoresIt) {
  const std::string level(99, 'L');
  EXPECT_EQ(QuestionFileName("S", level.c_str(), "T"), "S_" + std::string(49, 'L') + "_T.abcd");
}

TEST(DataFiles, LongNamesAreCutTo255) {
  const std::string part(99, 'x');
  const std::string name = QuestionFileName(part.c_str(), part.c_str(), part.c_str());
  EXPECT_EQ(name.size(), 99u + 1 + 49 + 1 + 99 + 5);
  const std::string longer(300, 'y');
  EXPECT_EQ(ResultFileName(longer.c_str(), "n").size(), 255u);
  EXPECT_EQ(JournalFileName(longer.c_str(), "n"), longer.substr(0, 255));
}
