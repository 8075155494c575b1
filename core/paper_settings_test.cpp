// A paper's settings: the record's bytes, the last record naming a paper
// holding its settings, and none at all meaning every setting off.

#include "core/paper_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "records/paper_settings.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

TEST(PaperSettings, LastRecordNamingThePaperHoldsItsSettings) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_TRUE(cwd.ok());
  PaperSettings settings;
  settings.review = true;
  ASSERT_TRUE(LoadPaperSettings("Maths_Form 2_Jane Doe.abcd", &settings).ok());  // no file: all off
  EXPECT_EQ(SettingsNames(settings), "-");

  PaperSettings both;
  both.shuffleQuestions = both.review = true;
  ASSERT_TRUE(SavePaperSettings("Maths_Form 2_Jane Doe.abcd", both, "T1", 1796634307).ok());
  const std::string bytes = dir.read(SettingsFile);
  ASSERT_EQ(bytes.size(), kSettingsRecordSize);
  EXPECT_EQ(bytes.substr(0, 27), std::string("Maths_Form 2_Jane Doe.abcd\0", 27));
  EXPECT_EQ(bytes.substr(256, 12), std::string("\x05\0\0\0\xc3\x76\x16\x6b\0\0\0\0", 12));
  EXPECT_EQ(bytes.substr(268, 3), std::string("T1\0", 3));

  PaperSettings options;
  options.shuffleOptions = true;
  ASSERT_TRUE(SavePaperSettings("Other.abcd", options, "T2", 0).ok());
  ASSERT_TRUE(LoadPaperSettings("Maths_Form 2_Jane Doe.abcd", &settings).ok());
  EXPECT_EQ(SettingsNames(settings), "shuffle-questions,review");
  ASSERT_TRUE(SavePaperSettings("Maths_Form 2_Jane Doe.abcd", options, "T1", 0).ok());
  ASSERT_TRUE(LoadPaperSettings("Maths_Form 2_Jane Doe.abcd", &settings).ok());
  EXPECT_EQ(SettingsNames(settings), "shuffle-options");
  EXPECT_EQ(SettingsNames(SettingsOfFlags(0x7F)), "shuffle-questions,shuffle-options,review");
}
