// A new account holds only what its registration asked for, whatever the
// area's working record held before in the same home pass.

#include <gtest/gtest.h>

#include <string>

#include "records/data_files.h"
#include "records/record_layout.h"
#include "records/tutor_skeleton.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

TEST(RegistrationE2E, ANewAccountCarriesNothingFromEarlierInThePass) {
  ScratchDir dir;
  const Person jane{"Jane Doe", "T1", "Form 2", "1234"};
  const Person ann{"Ann Lee", "C1", "Grade 9", "4321"};
  addTutorAccount(dir, jane);
  addPaper(dir, jane, "Maths", sampleQuestions(2));
  // A candidate sits a paper and drops it, logs out and registers anew; a
  // tutor sets a paper, logs out and registers another tutor.
  const std::string script =
      candidateRegistersAndLogsIn(ann) + scriptLine("R") + scriptLine("1") + scriptLine("") + scriptLine("A") +
      scriptLine("B") + scriptLine("Q") + scriptLine("T") + scriptLine("R") + scriptLine("Bo Kim") + scriptLine("C2") +
      scriptLine("Peru") + scriptLine("555") + scriptLine("bo@example.org") + scriptLine("Grade 8") + scriptLine("77") +
      scriptLine("") + scriptLine("") + scriptLine("P") + tutorLogsIn(jane) +
      tutorSetsPaper("Physics", sampleQuestions(1)) + scriptLine("V") + scriptLine("R") + scriptLine("Al Roy") +
      scriptLine("T2") + scriptLine("Chile") + scriptLine("556") + scriptLine("al@example.org") + scriptLine("Hill") +
      scriptLine("Arts") + scriptLine("Form 4") + scriptLine("88") + scriptLine("");
  const ProgramRun run = runProgram(dir, script);
  ASSERT_EQ(run.status, 0) << run.err;

  const std::string candidates = dir.read(accountRegFileCandi);
  ASSERT_EQ(candidates.size(), 2 * 980u);
  EXPECT_EQ(candidates.substr(kCandidateRecordSize), RecordBytes(CandidateLayout(), {{"candiNames", "Bo Kim", 0},
                                                                                     {"IDNumber", "C2", 0},
                                                                                     {"candiCountry", "Peru", 0},
                                                                                     {"contact", "555", 0},
                                                                                     {"email", "bo@example.org", 0},
                                                                                     {"candiLevel", "Grade 8", 0},
                                                                                     {"logInPassword", "", 77}}));
  const std::string tutors = dir.read(accountRegFileTutor);
  ASSERT_EQ(tutors.size(), 2 * 1230u);
  EXPECT_EQ(tutors.substr(kTutorRecordSize), RecordBytes(TutorLayout(), {{"candiNames", "Al Roy", 0},
                                                                         {"IDNumber", "T2", 0},
                                                                         {"candiCountry", "Chile", 0},
                                                                         {"contact", "556", 0},
                                                                         {"email", "al@example.org", 0},
                                                                         {"institution", "Hill", 0},
                                                                         {"department", "Arts", 0},
                                                                         {"candiLevel", "Form 4", 0},
                                                                         {"logInPassword", "", 88}}));
}
