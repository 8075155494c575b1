#include "admin/result_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "admin/paper_text.h"

TEST(ResultRows, NumbersDatesTimesAndBytesConvertOrStayAsStored) {
  struct Number {
    double value;
    const char* text;
  };
  for (const Number& n :
       {Number{66.666, "66.666"}, Number{75.5, "75.5"}, Number{100, "100"}, Number{0.1 + 0.2, "0.30000000000000004"},
        Number{-0.0, "-0"}, Number{1e21, "1e+21"}, Number{std::nan(""), ""}, Number{-HUGE_VAL, ""}}) {
    EXPECT_EQ(ShortestNumber(n.value), n.text) << n.text;
  }
  struct Text {
    const char* stored;
    const char* converted;
  };
  for (const Text& d : {Text{"7/12/2026 | Monday", "2026-12-07"}, Text{"29/2/2024 | Thursday", "2024-02-29"},
                        Text{"31/12/1999", "1999-12-31"}, Text{"29/2/2100 | x", ""}, Text{"31/4/2026 | x", ""},
                        Text{"7/13/2026 | x", ""}, Text{"0/1/2026 | x", ""}, Text{"7/12/26 | x", ""},
                        Text{"7/12/2026x | x", ""}, Text{"", ""}, Text{"123/1/2026", ""}}) {
    EXPECT_EQ(IsoDate(d.stored), d.converted) << d.stored;
  }
  EXPECT_EQ(Weekday("7/12/2026 | Monday"), "Monday");
  EXPECT_EQ(Weekday("7/12/2026"), "");
  for (const Text& t :
       {Text{"9:5:7", "09:05:07"}, Text{"23:59:60", "23:59:60"}, Text{"0:0:0", "00:00:00"}, Text{"24:0:0", ""},
        Text{"9:60:0", ""}, Text{"9:5", ""}, Text{"9:5:7:1", ""}, Text{"009:5:7", ""}, Text{" 9:5:7", ""}}) {
    EXPECT_EQ(PaddedTime(t.stored), t.converted) << t.stored;
  }
  for (const Text& b : {Text{"Caf\xC3\xA9", "Caf\xC3\xA9"}, Text{"Caf\xE9", "Caf\xC3\xA9"},
                        Text{"\xC0\xAF", "\xC3\x80\xC2\xAF"},              // an overlong '/' is two Latin-1 letters
                        Text{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},  // a surrogate too
                        Text{"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}}) {
    EXPECT_EQ(ToUtf8(b.stored), b.converted) << b.stored;
    EXPECT_TRUE(IsValidUtf8(ToUtf8(b.stored)));
  }
}
