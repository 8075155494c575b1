#include "records/record_loader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "records/candidate_skeleton.h"
#include "records/tutor_skeleton.h"

namespace {

std::string tutors(int n) {
  std::ostringstream out;
  for (int i = 0; i < n; ++i) {
    TutorSkeleton t;
    t.getIDNumber(std::to_string(i).c_str());
    t.CandidateWrite(out);
  }
  return out.str();
}

}  // namespace

TEST(RecordLoader, PartialLastRecordIsTheNormalEnd) {
  std::istringstream in(tutors(2) + std::string(100, '\x7f'));
  auto table = LoadRecords(in, &TutorSkeleton::CandidateRead, 500);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_STREQ(table[1].setIDNumber(), "1");
}

TEST(RecordLoader, EmptyAndShortInputsLoadNothing) {
  std::istringstream empty("");
  EXPECT_TRUE(LoadRecords(empty, &TutorSkeleton::CandidateRead, 500).empty());
  std::istringstream one_short(std::string(kTutorRecordSize - 1, '\0'));
  EXPECT_TRUE(LoadRecords(one_short, &TutorSkeleton::CandidateRead, 500).empty());
}

TEST(RecordLoader, CapacityIsRespected) {
  std::istringstream in(tutors(5));
  EXPECT_EQ(LoadRecords(in, &TutorSkeleton::CandidateRead, 3).size(), 3u);
}

TEST(RecordLoader, ScanStopsWhenVisitorSaysSo) {
  std::istringstream in(tutors(5));
  int seen = 0;
  const size_t read = ScanRecords(in, &TutorSkeleton::CandidateRead, 1000, [&](TutorSkeleton& t) {
    ++seen;
    return std::string(t.setIDNumber()) != "2";
  });
  EXPECT_EQ(read, 3u);
  EXPECT_EQ(seen, 3);
}
