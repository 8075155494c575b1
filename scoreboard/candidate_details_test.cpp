// The detail view's ways of failing, and a result file whose last record was
// cut short.

#include "scoreboard/candidate_details.h"

#include <gtest/gtest.h>

#include <string>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/working_directory.h"

namespace {

const Attempt kMathsAt50{"Ann Lee", "A12", "Maths", 50, "9:5:7", 90};
const Attempt kPhysicsIn45s{"Ann Lee", "A12", "Physics", 100, "10:15:27", 45.5};
const std::string kResultFileError = "\n\tError while opening a file to read candidate File\n\n";

}  // namespace

TEST(CandidateDetails, UnreadableListEndsLikeAMissingResultFile) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(kAnnResults, resultBytes({kMathsAt50}));
  {
    // No "candidate.abcddata" at all: the row cannot be read, nothing is
    // shown and the caller ends the program.
    ConsoleCapture console("");
    EXPECT_FALSE(viewCandidateDetails(1, DetailLayout::kScoreBoard));
    EXPECT_EQ(console.out(), "");
    EXPECT_EQ(console.err(), "\n\tError while opening a file to read Subjects\n\n" + kResultFileError);
  }
  {
    // The list lost rows after it was drawn: row 2 no longer exists, and the
    // candidate of row 1 must not be shown in its place.
    dir.write(CandiDatefilex, resultBytes({kMathsAt50}));
    ConsoleCapture console("");
    EXPECT_FALSE(viewCandidateDetails(2, DetailLayout::kTutor));
    EXPECT_EQ(console.out(), "");
    EXPECT_EQ(console.err(), kResultFileError);
  }
}

TEST(CandidateDetails, CutShortLastAttemptIsNeitherShownNorCounted) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, resultBytes({kMathsAt50}));
  dir.write(kAnnResults, resultBytes({kMathsAt50, kPhysicsIn45s}).substr(0, 2 * kCandidateRecordSize - 1));
  ConsoleCapture console("");
  ASSERT_TRUE(viewCandidateDetails(1, DetailLayout::kScoreBoard));
  const std::string out = console.out();
  EXPECT_NE(out.find("\n\tTotal Subjects Attempted  : 1\n"), std::string::npos) << out;
  EXPECT_NE(out.find("  1. Maths                  50%                9:5:7             90  Seconds\n\n   ___"),
            std::string::npos)
      << out;
  EXPECT_EQ(out.find("Physics"), std::string::npos);
  EXPECT_EQ(console.err(), "");
}
