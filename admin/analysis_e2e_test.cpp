// analyse and report as their users run them: the built tool on a folder
// of papers and answer sheets, checked by its output, status and files.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/data_fixture.h"
#include "tests/program_run.h"
#include "tests/scratch_dir.h"
#include "tests/session_script.h"

namespace {

const Person kTutor{"Jane Doe", "T1", "Form 2", "1234"};
const Person kGone{"Old Tutor", "T9", "Form 1", "77"};

Question question(const std::string& text, char correct) {
  Question q;
  q.text = text;
  q.correct = correct;
  return q;
}

const std::vector<Question> kMaths = {
    question("What is 2 + 2?", 'B'), question("Which is a prime number?", 'C'),
    question("A question long enough that a terminal line of eighty columns cannot hold it whole, so it is cut", 'A')};
const std::vector<Question> kOldMaths = {question("What is 1 + 1?", 'A'), question("What is 3 + 3?", 'D')};

// Paper 1 (Maths) with sheets of an earlier edition, then of a paper no
// longer in the library, then of the current edition; paper 2 (Physics)
// without sheets.
void LayOutFolder(const ScratchDir& dir) {
  addTutorAccount(dir, kTutor);
  addPaper(dir, kTutor, "Maths", kMaths);
  addPaper(dir, kTutor, "Physics", {question("<script>alert(1)</script>", 'D')});
  addAnswerSheet(dir, {"Old One", "C8", "", ""}, kTutor, "Maths", kOldMaths, "AD");
  addAnswerSheet(dir, {"Ann Lee", "C9", "", ""}, kGone, "History", {question("When?", 'A')}, "B");
  const char* const answers[] = {"BCA", "BCB", "BDA", "A-A"};
  for (int i = 0; i < 4; ++i) {
    addAnswerSheet(dir, {"Candidate " + std::to_string(i + 1), "C" + std::to_string(i + 1), "", ""}, kTutor, "Maths",
                   kMaths, answers[i]);
  }
}

// The characters of a UTF-8 line (the bytes that begin one).
size_t Characters(const std::string& line) {
  size_t count = 0;
  for (char c : line) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

TEST(AnalyseCommand, JsonCsvAndText) {
  ScratchDir dir;
  LayOutFolder(dir);
  // Current sheets BCA, BCB, BDA, A-A against the key BCA: T = 3, 2, 2, 1.
  const ProgramRun json = runAdmin(dir, {"analyse", "1", "--format", "json"});
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out,
            "{\"subject\":\"Maths\",\"level\":\"Form 2\",\"author\":\"Jane Doe\",\"edition\":\"5b7e7ab1\","
            "\"current\":true,\"questions\":3,\"attempts\":4,\"mean\":66.66666666666667,\"median\":66.66666666666667,"
            "\"sd\":27.21655269759087,\"min\":33.333333333333336,\"max\":100,\"reliability\":-0.375,"
            "\"sem\":31.914236925211274,\"histogram\":[0,0,0,1,0,0,2,0,0,1],\"items\":["
            "{\"number\":1,\"key\":\"B\",\"facility\":75,\"discrimination\":0.33333333333333337,"
            "\"choices\":{\"A\":1,\"B\":3,\"C\":0,\"D\":0,\"blank\":0},\"flags\":[]},"
            "{\"number\":2,\"key\":\"C\",\"facility\":50,\"discrimination\":0,"
            "\"choices\":{\"A\":0,\"B\":0,\"C\":2,\"D\":1,\"blank\":1},\"flags\":[\"weak\"]},"
            "{\"number\":3,\"key\":\"A\",\"facility\":75,\"discrimination\":-0.5222329678670935,"
            "\"choices\":{\"A\":3,\"B\":1,\"C\":0,\"D\":0,\"blank\":0},\"flags\":[\"check key\"]}]}\n"
            "{\"subject\":\"Maths\",\"level\":\"Form 2\",\"author\":\"Jane Doe\",\"edition\":\"b6c7c047\","
            "\"current\":false,\"questions\":2,\"attempts\":1,\"mean\":100,\"median\":100,\"sd\":null,\"min\":100,"
            "\"max\":100,\"reliability\":null,\"sem\":null,\"histogram\":[0,0,0,0,0,0,0,0,0,1],\"items\":["
            "{\"number\":1,\"key\":\"A\",\"facility\":100,\"discrimination\":null,"
            "\"choices\":{\"A\":1,\"B\":0,\"C\":0,\"D\":0,\"blank\":0},\"flags\":[\"easy\"]},"
            "{\"number\":2,\"key\":\"D\",\"facility\":100,\"discrimination\":null,"
            "\"choices\":{\"A\":0,\"B\":0,\"C\":0,\"D\":1,\"blank\":0},\"flags\":[\"easy\"]}]}\n");

  // Every paper with sheets, in the order of its first sheet: Maths (its
  // current edition first), then History, no longer in the library.
  const ProgramRun csv = runAdmin(dir, {"analyse", "--format", "csv", "-o", "analysis.csv"});
  EXPECT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.out, "");
  EXPECT_EQ(dir.read("analysis.csv"),
            "subject,level,author,edition,number,key,facility,discrimination,a,b,c,d,blank,flags\r\n"
            "Maths,Form 2,Jane Doe,5b7e7ab1,1,B,75,0.33333333333333337,1,3,0,0,0,\r\n"
            "Maths,Form 2,Jane Doe,5b7e7ab1,2,C,50,0,0,0,2,1,1,weak\r\n"
            "Maths,Form 2,Jane Doe,5b7e7ab1,3,A,75,-0.5222329678670935,3,1,0,0,0,check key\r\n"
            "Maths,Form 2,Jane Doe,b6c7c047,1,A,100,,1,0,0,0,0,easy\r\n"
            "Maths,Form 2,Jane Doe,b6c7c047,2,D,100,,0,0,0,1,0,easy\r\n"
            "History,Form 1,Old Tutor,ea3962a6,1,A,0,,0,1,0,0,0,hard;check key\r\n");

  const ProgramRun text = runAdmin(dir, {"analyse"});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find("\nEdition b6c7c047")),
            "Paper 1: Maths | Form 2 | Jane Doe\n"
            "\n"
            "Edition 5b7e7ab1 (current): 3 questions, 4 answer sheets\n"
            "  Mean 66.7   Median 66.7   SD 27.2   Min 33.3   Max 100.0\n"
            "  Reliability (KR-20) -0.38   SEM 31.91\n"
            "  Score    Sheets\n"
            "  0-9           0\n"
            "  10-19         0\n"
            "  20-29         0\n"
            "  30-39         1  ####################\n"
            "  40-49         0\n"
            "  50-59         0\n"
            "  60-69         2  ########################################\n"
            "  70-79         0\n"
            "  80-89         0\n"
            "  90-100        1  ####################\n"
            "\n"
            "   No Key Facility  Discr.     A     B     C     D Blank  Flags\n"
            "    1   B     75.0    0.33     1     3     0     0     0\n"
            "      What is 2 + 2?\n"
            "    2   C     50.0    0.00     0     0     2     1     1  weak\n"
            "      Which is a prime number?\n"
            "    3   A     75.0   -0.52     3     1     0     0     0  check key\n"
            "      A question long enough that a terminal line of eighty columns cannot hold\n");
  EXPECT_NE(text.out.find("Edition b6c7c047: 2 questions, 1 answer sheet\n"), std::string::npos);
  EXPECT_NE(text.out.find("\nHistory | Form 1 | Old Tutor (not in the library)\n"), std::string::npos);
  EXPECT_NE(text.out.find("  SD -   Min 100.0"), std::string::npos);
  std::istringstream lines(text.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(line.find('\t'), std::string::npos) << line;
  }
}

TEST(AnalyseCommand, PaperWithoutSheetsAndWrongNumbers) {
  ScratchDir dir;
  LayOutFolder(dir);
  const ProgramRun text = runAdmin(dir, {"analyse", "2"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out, "Paper 2: Physics | Form 2 | Jane Doe\nNo answer sheets.\n");
  const ProgramRun csv = runAdmin(dir, {"analyse", "2", "--format", "csv"});
  EXPECT_EQ(csv.out, "subject,level,author,edition,number,key,facility,discrimination,a,b,c,d,blank,flags\r\n");
  EXPECT_EQ(runAdmin(dir, {"analyse", "2", "--format", "json"}).out, "");
  dir.write("answers.abcdans", "");
  EXPECT_EQ(runAdmin(dir, {"analyse"}).out, "No answer sheets.\n");

  // A NUMBER is refused exactly as export-paper refuses it.
  for (const std::string number : {"0", "3", "x", "-1"}) {
    SCOPED_TRACE(number);
    const ProgramRun analyse = runAdmin(dir, {"analyse", number});
    const ProgramRun exported = runAdmin(dir, {"export-paper", number, "--tutor", "T1", "--password-stdin"}, "1234\n");
    EXPECT_EQ(analyse.status, exported.status);
    EXPECT_NE(analyse.status, 0);
    EXPECT_EQ(analyse.err, exported.err);
    EXPECT_EQ(analyse.out, "");
  }
}

TEST(ReportCommand, WritesThePageOfTheGivenPapers) {
  ScratchDir dir;
  LayOutFolder(dir);
  dir.write("report.html", "old");
  const ProgramRun run = runAdmin(dir, {"report", "-o", "report.html", "1", "2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const std::string page = dir.read("report.html");
  EXPECT_EQ(occurrences(page, "<section"), 2u);
  EXPECT_NE(page.find("<td>Candidate 4</td><td>C4</td><td class=\"n\">33.3</td>"), std::string::npos);
  EXPECT_EQ(page.find("Old One"), std::string::npos) << "only the current edition's results are listed";
  EXPECT_NE(page.find("Earlier edition <code>b6c7c047</code>"), std::string::npos);
  EXPECT_NE(page.find("No answer sheets yet."), std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);

  // Every paper with sheets by default; -o is required; a wrong NUMBER
  // leaves the file as it was.
  EXPECT_EQ(runAdmin(dir, {"report", "-o", "all.html"}).status, 0);
  EXPECT_NE(dir.read("all.html").find("History"), std::string::npos);
  EXPECT_EQ(runAdmin(dir, {"report"}).status, 2);
  const ProgramRun wrong = runAdmin(dir, {"report", "-o", "report.html", "1", "7"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.err, "quizmora-admin: no paper 7 in the library (see: quizmora-admin papers)\n");
  EXPECT_EQ(dir.read("report.html"), page);
}

TEST(AnalyseCommand, DamagedSheetsAreReadAsStored) {
  // Whole records of random bytes (any count, answer, key, text or number)
  // and a partial last record: every form is still made, within its rules.
  ScratchDir dir;
  LayOutFolder(dir);
  std::mt19937 random(19);
  std::string garbage(3 * 2570 + 100, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  for (size_t record = 0; record < 3; ++record) garbage.replace(record * 2570 + 260, 6, std::string("Maths\0", 6));
  dir.append("answers.abcdans", garbage);
  for (const std::string format : {"text", "csv", "json"}) {
    const ProgramRun run = runAdmin(dir, {"analyse", "--format", format});
    EXPECT_EQ(run.status, 0) << format << run.err;
    if (format != "text") continue;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(Characters(line), 80u) << line;
      EXPECT_EQ(line.find('\t'), std::string::npos) << line;
    }
  }
  EXPECT_EQ(runAdmin(dir, {"report", "-o", "report.html"}).status, 0);
  EXPECT_EQ(dir.read("report.html").find("<script"), std::string::npos);
}

}  // namespace
