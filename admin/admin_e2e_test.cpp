// quizmora-admin as its users run it: the built program in a scratch
// folder, checked by its exit status, its output and the bytes it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "records/answer_sheet.h"
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
#include "tests/tmux_terminal.h"

namespace {

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kOtherTutor{"Jon Roe", "T2", "Form 3", "999"};
const Person kCandidate{"Ann Lee", "C1", "Grade 9", "4321"};

ProgramRun admin(const ScratchDir& dir, const std::vector<std::string>& args, const std::string& input = "") {
  return runAdmin(dir, args, input);
}

// True when every line of a run's standard error carries the tool's prefix.
bool allPrefixed(const std::string& err) {
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("quizmora-admin: ", 0) != 0) return false;
  }
  return true;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
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
    text += q.text + "\nA. " + q.options[0] + "\nB. " + q.options[1] + "\nC. " + q.options[2] + "\nD. " + q.options[3] +
            "\nANSWER: " + q.correct + "\n\n";
  }
  return text;
}

// Imports `file` (already in `dir`) for kTutor with the password on stdin.
ProgramRun importPaper(const ScratchDir& dir, const std::string& file, const std::string& subject,
                       std::vector<std::string> more = {}) {
  std::vector<std::string> args = {"import-paper", file,    "--tutor",         kTutor.id,
                                   "--subject",    subject, "--password-stdin"};
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

TEST(AdminTool, EveryCommandsHelpNamesEachPositionalOnce) {
  ScratchDir dir;
  const ProgramRun top = admin(dir, {"--help"});
  const std::vector<std::string> commands = linesOf(top.out.substr(top.out.find("Subcommands:")));
  int positionals = 0;
  for (size_t i = 1; i < commands.size(); ++i) {
    std::istringstream words(commands[i]);
    std::string command;
    words >> command;
    const ProgramRun help = admin(dir, {command, "--help"});
    bool inPositionals = false;
    for (const std::string& line : linesOf(help.out)) {
      if (line.empty()) inPositionals = false;
      if (!inPositionals) {
        inPositionals = line == "Positionals:";
        continue;
      }
      std::istringstream columns(line);
      std::string name, next;
      columns >> name >> next;
      EXPECT_NE(name, next) << command << ": " << line;
      ++positionals;
    }
  }
  EXPECT_GE(positionals, 2) << top.out;
}

TEST(AdminTool, RelativePathsAfterDashCAreInsideTheDataFolder) {
  ScratchDir data, elsewhere;
  addTutorAccount(data, kTutor);
  addResult(data, kCandidate, "Maths", 50, 10);
  data.write("one.txt", aikenOf(sampleQuestions(1)));
  const ProgramRun imported = admin(elsewhere,
                                    {"-C", data.path(), "import-paper", "one.txt", "--tutor", kTutor.id, "--subject",
                                     "One", "--time", "n", "--password-stdin"},
                                    kTutor.password + "\n");
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "published 1 question, 1 minute, as \"One_Form 2_Jane Doe.abcd\"\n");
  const ProgramRun exported = admin(elsewhere, {"export-results", "-o", "results.csv", "-C", data.path()});
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_NE(data.read("results.csv").find("Ann Lee"), std::string::npos);
  EXPECT_FALSE(elsewhere.exists("results.csv"));
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
  const ProgramRun wrongPassword =
      admin(dir, {"import-paper", "maths.txt", "--tutor", "T1", "--subject", "Maths", "--password-stdin"}, "4321\n");
  EXPECT_EQ(wrongPassword.status, 1);
  EXPECT_EQ(wrongPassword.err, "quizmora-admin: tutor ID or password not recognised\n");
  const ProgramRun unknown =
      admin(dir, {"import-paper", "maths.txt", "--tutor", "T9", "--subject", "Maths", "--password-stdin"}, "1234\n");
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
  const ProgramRun sat = runProgram(
      dir, candidateLogsIn(kCandidate) + candidateSitsAndSaves(1, answers) + candidateLeaves() + exitProgram());
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
  Question trueFalse;
  trueFalse.options[0] = "True";
  trueFalse.options[1] = "False";
  trueFalse.options[2] = trueFalse.options[3] = "";
  Question three = trueFalse;
  three.options[0] = "Maybe";
  three.options[2] = "True";
  three.correct = 'C';
  std::vector<Question> questions = sampleQuestions(2);
  questions.push_back(awkward);
  questions.push_back(trueFalse);
  questions.push_back(three);
  addPaper(dir, kTutor, "Mixed", questions);
  const std::string original = dir.read("Mixed_Form 2_Jane Doe.abcd");

  for (const std::string format : {"aiken", "gift"}) {
    const std::string file = "out." + format;
    const ProgramRun out = admin(
        dir, {"export-paper", "1", "--tutor", "T1", "--password-stdin", "--format", format, "-o", file}, "1234\n");
    ASSERT_EQ(out.status, 0) << out.err;
    const ProgramRun in = importPaper(dir, file, "Again " + format,
                                      {"--shuffle-questions", format == "gift" ? "on" : "off", "--review", "on"});
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
  EXPECT_EQ(lines[0], "number\tsubject\tauthor\tlevel\tquestions\tminutes\tdate\tquestion_file\tfile\tsettings");
  EXPECT_EQ(lines[1], "1\tMixed\tJane Doe\tForm 2\t5\t10\t7/12/2026 | Monday\tMixed_Form 2_Jane Doe.abcd\twhole\t-");
  // An imported paper carries today's date and the default minutes (y).
  EXPECT_EQ(lines[2].substr(0, 35), "2\tAgain aiken\tJane Doe\tForm 2\t5\t10\t");
  EXPECT_NE(lines[2].find(" | "), std::string::npos);
  EXPECT_EQ(lines[2].substr(lines[2].size() - 13), "\twhole\treview");
  EXPECT_EQ(lines[3].substr(lines[3].size() - 33), "\tmissing\tshuffle-questions,review");
}

TEST(AdminTool, SettingsAreShownAndChangedByThePapersAuthorOnly) {
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addTutorAccount(dir, kOtherTutor);
  addPaper(dir, kTutor, "Maths", sampleQuestions(2));
  auto settings = [&dir](std::vector<std::string> more, const std::string& password = "1234\n") {
    std::vector<std::string> args = {"settings", "1", "--tutor", password == "1234\n" ? "T1" : "T2",
                                     "--password-stdin"};
    args.insert(args.end(), more.begin(), more.end());
    return admin(dir, args, password);
  };
  const std::string allOff = "shuffle-questions\toff\nshuffle-options\toff\nreview\toff\n";
  EXPECT_EQ(settings({}).out, allOff);
  EXPECT_FALSE(dir.exists(SettingsFile));

  const ProgramRun changed = settings({"--shuffle-options", "on", "--review", "on"});
  EXPECT_EQ(changed.status, 0) << changed.err;
  EXPECT_EQ(changed.out, "");
  EXPECT_EQ(settings({"--review", "off"}).status, 0);
  EXPECT_EQ(dir.size(SettingsFile), 2 * 368);
  EXPECT_EQ(settings({}).out, "shuffle-questions\toff\nshuffle-options\ton\nreview\toff\n");

  const ProgramRun other = settings({"--review", "on"}, "999\n");
  EXPECT_EQ(other.status, 1);
  EXPECT_EQ(other.err, "quizmora-admin: paper 1 was set by another tutor: only its author may change its settings\n");
  EXPECT_EQ(settings({"--review", "maybe"}).status, 2);
  EXPECT_EQ(dir.size(SettingsFile), 2 * 368);
}

TEST(AdminTool, ExportedResultsReadBackWithEveryAwkwardText) {
  ScratchDir dir;
  const std::string rows[] = {
      resultBytes("Smith, \"Jo\"\nLine two", "C1", 200.0 / 3, 75.5, "7/12/2026 | Monday", "9:5:7", "+254 700"),
      resultBytes("=SUM(A1)", "C2", 100, 12, "not a date", "25:00:00", "@home"),
      resultBytes("Jos\xE9 M\xC3\xBCller", "C1", std::nan(""), HUGE_VAL, "29/2/2027 | Monday", "", "-1"),
  };
  for (const std::string& r : rows) dir.append(CandiDatefilex, r);
  dir.append(CandiDatefilex, "partial tail");

  const ProgramRun csv = admin(dir, {"export-results", "--bom", "-o", "results.csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const std::string text = dir.read("results.csv");
  ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  const auto table = readCsv(text.substr(3));
  ASSERT_EQ(table.size(), 4u) << text;
  EXPECT_EQ(table[0], (std::vector<std::string>{"number", "name", "id", "subject", "score", "time_taken", "date",
                                                "weekday", "time", "level", "country", "email", "contact"}));
  EXPECT_EQ(table[1],
            (std::vector<std::string>{"1", "Smith, \"Jo\"\nLine two", "C1", "Maths, part 1", "66.66666666666667",
                                      "75.5", "2026-12-07", "Monday", "09:05:07", "Grade 9", "", "", "'+254 700"}));
  EXPECT_EQ(table[2], (std::vector<std::string>{"2", "'=SUM(A1)", "C2", "Maths, part 1", "100", "12", "not a date", "",
                                                "25:00:00", "Grade 9", "", "", "'@home"}));
  // Latin-1 bytes become UTF-8, valid UTF-8 passes; non-finite numbers
  // are empty; 29 February 2027 is no date.
  EXPECT_EQ(table[3], (std::vector<std::string>{"3", "Jos\xC3\xA9 M\xC3\xBCller", "C1", "Maths, part 1", "", "",
                                                "29/2/2027 | Monday", "Monday", "", "Grade 9", "", "", "'-1"}));

  const ProgramRun json = admin(dir, {"export-results", "--format", "jsonl", "--candidate", "C1"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out,
            "{\"number\":1,\"name\":\"Smith, \\\"Jo\\\"\\nLine two\",\"id\":\"C1\",\"subject\":\"Maths, part 1\","
            "\"score\":66.66666666666667,\"time_taken\":75.5,\"date\":\"2026-12-07\",\"weekday\":\"Monday\","
            "\"time\":\"09:05:07\",\"level\":\"Grade 9\",\"country\":\"\",\"email\":\"\",\"contact\":\"+254 700\"}\n"
            "{\"number\":3,\"name\":\"Jos\xC3\xA9 M\xC3\xBCller\",\"id\":\"C1\",\"subject\":\"Maths, part 1\","
            "\"score\":null,\"time_taken\":null,\"date\":\"29/2/2027 | Monday\",\"weekday\":\"Monday\","
            "\"time\":\"\",\"level\":\"Grade 9\",\"country\":\"\",\"email\":\"\",\"contact\":\"-1\"}\n");

  // Filters combine; one that matches nothing still writes the header, and
  // says so on standard error.
  const std::string header =
      "number,name,id,subject,score,time_taken,date,weekday,time,level,country,email,contact\r\n";
  const ProgramRun both = admin(dir, {"export-results", "--candidate", "C2", "--subject", "Maths, part 1"});
  EXPECT_EQ(both.status, 0);
  ASSERT_EQ(readCsv(both.out).size(), 2u) << both.out;
  EXPECT_EQ(readCsv(both.out)[1][0], "2");
  EXPECT_EQ(both.err, "");
  for (const std::vector<std::string>& filter :
       {std::vector<std::string>{"--candidate", "NOPE"}, std::vector<std::string>{"--subject", "Maths"}}) {
    std::vector<std::string> args = {"export-results"};
    args.insert(args.end(), filter.begin(), filter.end());
    const ProgramRun nothing = admin(dir, args);
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, header);
    EXPECT_EQ(nothing.err, "quizmora-admin: no result matched " + filter[0] + " " + filter[1] + "\n");
  }

  // No results file: only the header row, and nothing created.
  ScratchDir empty;
  const ProgramRun none = admin(empty, {"export-results"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, header);
  EXPECT_FALSE(empty.exists(CandiDatefilex));
}

namespace {

// A journal of 3 questions in 600 s whose clock started at `started`.
std::string journalBytes(const std::string& id, const std::string& name, double started) {
  return RecordBytes(AnswerSheetLayout(), {{"started", "", started},
                                           {"allowed", "", 600},
                                           {"edition", "", 3421780262.0},
                                           {"questions", "", 3},
                                           {"answered", "", 2},
                                           {"id", id, 0},
                                           {"name", name, 0},
                                           {"subject", "Maths, part 1", 0},
                                           {"level", "Form 2", 0},
                                           {"author", "Jane Doe", 0},
                                           {"answers", "AB", 0},
                                           {"key", "ABC", 0}});
}

}  // namespace

TEST(AdminTool, UnfinishedAttemptsAreListedFinishedAndTheirSheetsExported) {
  ScratchDir dir;
  addCandidateAccount(dir, kCandidate);
  std::tm pinned = {};
  pinned.tm_year = 126, pinned.tm_mon = 11, pinned.tm_mday = 7, pinned.tm_hour = 9, pinned.tm_min = 5;
  pinned.tm_sec = 7, pinned.tm_isdst = -1;
  const double now = static_cast<double>(std::mktime(&pinned));
  dir.write("C1_Ann Lee.abcdlive", journalBytes("C1", "Ann Lee", now - 3600));
  dir.write("C2_Bo Kim.abcdlive", journalBytes("C2", "Bo Kim", now - 10));
  dir.write("C3_Cy Fox.abcdlive", journalBytes("C3", "Cy Fox", now - 3600));
  HeldFile seat;
  ASSERT_TRUE(seat.Hold(dir.file("C3_Cy Fox.abcdlive")).ok());
  RunSetup setup;
  setup.program = QUIZMORA_ADMIN_BINARY;
  setup.environment = {"QUIZMORA_FIXED_TIME=2026-12-07 09:05:07"};
  const auto run = [&](std::vector<std::string> args) {
    setup.arguments = args;
    return runProgram(dir, "", 60, setup);
  };

  const ProgramRun list = run({"attempts"});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out,
            "id\tname\tsubject\tanswered\tquestions\tstarted\tstate\n"
            "C1\tAnn Lee\tMaths, part 1\t2\t3\t2026-12-07T08:05:07\ttime up\n"
            "C2\tBo Kim\tMaths, part 1\t2\t3\t2026-12-07T09:04:57\ttime left 590 s\n"
            "C3\tCy Fox\tMaths, part 1\t2\t3\t2026-12-07T08:05:07\ton a seat\n");

  // Only C1 is both out of time and free; the dry run changes nothing.
  const std::string finished = "finished\tC1\tAnn Lee\tMaths, part 1\t66.66666666666667\n";
  const auto before = folderContent(dir);
  const ProgramRun dry = run({"attempts", "--finish", "--dry-run"});
  EXPECT_EQ(dry.out, finished);
  EXPECT_EQ(folderContent(dir), before);
  const ProgramRun finish = run({"attempts", "--finish"});
  EXPECT_EQ(finish.status, 0) << finish.err;
  EXPECT_EQ(finish.out, finished);
  EXPECT_FALSE(dir.exists("C1_Ann Lee.abcdlive"));
  EXPECT_TRUE(dir.exists("C3_Cy Fox.abcdlive"));
  const std::string result = dir.read(CandiDatefilex);
  ASSERT_EQ(result.size(), kCandidateRecordSize);
  EXPECT_EQ(dir.read("C1_Ann Lee.abcdrpt"), result);
  EXPECT_EQ(TextField(result.data(), *FindField(CandidateLayout(), "candiCountry")), "Kenya");  // the account's
  EXPECT_EQ(TextField(result.data(), *FindField(CandidateLayout(), "dateAttempted")), "7/12/2026 | Monday");

  const ProgramRun csv = run({"export-answers", "-o", "answers.csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const auto table = readCsv(dir.read("answers.csv"));
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0], (std::vector<std::string>{"number", "id", "name", "subject", "level", "author", "date", "weekday",
                                                "time", "score", "time_taken", "questions", "answered", "correct",
                                                "ending", "edition", "answers", "key"}));
  EXPECT_EQ(table[1], (std::vector<std::string>{"1", "C1", "Ann Lee", "Maths, part 1", "Form 2", "Jane Doe",
                                                "2026-12-07", "Monday", "09:05:07", "66.66666666666667", "600", "3",
                                                "2", "2", "finished", "cbf43926", "AB-", "ABC"}));
  EXPECT_EQ(run({"export-answers", "--format", "jsonl", "--candidate", "C1", "--subject", "Maths, part 1"}).out,
            "{\"number\":1,\"id\":\"C1\",\"name\":\"Ann Lee\",\"subject\":\"Maths, part 1\",\"level\":\"Form 2\","
            "\"author\":\"Jane Doe\",\"date\":\"2026-12-07\",\"weekday\":\"Monday\",\"time\":\"09:05:07\","
            "\"score\":66.66666666666667,\"time_taken\":600,\"questions\":3,\"answered\":2,\"correct\":2,"
            "\"ending\":\"finished\",\"edition\":\"cbf43926\",\"answers\":\"AB-\",\"key\":\"ABC\"}\n");
  EXPECT_EQ(run({"export-answers", "--format", "jsonl", "--subject", "Physics"}).out, "");
}

namespace {

// A folder with one of every problem check knows.
void addEveryProblem(const ScratchDir& dir) {
  addTutorAccount(dir, kTutor);
  addTutorAccount(dir, kOtherTutor);
  dir.append(accountRegFileTutor, RecordBytes(TutorLayout(), {{"IDNumber", "T1", 0}, {"logInPassword", "", 0}}));
  dir.append(accountRegFileTutor,
             RecordBytes(TutorLayout(),
                         {{"IDNumber", "T4", 0}, {"candiNames", std::string(100, 'x'), 0}, {"logInPassword", "", 5}}));
  addCandidateAccount(dir, kCandidate);
  dir.write(std::string(accountRegFileCandi) + ".partial", "old");
  addPaper(dir, kTutor, "Maths", sampleQuestions(3));
  addPaper(dir, kTutor, "Maths", sampleQuestions(2));
  std::filesystem::remove(dir.file(addPaper(dir, kOtherTutor, "Physics", sampleQuestions(2))));
  dir.append(addPaper(dir, kTutor, "Chem", sampleQuestions(2)), questionFileBytes(sampleQuestions(1)));
  dir.append(SubjectFile,
             RecordBytes(PaperLayout(),
                         {{"subjectName", "Bio", 0}, {"candiNames", "Jane Doe", 0}, {"paperLevel", "Form 2", 0}}));
  dir.write("Old_Form 1_Nobody.abcd", RecordBytes(QuestionLayout(), {{"question", "q", 0}, {"answer", "", 7}}));
  dir.append("Old_Form 1_Nobody.abcd",
             RecordBytes(QuestionLayout(), {{"optionA", "a", 0}, {"optionC", "c", 0}, {"answer", "", 3}}));
  dir.append("Old_Form 1_Nobody.abcd",
             RecordBytes(QuestionLayout(), {{"optionA", "a", 0}, {"optionB", "b", 0}, {"answer", "", 4}}));
  dir.append(SettingsFile,
             RecordBytes(SettingsLayout(), {{"questionFile", "Maths_Form 2_Jane Doe.abcd", 0}, {"flags", "", 7}}));
  dir.append(SettingsFile, RecordBytes(SettingsLayout(), {{"questionFile", "Gone.abcd", 0}, {"flags", "", 9}}));
  dir.append(SettingsFile, "ab");
  addResult(dir, kCandidate, "Maths", 50, 10);
  dir.append(CandiDatefilex, resultBytes("Ann Lee", "C1", std::nan(""), -1, "7/12/2026 | Monday", "9:5:7"));
  dir.append(CandiDatefilex, "xyz");
  dir.write(AnswersFile,
            RecordBytes(
                AnswerSheetLayout(),
                {{"questions", "", 2}, {"answered", "", 3}, {"answers", "E", 0}, {"key", "A", 0}, {"score", "", 150}}) +
                "ab");
  dir.write("C1_Ann Lee.abcdlive", std::string(2 * kAnswerSheetRecordSize, '\0'));
  // Claimed IDs: one held by its account, one whose registration was cut
  // short, and a file that is no claim.
  std::filesystem::create_directory(dir.file(ClaimFolderName(accountRegFileCandi)));
  for (const std::string& id : {kCandidate.id, std::string("Z9")})
    dir.write(ClaimFileName(accountRegFileCandi, id), "");
  dir.write(ClaimFolderName(accountRegFileCandi) + "/notes.txt", "");
}

}  // namespace

TEST(AdminTool, CheckReportsEveryProblemAndRepairMendsWhatItCan) {
  ScratchDir dir;
  addEveryProblem(dir);
  const ProgramRun check = admin(dir, {"check"});
  EXPECT_EQ(check.status, 1);
  EXPECT_EQ(linesOf(check.out),
            (std::vector<std::string>{
                "C1_Ann Lee.abcdlive: a journal holds one answer sheet, this one 2 whole and 0 bytes more",
                "Old_Form 1_Nobody.abcd: record 1: correct option 7 is outside 1 to 4",
                "Old_Form 1_Nobody.abcd: record 2: option B is empty but option C is not",
                "Old_Form 1_Nobody.abcd: record 3: correct option D is empty",
                "Old_Form 1_Nobody.abcd: no library header names this question file",
                "accDataTtor.abcdAcc: record 3: password 0 is outside 1 to 9000000",
                "accDataTtor.abcdAcc: record 3: ID \"T1\" already registered in record 1",
                "accDataTtor.abcdAcc: record 4: text field candiNames has no terminating NUL",
                "answers.abcdans: record 1: answer 1 is byte 69, not A to D",
                "answers.abcdans: record 1: answered 3 but 1 answers of 2 questions",
                "answers.abcdans: record 1: key byte 2 is 0, not A to D",
                "answers.abcdans: record 1: score 150 is not a number from 0 to 100",
                "answers.abcdans: 2 bytes after the last whole record",
                "candidate.abcddata: record 2: score nan is not a number from 0 to 100",
                "candidate.abcddata: record 2: time taken -1 is not a number of seconds from 0",
                "candidate.abcddata: 3 bytes after the last whole record",
                "subjlib.abcdlib: record 1: superseded by record 2, which names the same question file "
                "\"Maths_Form 2_Jane Doe.abcd\"",
                "subjlib.abcdlib: record 3: question file \"Physics_Form 3_Jon Roe.abcd\" is missing",
                "subjlib.abcdlib: record 4: question count 2 but \"Chem_Form 2_Jane Doe.abcd\" holds 3 whole questions",
                "subjlib.abcdlib: record 5: question count 0 is outside 1 to 1000",
                "subjlib.abcdlib: record 5: minutes 0 are not above 0",
                "subjlib.abcdlib: record 5: question file \"Bio_Form 2_Jane Doe.abcd\" is missing",
                "subjlib.abcdset: record 2: flags 9 hold bits other than shuffle questions (1), shuffle options (2) "
                "and review (4)",
                "subjlib.abcdset: record 2: no library header names the question file \"Gone.abcd\"",
                "subjlib.abcdset: 2 bytes after the last whole record",
                "accDataCdata.abcdAcc.ids: ID \"Z9\" claimed but held by no account",
                "accDataCdata.abcdAcc.ids/notes.txt: not a claim",
                "accDataCdata.abcdAcc.partial: kept copy of bytes cut from a partial record; remove it once it is no "
                "longer needed",
                "27 problems found",
            }));

  const auto before = folderContent(dir);
  const ProgramRun dry = admin(dir, {"repair", "--dry-run"});
  EXPECT_EQ(dry.status, 0) << dry.err;
  const std::string newBackup = " into a new quizmora-backup-YYYYMMDD-HHMMSS/ folder";
  EXPECT_EQ(linesOf(dry.out),
            (std::vector<std::string>{
                "dry run: nothing is written",
                "would copy accDataTtor.abcdAcc" + newBackup,
                "accDataTtor.abcdAcc: record 4: would terminate text field candiNames",
                "would copy answers.abcdans" + newBackup,
                "answers.abcdans: would cut 2 bytes after the last whole record into answers.abcdans.partial",
                "would copy candidate.abcddata" + newBackup,
                "candidate.abcddata: would cut 3 bytes after the last whole record into candidate.abcddata.partial",
                "would copy subjlib.abcdset" + newBackup,
                "subjlib.abcdset: would cut 2 bytes after the last whole record into subjlib.abcdset.partial",
                "would copy subjlib.abcdlib" + newBackup,
                "subjlib.abcdlib: record 1: would be dropped, superseded by record 2",
                "accDataCdata.abcdAcc.ids: would free ID \"Z9\", held by no account",
            }));
  EXPECT_EQ(folderContent(dir), before);
  const std::vector<std::string> changes = {
      "accDataTtor.abcdAcc: record 4: terminated text field candiNames",
      "answers.abcdans: cut 2 bytes after the last whole record into answers.abcdans.partial",
      "candidate.abcddata: cut 3 bytes after the last whole record into candidate.abcddata.partial",
      "subjlib.abcdset: cut 2 bytes after the last whole record into subjlib.abcdset.partial",
      "subjlib.abcdlib: record 1: dropped, superseded by record 2",
      "accDataCdata.abcdAcc.ids: freed ID \"Z9\", held by no account",
  };

  const ProgramRun repair = admin(dir, {"repair"});
  EXPECT_EQ(repair.status, 1) << repair.err;  // what needs a person is left
  const std::vector<std::string> out = linesOf(repair.out);
  for (const std::string& change : changes) EXPECT_NE(std::find(out.begin(), out.end(), change), out.end()) << change;
  EXPECT_EQ(out.back(), "21 problems found");
  EXPECT_EQ(dir.size("C1_Ann Lee.abcdlive"), 2 * static_cast<long long>(kAnswerSheetRecordSize));
  EXPECT_FALSE(dir.exists(ClaimFileName(accountRegFileCandi, "Z9")));
  EXPECT_TRUE(dir.exists(ClaimFileName(accountRegFileCandi, kCandidate.id)));
  EXPECT_EQ(dir.read("candidate.abcddata.partial"), "xyz");
  EXPECT_EQ(dir.size(SubjectFile), 4 * static_cast<long long>(kPaperRecordSize));
  // Every changed file was copied, as it was, into one new backup folder.
  std::string backup;
  for (const auto& entry : folderContent(dir)) {
    if (entry.second == "(folder)") backup = entry.first;
  }
  ASSERT_EQ(backup.rfind("quizmora-backup-", 0), 0u) << backup;
  EXPECT_EQ(backup.size(), std::string("quizmora-backup-20261209-051500").size());
  for (const char* name : {accountRegFileTutor, AnswersFile, CandiDatefilex, SubjectFile, SettingsFile}) {
    EXPECT_EQ(dir.read(backup + "/" + name), before.at(name)) << name;
  }
  EXPECT_FALSE(dir.exists(backup + "/" + accountRegFileCandi));

  // Damage a repair can mend on its own leaves a healthy folder: the copies
  // it kept aside are named, with advice, and fail nothing.
  ScratchDir mendable;
  addTutorAccount(mendable, kTutor);
  mendable.append(accountRegFileTutor, RecordBytes(TutorLayout(), {{"IDNumber", "T4", 0},
                                                                   {"institution", std::string(100, 'y'), 0},
                                                                   {"logInPassword", "", 5}}));
  mendable.append(accountRegFileTutor, "xy");
  addPaper(mendable, kTutor, "Maths", sampleQuestions(3));
  addPaper(mendable, kTutor, "Maths", sampleQuestions(3));
  const ProgramRun mended = admin(mendable, {"repair"});
  EXPECT_EQ(mended.status, 0) << mended.out;
  const ProgramRun healthy = admin(mendable, {"check"});
  EXPECT_EQ(healthy.status, 0);
  const std::vector<std::string> report = linesOf(healthy.out);
  ASSERT_EQ(report.size(), 3u) << healthy.out;
  EXPECT_EQ(report[0],
            "accDataTtor.abcdAcc.partial: kept copy of bytes cut from a partial record; remove it once it is no "
            "longer needed");
  EXPECT_EQ(report[1].rfind("quizmora-backup-", 0), 0u) << report[1];
  EXPECT_EQ(report[1].substr(report[1].find('/')),
            "/: kept copy of the files as they were before a repair; remove it once it is no longer needed");
  EXPECT_EQ(report[2], "no problems found");
  EXPECT_EQ(mended.out.substr(mended.out.size() - healthy.out.size()), healthy.out);
}

TEST(AdminTool, PasswordTypedOnTheTerminalIsNotShown) {
  if (!TmuxTerminal::available()) GTEST_SKIP() << "tmux is not installed";
  ScratchDir dir;
  addTutorAccount(dir, kTutor);
  addPaper(dir, kTutor, "Maths", sampleQuestions(1));
  const std::string command = std::string("'") + QUIZMORA_ADMIN_BINARY + "' export-paper 1 --tutor T1; echo STATUS=$?";
  const std::string keepOpen = "; exec sleep 600";  // the window outlives the command
  {
    TmuxTerminal terminal(dir.path(), command + keepOpen);
    ASSERT_TRUE(terminal.started());
    ASSERT_TRUE(terminal.waitForPrompt("quizmora-admin: password for tutor T1:"));
    ASSERT_TRUE(terminal.waitUntilReading());
    terminal.type("1234");
    terminal.press("Enter");
    ASSERT_TRUE(terminal.waitFor("STATUS=0")) << terminal.screen();
    EXPECT_NE(terminal.screen().find("ANSWER: A"), std::string::npos) << terminal.screen();
    EXPECT_EQ(terminal.screen().find("1234"), std::string::npos) << terminal.screen();
  }
  // Ctrl-C at the prompt leaves the terminal echoing again.
  // (The shell traps the interrupt, so it lives on to report.)
  TmuxTerminal interrupted(dir.path(), "trap true INT; " + command + "; stty -a" + keepOpen);
  ASSERT_TRUE(interrupted.started());
  ASSERT_TRUE(interrupted.waitForPrompt("quizmora-admin: password for tutor T1:"));
  ASSERT_TRUE(interrupted.waitUntilReading());
  interrupted.press("C-c");
  ASSERT_TRUE(interrupted.waitFor("STATUS=130")) << interrupted.screen();
  ASSERT_TRUE(interrupted.waitFor("speed"));
  EXPECT_NE(interrupted.screen().find(" echo "), std::string::npos) << interrupted.screen();
}
