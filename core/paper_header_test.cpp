#include "core/paper_header.h"

#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "records/record_layout.h"

TEST(PaperHeader, CarriesTheListedFieldsOnly) {
  TutorSkeleton tutor;
  tutor.getCandiNames("Jane Doe");
  const std::string level = "Form 2 " + std::string(60, 'L');  // longer than a header keeps
  tutor.getCandiLevel(level.c_str());
  tutor.get_Deparment("Sciences");
  tutor.get_Institution("Hill School");
  tutor.getEmail("jane@example.org");
  tutor.getContact("0123");
  tutor.getIDNumber("ID77");
  tutor.getLogInPassword(4242);
  tutor.getcandiCountry("Kenya");
  PaperSkeleton paper;
  FillPaperHeader(paper, tutor, "Maths", 10, 20.0, "7/12/2026 | Monday");

  char bytes[kPaperRecordSize];
  paper.EncodeTo(bytes);
  const auto field = [&bytes](const char* name) { return TextField(bytes, *FindField(PaperLayout(), name)); };
  EXPECT_EQ(field("subjectName"), "Maths");
  EXPECT_EQ(field("candiNames"), "Jane Doe");
  EXPECT_EQ(field("paperLevel"), level.substr(0, 49));
  EXPECT_EQ(field("department"), "Sciences");
  EXPECT_EQ(field("institution"), "Hill School");
  EXPECT_EQ(field("email"), "jane@example.org");
  EXPECT_EQ(field("contact"), "0123");
  EXPECT_EQ(field("dateAttempted"), "7/12/2026 | Monday");
  EXPECT_EQ(paper.setTotalQuestions(), 10);
  EXPECT_EQ(paper.setTimeAllowed(), 20.0);
  // The account's own fields stay out of the header.
  EXPECT_EQ(field("IDNumber"), "");
  EXPECT_EQ(paper.setLogInPassword(), 0);
  EXPECT_EQ(field("candiLevel"), "");
  EXPECT_EQ(field("candiCountry"), "");
  // The file name composed from the tutor matches the one from the header.
  EXPECT_EQ(QuestionFileName("Maths", tutor.setCandiLevel(), tutor.setCandiNames()),
            QuestionFileName(paper.setsubjectName(), paper.setPaperLevel(), paper.setCandiNames()));
}
