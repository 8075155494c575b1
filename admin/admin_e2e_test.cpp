// quizmora-admin as its users run it: the built program in a scratch
// folder, checked by its exit status, its output and the bytes it leaves.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/record_layout.h"
#include "records/store.h"
#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kOtherTutor{"Jon Roe", "T2", "Form 3", "999"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};

ProgramRun admin(const ScratchDir& dir, const std::vector<std::string>& args, const std::string& input = "") {
  RunSetup setup;
  setup.program = QUIZMORA_ADMIN_BINARY;
  setup.arguments = args;
  return runProgram(dir, input, 60, setup);
}

// True when every line of a run's standard error carries the tool's prefix.
bool allPrefixed(const std::string& err) {
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("quizmora-admin: ", 0) != 0) return false;
  }
  return true;
}

// Every file under `dir` (subfolders too) with its bytes.
std::map<std::string, std::string> folderContent(const ScratchDir& dir) {
  std::map<std::string, std::string> content;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
    const std::string name = std::filesystem::relative(entry.path(), dir.path()).string();
    content[name] = entry.is_regular_file() ? dir.read(name) : "(folder)";
  }
  return content;
}

std::string aikenOf(const std::vector<Question>& questions) {
  std::string text;
  for (const Question& q : questions) {
    text += q.text + "\nA. " + q.options[0] + "\nB. " + q.options[1] + "\nC. " + q.options[2] + "\nD. " +
            q.options[3] + "\nANSWER: " + q.correct + "\n\n";
  }
  return text;
}

// Imports `file` (already in `dir`) for kTutor with the password on stdin.
ProgramRun importPaper(const ScratchDir& dir, const std::string& file, const std::string& subject,
                       std::vector<std::string> more = {}) {
  std::vector<std::string> args = {"import-paper", file, "--tutor", kTutor.id, "--subject", subject,
                                   "--password-stdin"};
  args.insert(args.end(), more.begin(), more.end());
  return admin(dir, args, kTutor.password + "\n");
}

// A minimal RFC 4180 reader: rows of fields, CR LF between rows.
std::vector<std::vector<std::string>> readCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = rows.back().back();
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"', ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      if (i + 1 < text.size()) rows.emplace_back(1);
    } else {
      field += c;
    }
  }
  return rows;
}

// One result record laid out through the record layout.
std::string resultBytes(const std::string& name, const std::string& id, double score, double seconds,
                        const std::string& date, const std::string& time, const std::string& contact = "") {
  return RecordBytes(CandidateLayout(), {{"candiNames", name, 0},
                                         {"IDNumber", id, 0},
                                         {"subjectName", "Maths, part 1", 0},
                                         {"candiscores", "", score},
                                         {"timeTaken", "", seconds},
                                         {"dateAttempted", date, 0},
                                         {"timeAttempted", time, 0},
                                         {"candiLevel", "Grade 9", 0},
                                         {"contact", contact, 0},
                                         {"logInPassword", "", 77}});
}

}  // namespace

TEST(AdminTool, CommandLineStatusesAndMessages) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;  // expected start of standard output
    std::string err;  // expected part of standard error
  };
  const std::vector<Case> cases = {
      {{"--version"}, 0, "quizmora-admin 1.0.0\n", ""},
      {{"--help"}, 0, "Companion tool", ""},
      {{"export-results", "--help"}, 0, "Write every saved result", ""},
      {{}, 2, "", "subcommand is required"},
      {{"--frobnicate", "check"}, 2, "", "frobnicate"},
      {{"import-paper", "q.txt", "--tutor", "T1"}, 2, "", "--subject"},
      {{"import-paper", "q.txt", "--tutor", "T1", "--subject", "S", "--time", "100001"}, 2, "", "--time"},
      {{"import-paper", "q.txt", "--tutor", "T1", "--subject", "S", "--format", "xml"}, 2, "", "--format"},
      // Standard input is a pipe here: no terminal to ask for a password.
      {{"import-paper", "q.txt", "--tutor", "T1", "--subject", "S"}, 2, "", "--password-stdin"},
      {{"export-paper", "two", "--tutor", "T1", "--password-stdin"}, 2, "", "NUMBER"},
      {{"-C", "no-such-folder", "check"}, 1, "", "no-such-folder"},
      {{"check"}, 0, "no problems found\n", ""},
      {{"check", "-C", "."}, 0, "no problems found\n", ""},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    const ProgramRun run = admin(dir, c.args);
    std::string where;
    for (const std::string& a : c.args) where += a + " ";
    EXPECT_EQ(run.status, c.status) << where << run.err;
    EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << where;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << where << run.err;
    EXPECT_TRUE(allPrefixed(run.err)) << where << run.err;
  }
}

TEST(AdminTool, ImportedPaperIsPublishedAsTypedAndSatWithTheRightScore) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addCandidateAccount(dir, kCandidate);
  const std::vector<Question> questions = sampleQuestions(3);
  dir.write("maths.txt", aikenOf(questions));
  dir.write("bad.txt", "Q\nA. a\nB. b\nD. d\nANSWER: A\n\nQ2\nA. a\nB. b\nC. c\nD. d\nANSWER: Z\n");

  // Refusals write nothing at all.
  const auto before = folderContent(dir);
  const ProgramRun wrongPassword = admin(dir, {"import-paper", "maths.txt", "--tutor", "T1", "--subject", "Maths",
                                               "--password-stdin"}, "4321\n");
  EXPECT_EQ(wrongPassword.status, 1);
  EXPECT_EQ(wrongPassword.err, "quizmora-admin: tutor ID or password not recognised\n");
  const ProgramRun unknown = admin(dir, {"import-paper", "maths.txt", "--tutor", "T9", "--subject", "Maths",
                                         "--password-stdin"}, "1234\n");
  EXPECT_EQ(unknown.err, "quizmora-admin: tutor ID or password not recognised\n");
  const ProgramRun bad = importPaper(dir, "bad.txt", "Maths");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("quizmora-admin: bad.txt:4: option D where option C is due"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("quizmora-admin: bad.txt:12: ANSWER: must be followed"), std::string::npos) << bad.err;
  const ProgramRun dry = importPaper(dir, "maths.txt", "Maths", {"--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  EXPECT_EQ(folderContent(dir), before);

  const ProgramRun run = importPaper(dir, "maths.txt", "Maths", {"--time", "45"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(dir.read("Maths_Form 2_Jane Doe.abcd"), questionFileBytes(questions));
  std::vector<PaperSkeleton> headers;
  LoadFile<PaperSkeleton>(dir.file(SubjectFile), WhenMissing::kFail, 10, &headers);
  ASSERT_EQ(headers.size(), 1u);
  EXPECT_STREQ(headers[0].setCandiNames(), "Jane Doe");
  EXPECT_STREQ(headers[0].setPaperLevel(), "Form 2");
  EXPECT_STREQ(headers[0].set_Institution(), "Hill School");
  EXPECT_STREQ(headers[0].setEmail(), "someone@example.org");
  EXPECT_EQ(headers[0].setTotalQuestions(), 3);
  EXPECT_EQ(headers[0].setTimeAllowed(), 45.0);

  // Two of three right: the candidate's saved score is 200/3 percent.
  std::string answers;
  for (const Question& q : questions) answers += q.correct;
  answers[2] = answers[2] == 'A' ? 'B' : 'A';
  const ProgramRun sat = runProgram(dir, candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, answers) +
                                             candidateLeaves() + exitProgram());
  EXPECT_EQ(sat.status, 0);
  std::vector<CandidateSkeleton> results;
  LoadFile<CandidateSkeleton>(dir.file(CandiDatefilex), WhenMissing::kFail, 10, &results);
  ASSERT_EQ(results.size(), 1u) << sat.out.substr(sat.out.size() > 3000 ? sat.out.size() - 3000 : 0);
  EXPECT_DOUBLE_EQ(results[0].setcandiscores(), 200.0 / 3);
  EXPECT_STREQ(results[0].setsubjectName(), "Maths");
}

TEST(AdminTool, ExportedPapersImportToIdenticalQuestionRecords) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addTutorAccount(dir, kOtherTutor);
  Question awkward;
  awkward.text = "//x [html] a{b}=c~d#e:f\\g -> h \\n";
  awkward.options[0] = "%50% \t tab";
  awkward.options[1] = "::t:: 100%";
  awkward.options[2] = "=";
  awkward.options[3] = "Caf\xC3\xA9";
  awkward.correct = 'C';
  std::vector<Question> questions = sampleQuestions(2);
  questions.push_back(awkward);
  addPaper(dir, kTutor, "Mixed", questions);
  const std::string original = dir.read("Mixed_Form 2_Jane Doe.abcd");

  for (const std::string format : {"aiken", "gift"}) {
    const std::string file = "out." + format;
    const ProgramRun out = admin(dir, {"export-paper", "1", "--tutor", "T1", "--password-stdin", "--format", format,
                                       "-o", file}, "1234\n");
    ASSERT_EQ(out.status, 0) << out.err;
    const ProgramRun in = importPaper(dir, file, "Again " + format);
    ASSERT_EQ(in.status, 0) << format << ": " << in.err << dir.read(file);
    EXPECT_EQ(dir.read("Again " + format + "_Form 2_Jane Doe.abcd"), original) << format;
  }
  const ProgramRun toStdout = admin(dir, {"export-paper", "1", "--tutor", "T1", "--password-stdin"}, "1234\n");
  EXPECT_EQ(toStdout.out, dir.read("out.aiken"));
  const ProgramRun notAuthor = admin(dir, {"export-paper", "1", "--tutor", "T2", "--password-stdin"}, "999\n");
  EXPECT_EQ(notAuthor.status, 1);
  EXPECT_EQ(notAuthor.out, "");
  const ProgramRun noPaper = admin(dir, {"export-paper", "9", "--tutor", "T1", "--password-stdin"}, "1234\n");
  EXPECT_EQ(noPaper.status, 1);

  std::filesystem::remove(dir.file("Again gift_Form 2_Jane Doe.abcd"));
  const ProgramRun papers = admin(dir, {"papers"});
  EXPECT_EQ(papers.status, 0);
  std::vector<std::string> lines;
  std::istringstream listing(papers.out);
  for (std::string line; std::getline(listing, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 4u) << papers.out;
  EXPECT_EQ(lines[0], "number\tsubject\tauthor\tlevel\tquestions\tminutes\tdate\tquestion_file\tfile");
  EXPECT_EQ(lines[1], "1\tMixed\tJane Doe\tForm 2\t3\t6\t7/12/2026 | Monday\tMixed_Form 2_Jane Doe.abcd\twhole");
  // An imported paper carries today's date and the default minutes (y).
  EXPECT_EQ(lines[2].substr(0, 34), "2\tAgain aiken\tJane Doe\tForm 2\t3\t6\t");
  EXPECT_NE(lines[2].find(" | "), std::string::npos);
  EXPECT_EQ(lines[3].substr(lines[3].size() - 8), "\tmissing");
}
