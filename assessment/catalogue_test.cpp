#include "assessment/catalogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <iostream>
#include <string>

#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"
#include "tests/working_directory.h"

namespace {

const std::string kEmpty = "\n\n\tThe list is empty, try again later.\n\n\n";

std::string entries(int from, int to) {
  std::string out;
  for (int i = from; i <= to; ++i) out += "\t\t" + std::to_string(i) + " = Subject " + std::to_string(i);
  return out;
}

std::string total(int n) { return "\n\tTotal Papers : " + std::to_string(n) + "\n"; }

}  // namespace

TEST(Catalogue, MissingLibraryIsCreatedAndReportedEmpty) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  {
    ConsoleCapture console("");
    displayAllPapers();
    EXPECT_EQ(console.out(), "\n\tNo subjects currently, try again later...\n\n" + kNoSubjects);
    EXPECT_EQ(console.err(), "");
    EXPECT_EQ(dir.size(SubjectFile), 0);
  }
  ASSERT_EQ(::unlink(SubjectFile), 0);
  ConsoleCapture console("");
  EXPECT_TRUE(emptySubjectLib());
  EXPECT_EQ(console.err(), "\n\tCurrently the list of papers is lonely... try again later.\n\n");
  EXPECT_EQ(console.out(), kEmpty);
  EXPECT_EQ(dir.size(SubjectFile), 0);
}

TEST(Catalogue, EmptyOrShortLibraryHoldsNoPaper) {
  for (const std::string& bytes : {std::string(), libraryBytes("Subject ", 1).substr(0, kPaperRecordSize - 1)}) {
    ScratchDir dir;
    WorkingDirectory cwd(dir);
    dir.write(SubjectFile, bytes);
    ConsoleCapture console("");
    displayAllPapers();
    EXPECT_TRUE(emptySubjectLib());
    EXPECT_EQ(console.out(), kNoSubjects + kEmpty);
    EXPECT_EQ(console.err(), "");
    EXPECT_EQ(dir.size(SubjectFile), static_cast<long long>(bytes.size()));
  }
}

TEST(Catalogue, OnePaperAndTheAdjustmentLeftBehind) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(SubjectFile, libraryBytes("Subject ", 1) + std::string(100, 'x'));
  ConsoleCapture console("");
  std::cout << std::right;
  displayAllPapers();
  EXPECT_TRUE(std::cout.flags() & std::ios::left);
  EXPECT_FALSE(emptySubjectLib());
  EXPECT_EQ(console.out(), kCatalogueHeading + entries(1, 1) + kEndOfList + total(1));
  EXPECT_EQ(console.err(), "");
}

TEST(Catalogue, FirstRowHoldsSixEntriesLaterRowsFive) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(SubjectFile, libraryBytes("Subject ", 12));
  ConsoleCapture console("");
  displayAllPapers();
  EXPECT_EQ(console.out(), kCatalogueHeading + entries(1, 6) + "\n\n" + entries(7, 11) + "\n\n" + entries(12, 12) +
                               kEndOfList + total(12));
}

TEST(Catalogue, AtMostFiveHundredPapersAreListed) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  dir.write(SubjectFile, libraryBytes("Subject ", 502));
  ConsoleCapture console("");
  displayAllPapers();
  const std::string out = console.out();
  EXPECT_NE(out.find("\t\t500 = Subject 500"), std::string::npos);
  EXPECT_EQ(out.find("501 = "), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - total(500).size()), total(500));
  // Breaks follow entries 6, 11, ..., 496 (= 6 + 98 * 5): the last row holds 497 to 500.
  EXPECT_NE(out.find(entries(492, 496) + "\n\n" + entries(497, 500) + kEndOfList), std::string::npos);
}

TEST(Catalogue, UnavailableLibraryIsReportedOnceAndShownEmpty) {
  ScratchDir dir;
  WorkingDirectory cwd(dir);
  ASSERT_EQ(::symlink("no/such/dir/lib", SubjectFile), 0);
  ConsoleCapture console("");
  displayAllPapers();
  EXPECT_TRUE(emptySubjectLib());
  EXPECT_EQ(console.err(), "\n\tError while opening a file \n\n\n\tError while opening a file to read Subjects\n\n");
  EXPECT_EQ(console.out(), kNoSubjects + kEmpty);
}
