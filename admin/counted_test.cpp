#include "admin/counted.h"

#include <gtest/gtest.h>

TEST(Counted, OneIsSingularEveryOtherCountPlural) {
  EXPECT_EQ(Counted(1, "minute"), "1 minute");
  EXPECT_EQ(Counted(0, "problem"), "0 problems");
  EXPECT_EQ(Counted(2, "whole question"), "2 whole questions");
  EXPECT_EQ(Counted(1, "kept copy", "kept copies"), "1 kept copy");
  EXPECT_EQ(Counted(3, "kept copy", "kept copies"), "3 kept copies");
  EXPECT_EQ(Counted("1", "minute"), "1 minute");
  EXPECT_EQ(Counted("1.5", "minute"), "1.5 minutes");
  EXPECT_EQ(Counted("10", "minute"), "10 minutes");
}
