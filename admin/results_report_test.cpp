// The results report as a reader meets it: the page's own rules checked on
// its text, then the page opened, printed and photographed by a real
// browser (headless Chromium) where one can run.

#include "admin/results_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/program_run.h"
#include "tests/scratch_dir.h"

namespace {

const char* const kHostile = "<script>alert(1)</script>";

// A paper of three questions sat by `sheets` candidates, the first question
// text a script and one candidate's name full of markup; an earlier edition
// of two sheets after it.
PaperSheets SamplePaper(int sheets) {
  PaperSheets paper;
  paper.subject = "Maths & <Physics>";
  paper.level = "Form 2";
  paper.author = "Jane \"JD\" Doe";
  paper.number = 1;
  paper.listed = true;
  paper.hasQuestions = true;
  paper.minutes = 6;
  paper.currentEdition = 0x1a2b3c4d;
  paper.currentQuestions = 3;
  paper.questions = {
      {kHostile, {"3", "4", "5", "22"}},
      {"Which is a prime number?", {"9", "15", "7", ""}},
      {"The boiling point of water at sea level", {"90 \u00b0C", "100 \u00b0C", "110 \u00b0C", "120 \u00b0C"}}};
  EditionSheets current(0x1a2b3c4d, 3);
  current.current = true;
  const char* const patterns[] = {"BCB", "BCA", "BAB", "ACB", "B\0B", "DCD"};
  for (int i = 0; i < sheets; ++i) {
    current.sums.Add(patterns[i % 6], "BCB");
    current.results.push_back(SheetResult{i == 0 ? "<b>Ann</b> & Lee" : "Candidate " + std::to_string(i + 1),
                                          "C" + std::to_string(i + 1), 200.0 / 3, 125, "7/12/2026 | Monday", "9:5:7"});
  }
  paper.editions.push_back(std::move(current));
  EditionSheets earlier(0x0badf00d, 2);
  earlier.sums.Add("AB", "AB");
  earlier.sums.Add("AA", "AB");
  paper.editions.push_back(std::move(earlier));
  return paper;
}

std::string SamplePage(int sheets) {
  return ReportStart("2026-12-09 14:05") + ReportSection(SamplePaper(sheets)) + ReportEnd();
}

TEST(ResultsReport, EscapesEveryDataText) {
  EXPECT_EQ(HtmlText("<a href=\"x\">'&'</a>\t\x01"), "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;  ");
  EXPECT_EQ(HtmlText("caf\xe9"), "caf\u00e9");  // not UTF-8: read as Latin-1
  const std::string page = SamplePage(6);
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;Ann&lt;/b&gt; &amp; Lee"), std::string::npos);
  EXPECT_NE(page.find("Maths &amp; &lt;Physics&gt;"), std::string::npos);
}

TEST(ResultsReport, IsOneSelfContainedPageForA4) {
  const std::string page = SamplePage(6);
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
  for (const char* outside : {"src=", "href=", "url(", "@import", "<link", "<img"}) {
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  }
  EXPECT_NE(page.find("@page { size: A4"), std::string::npos);
  EXPECT_NE(page.find("thead { display: table-header-group; }"), std::string::npos);
  EXPECT_NE(page.find("tr, figure, .summary, .note { break-inside: avoid;"), std::string::npos);
  EXPECT_EQ(occurrences(page, "<thead>"), 2u);  // the item table and the results
  // One decimal for facility and scores, two for discrimination, reliability and SEM.
  EXPECT_NE(page.find("<td class=\"n\">66.7</td>"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"n\">2:05</td><td>2026-12-07</td><td>09:05:07</td>"), std::string::npos);
  EXPECT_NE(page.find("edition <code>0badf00d</code> (2 questions): 2 answer sheets"), std::string::npos);
}

TEST(ResultsReport, HistogramHasLabelledAxesAndOneBarABin) {
  const std::string svg = HistogramSvg({0, 0, 0, 3, 0, 0, 12, 0, 0, 1});
  EXPECT_EQ(occurrences(svg, "<rect"), 10u);
  for (const char* label : {"Score (%)", "Answer sheets", "0\u20139", "90\u2013100", ">12<", ">15<"}) {
    EXPECT_NE(svg.find(label), std::string::npos) << label;
  }
}

// ---- In a real browser -----------------------------------------------------

const char* const kChromium = "/usr/bin/chromium";

// Runs headless Chromium on `page` in `dir` with `more` arguments; a fresh
// profile each time, nothing fetched, no sandbox (the tests may run as root).
ProgramRun Chromium(const ScratchDir& dir, const std::vector<std::string>& more) {
  RunSetup setup;
  setup.program = kChromium;
  setup.arguments = {"--headless",
                     "--no-sandbox",
                     "--disable-gpu",
                     "--disable-quic",
                     "--no-first-run",
                     "--disable-background-networking",
                     "--disable-component-update",
                     "--disable-sync",
                     "--disable-dev-shm-usage",
                     "--user-data-dir=" + dir.file("profile")};
  setup.arguments.insert(setup.arguments.end(), more.begin(), more.end());
  return runProgram(dir, "", 60, setup);
}

ProgramRun RunTool(const ScratchDir& dir, const char* program, const std::vector<std::string>& arguments) {
  RunSetup setup;
  setup.program = program;
  setup.arguments = arguments;
  return runProgram(dir, "", 30, setup);
}

TEST(ResultsReportInABrowser, RendersPrintsOnA4AndPhotographs) {
  if (::access(kChromium, X_OK) != 0) GTEST_SKIP() << "Chromium is not installed (Debian: chromium)";
  if (::access("/usr/bin/pdftotext", X_OK) != 0) GTEST_SKIP() << "pdftotext is not installed (Debian: poppler-utils)";
  ScratchDir dir;
  dir.write("report.html", SamplePage(150));  // enough results for several printed pages
  const std::string url = "file://" + dir.file("report.html");

  const ProgramRun dom = Chromium(dir, {"--dump-dom", url});
  if (dom.status != 0 || dom.out.find("<body") == std::string::npos) {
    GTEST_SKIP() << "Chromium cannot run here (status " << dom.status << "): " << dom.err.substr(0, 400);
  }
  // The script is text, not an element; the page as a browser reads it.
  EXPECT_EQ(dom.out.find("<script"), std::string::npos);
  EXPECT_NE(dom.out.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(dom.out.find("Candidate 150"), std::string::npos);

  const ProgramRun print = Chromium(dir, {"--no-pdf-header-footer", "--print-to-pdf=" + dir.file("report.pdf"), url});
  ASSERT_TRUE(dir.exists("report.pdf")) << print.err.substr(0, 400);
  const ProgramRun info = RunTool(dir, "/usr/bin/pdfinfo", {"report.pdf"});
  EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out;
  const ProgramRun text = RunTool(dir, "/usr/bin/pdftotext", {"-layout", "report.pdf", "-"});
  EXPECT_NE(text.out.find(kHostile), std::string::npos);
  EXPECT_NE(text.out.find("Score (%)"), std::string::npos);
  EXPECT_NE(text.out.find("Candidate 150"), std::string::npos);
  // The results run over several pages, each with the table's header.
  const size_t pages = occurrences(text.out, "\f");
  EXPECT_GE(pages, 3u);
  EXPECT_GE(occurrences(text.out, "Time taken"), pages - 1);

  Chromium(dir, {"--hide-scrollbars", "--window-size=1100,1400", "--screenshot=" + dir.file("report.png"), url});
  const std::string png = dir.read("report.png");
  ASSERT_GT(png.size(), 10000u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
}

}  // namespace
