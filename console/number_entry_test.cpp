#include "console/number_entry.h"

#include <gtest/gtest.h>

#include "tests/console_capture.h"
#include "tests/screen_texts.h"

namespace {

char text[20];

NumberEntry sample(bool blankIsNegative, bool pauses) {
  return NumberEntry{"N: ", text, 5, 12, nullptr, "<neg>", "<range ", " max>", blankIsNegative, pauses};
}

}  // namespace

TEST(NumberEntry, RejectsUntilInRange) {
  ConsoleCapture console("-2\n0\nabc\n\n13\n12abc\n");
  EXPECT_EQ(enterNumber(sample(false, false)), 12);
  EXPECT_EQ(console.out(), "N: <neg>N: <range 12 max>N: <range 12 max>N: <range 12 max>N: <range 12 max>N: ");
}

TEST(NumberEntry, BlankCanTakeTheNegativeMessage) {
  ConsoleCapture console("\n 7\n");
  EXPECT_EQ(enterNumber(sample(true, false)), 7);
  EXPECT_EQ(console.out(), "N: <neg>N: ");
}

TEST(NumberEntry, PausesAfterMessagesAndCutsLongEntries) {
  ConsoleCapture console("-1\n\n123456\n");  // 123456 is cut to 1234
  NumberEntry entry = sample(false, true);
  entry.highest = 2000;
  EXPECT_EQ(enterNumber(entry), 1234);
  EXPECT_EQ(console.out(), "N: <neg>" + kPause + "N: ");
}

TEST(NumberEntry, EchoesTheTypedText) {
  ConsoleCapture console("3x\n");
  NumberEntry entry = sample(false, false);
  entry.echo = "\n  You have entered : ";
  EXPECT_EQ(enterNumber(entry), 3);
  EXPECT_EQ(console.out(), "N: \n  You have entered : 3x\n");
}
