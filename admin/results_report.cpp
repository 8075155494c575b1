#include "admin/results_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "admin/admin_status.h"
#include "admin/analyse.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"
#include "console/calendar.h"

namespace {

// Everything the page needs to look right on screen and on A4: no file
// beside it, so the style is inline. Rows and boxes never break across
// pages, a table's header repeats on each printed page, and the bars keep
// their colours on paper.
const char* const kStyle = R"(
body { font-family: "DejaVu Sans", "Segoe UI", Arial, Helvetica, sans-serif; color: #1f2328; line-height: 1.4;
  max-width: 62em; margin: 1.5em auto; padding: 0 1em; }
h1 { font-size: 1.6em; margin: 0 0 .2em; }
h2 { font-size: 1.35em; margin: 1.6em 0 .2em; border-bottom: 2px solid #0969da; padding-bottom: .1em; }
h3 { font-size: 1.05em; margin: 1.2em 0 .4em; }
.made, .meta { color: #57606a; margin: 0 0 .6em; }
.summary { display: grid; grid-template-columns: repeat(auto-fill, minmax(6.4em, 1fr)); gap: .45em; margin: .6em 0;
  padding: 0; }
.summary div { border: 1px solid #d0d7de; border-radius: 6px; padding: .25em .6em; }
.summary dt { font-size: .72em; color: #57606a; text-transform: uppercase; letter-spacing: .04em; }
.summary dd { margin: 0; font-size: 1.15em; font-weight: 600; }
figure { margin: .6em 0; }
figure svg { width: 100%; max-width: 44em; height: auto; }
figcaption { color: #57606a; font-size: .85em; }
table { border-collapse: collapse; width: 100%; font-size: .88em; }
th, td { border-bottom: 1px solid #d0d7de; padding: .3em .4em; text-align: left; vertical-align: top; }
th { background: #f6f8fa; }
td.n, th.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
.bar { display: inline-block; width: 4em; height: .65em; background: #eaeef2; vertical-align: middle; margin-right: .35em; }
.bar span { display: block; height: 100%; background: #0969da; }
.choice { white-space: nowrap; font-variant-numeric: tabular-nums; }
.choice .bar { width: 2.6em; }
.choice.key { font-weight: 700; }
.choice.key .bar span { background: #1a7f37; }
ol.options { margin: .2em 0 0; padding-left: 1.6em; color: #57606a; font-size: .92em; }
ol.options li.key { color: #1a7f37; font-weight: 600; }
.flag { display: inline-block; padding: 0 .45em; margin: 0 .2em .2em 0; border-radius: 1em; font-size: .8em;
  font-weight: 700; white-space: nowrap; border: 1px solid #cf222e; background: #ffebe9; color: #82071e; }
.flag.easy, .flag.weak { border-color: #bf8700; background: #fff8c5; color: #7d4e00; }
.note { background: #fff8c5; border-left: 4px solid #d4a72c; padding: .4em .8em; margin: .6em 0; }
@page { size: A4; margin: 14mm 12mm; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9.5pt; }
  section + section { break-before: page; }
  thead { display: table-header-group; }
  tr, figure, .summary, .note { break-inside: avoid; page-break-inside: avoid; }
  h2, h3 { break-after: avoid; page-break-after: avoid; }
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)";

std::string Cell(const std::string& html, bool number = false) {
  return (number ? "<td class=\"n\">" : "<td>") + html + "</td>";
}

std::string Bar(double percent) {
  const double width = std::max(0.0, std::min(100.0, percent));
  return "<span class=\"bar\"><span style=\"width:" + Fixed(width, 1) + "%\"></span></span>";
}

std::string Summary(const EditionFigures& f) {
  const std::pair<const char*, std::string> boxes[] = {
      {"Attempts", std::to_string(f.attempts)},
      {"Mean", Fixed(f.mean, 1)},
      {"Median", Fixed(f.median, 1)},
      {"SD", Fixed(f.sd, 1)},
      {"Min", Fixed(f.min, 1)},
      {"Max", Fixed(f.max, 1)},
      {"Reliability", Fixed(f.reliability, 2)},
      {"SEM", Fixed(f.sem, 2)},
  };
  std::string out = "<dl class=\"summary\">";
  for (const auto& box : boxes) out += std::string("<div><dt>") + box.first + "</dt><dd>" + box.second + "</dd></div>";
  return out + "</dl>\n";
}

std::string QuestionCell(const QuestionText* question, char key) {
  if (!question) return Cell("");
  std::string out = HtmlText(question->text) + "<ol class=\"options\" type=\"A\">";
  for (int o = 0; o < kOptionCount; ++o) {
    if (question->options[o].empty()) continue;
    out += std::string("<li value=\"") + std::to_string(o + 1) + '"' + ('A' + o == key ? " class=\"key\">" : ">") +
           HtmlText(question->options[o]) + "</li>";
  }
  return Cell(out + "</ol>");
}

std::string ChoicesCell(const ItemFigures& item, int64_t attempts, const QuestionText* question) {
  static const char* const kNames[kChoiceCount] = {"A", "B", "C", "D", "Blank"};
  std::string out;
  for (int c = 0; c < kChoiceCount; ++c) {
    const bool present = c < kOptionCount ? !question || !question->options[c].empty() : item.choices[c] > 0;
    if (!present) continue;
    const double share = 100.0 * static_cast<double>(item.choices[c]) / static_cast<double>(attempts);
    out += std::string("<div class=\"choice") + (c < kOptionCount && 'A' + c == item.key ? " key" : "") + "\">" +
           Bar(share) + kNames[c] + ' ' + std::to_string(item.choices[c]) + "</div>";
  }
  return Cell(out);
}

std::string ItemTable(const PaperSheets& paper, const EditionFigures& f) {
  std::string out =
      "<table class=\"items\">\n<thead><tr><th class=\"n\">No</th><th>Question</th><th>Key</th><th>Facility</th>"
      "<th class=\"n\">Discrimination</th><th>Choices</th><th>Flags</th></tr></thead>\n<tbody>\n";
  for (const ItemFigures& item : f.items) {
    const size_t j = static_cast<size_t>(item.number - 1);
    const QuestionText* question = j < paper.questions.size() ? &paper.questions[j] : nullptr;
    std::string flags;
    for (const std::string& flag : FlagNames(item.flags)) {
      flags +=
          "<span class=\"flag " + (flag == "check key" ? std::string("check-key") : flag) + "\">" + flag + "</span>";
    }
    out += "<tr>" + Cell(std::to_string(item.number), true) + QuestionCell(question, item.key) +
           Cell(item.key ? std::string(1, item.key) : "-") + Cell(Bar(item.facility) + Fixed(item.facility, 1), true) +
           Cell(Fixed(item.discrimination, 2), true) + ChoicesCell(item, f.attempts, question) + Cell(flags) +
           "</tr>\n";
  }
  return out + "</tbody>\n</table>\n";
}

// "2:05" from 125 seconds.
std::string MinutesAndSeconds(double seconds) {
  if (!(seconds >= 0) || seconds > 1e9) return std::isfinite(seconds) ? ShortestNumber(seconds) : "-";
  const long whole = static_cast<long>(seconds + 0.5);
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  return text;
}

std::string ResultsTable(const EditionSheets& sheets) {
  std::string out =
      "<table class=\"results\">\n<thead><tr><th>Name</th><th>ID</th><th class=\"n\">Score</th>"
      "<th class=\"n\">Time taken</th><th>Date</th><th>Time</th></tr></thead>\n<tbody>\n";
  for (const SheetResult& r : sheets.results) {
    const std::string date = IsoDate(r.date), time = PaddedTime(r.time);
    out += "<tr>" + Cell(HtmlText(r.name)) + Cell(HtmlText(r.id)) +
           Cell(std::isfinite(r.score) ? Fixed(r.score, 1) : "-", true) + Cell(MinutesAndSeconds(r.timeTaken), true) +
           Cell(HtmlText(date.empty() ? r.date : date)) + Cell(HtmlText(time.empty() ? r.time : time)) + "</tr>\n";
  }
  return out + "</tbody>\n</table>\n";
}

std::string EditionNote(const EditionSheets& sheets, const char* which) {
  const EditionFigures f = sheets.sums.Figures();
  return std::string("<p class=\"note\">") + which + " edition <code>" + EditionText(sheets.edition) + "</code> (" +
         Counted(f.questions, "question", "questions") + "): " + Counted(f.attempts, "answer sheet", "answer sheets") +
         ", mean " + Fixed(f.mean, 1) + ", median " + Fixed(f.median, 1) + ", reliability " + Fixed(f.reliability, 2) +
         ".</p>\n";
}

std::string PlainNote(const char* text) { return std::string("<p class=\"note\">") + text + "</p>\n"; }

// A round step for the count axis: 1, 2 or 5 times a power of ten, giving at
// most five steps up to `most`.
int64_t AxisStep(int64_t most) {
  for (int64_t power = 1;; power *= 10) {
    for (int64_t factor : {1, 2, 5}) {
      if (most <= 5 * factor * power) return factor * power;
    }
  }
}

}  // namespace

std::string HtmlText(const std::string& text) {
  std::string out;
  for (char c : ToUtf8(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
  }
  return out;
}

std::string HistogramSvg(const std::array<int64_t, kHistogramBins>& histogram) {
  const int64_t most = std::max<int64_t>(1, *std::max_element(histogram.begin(), histogram.end()));
  const int64_t step = AxisStep(most);
  const int64_t top = (most + step - 1) / step * step;
  const double left = 56, right = 590, base = 210, height = 180, slot = (right - left) / kHistogramBins;
  const auto y = [&](int64_t count) { return base - height * static_cast<double>(count) / static_cast<double>(top); };
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 600 262\" role=\"img\" "
      "aria-label=\"Answer sheets by score\" font-family=\"DejaVu Sans, Arial, sans-serif\" font-size=\"11\">\n";
  for (int64_t tick = 0; tick <= top; tick += step) {
    const std::string at = Fixed(y(tick), 1);
    out += "<line x1=\"" + Fixed(left, 0) + "\" y1=\"" + at + "\" x2=\"" + Fixed(right, 0) + "\" y2=\"" + at +
           "\" stroke=\"#d0d7de\"/><text x=\"" + Fixed(left - 6, 0) + "\" y=\"" + Fixed(y(tick) + 4, 1) +
           "\" text-anchor=\"end\" fill=\"#57606a\">" + std::to_string(tick) + "</text>\n";
  }
  for (int b = 0; b < kHistogramBins; ++b) {
    const double x = left + slot * b;
    const std::string label =
        std::to_string(10 * b) + "\u2013" + (b == kHistogramBins - 1 ? "100" : std::to_string(10 * b + 9));
    out += "<rect x=\"" + Fixed(x + slot * 0.12, 1) + "\" y=\"" + Fixed(y(histogram[b]), 1) + "\" width=\"" +
           Fixed(slot * 0.76, 1) + "\" height=\"" + Fixed(base - y(histogram[b]), 1) + "\" fill=\"#0969da\"/>";
    if (histogram[b] > 0) {
      out += "<text x=\"" + Fixed(x + slot / 2, 1) + "\" y=\"" + Fixed(y(histogram[b]) - 4, 1) +
             "\" text-anchor=\"middle\" fill=\"#1f2328\">" + std::to_string(histogram[b]) + "</text>";
    }
    out += "<text x=\"" + Fixed(x + slot / 2, 1) + "\" y=\"" + Fixed(base + 16, 1) +
           "\" text-anchor=\"middle\" fill=\"#57606a\">" + label + "</text>\n";
  }
  out += "<line x1=\"" + Fixed(left, 0) + "\" y1=\"" + Fixed(base, 0) + "\" x2=\"" + Fixed(right, 0) + "\" y2=\"" +
         Fixed(base, 0) + "\" stroke=\"#1f2328\"/>\n";
  out += "<text x=\"" + Fixed((left + right) / 2, 0) +
         "\" y=\"256\" text-anchor=\"middle\" font-size=\"12\" fill=\"#1f2328\">Score (%)</text>\n";
  out += "<text transform=\"translate(14 " + Fixed(base - height / 2, 0) +
         ") rotate(-90)\" text-anchor=\"middle\" font-size=\"12\" fill=\"#1f2328\">Answer sheets</text>\n";
  return out + "</svg>\n";
}

std::string ReportStart(const std::string& made) {
  return std::string(
             "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
             "<title>Quizmora results report</title>\n<style>") +
         kStyle +
         "</style>\n</head>\n<body>\n<header><h1>Results report</h1><p class=\"made\">Made by quizmora-admin on " +
         HtmlText(made) + ".</p></header>\n";
}

std::string ReportSection(const PaperSheets& paper) {
  std::string out = "<section class=\"paper\">\n<h2>" + HtmlText(paper.subject) + "</h2>\n<p class=\"meta\">Level " +
                    HtmlText(paper.level) + " \u00b7 set by " + HtmlText(paper.author);
  if (paper.number > 0) out += " \u00b7 paper " + std::to_string(paper.number) + " of the library";
  if (paper.hasQuestions) {
    out += " \u00b7 " + Counted(paper.currentQuestions, "question", "questions") + " \u00b7 " +
           HtmlText(ShortestNumber(paper.minutes)) + " minutes \u00b7 edition <code>" +
           EditionText(paper.currentEdition) + "</code>";
  }
  out += "</p>\n";
  const EditionSheets* current = paper.Current();
  if (!paper.listed) {
    out += PlainNote(
        "This paper is no longer in the library: each edition its answer sheets were written on is summed up below.");
  } else if (!paper.hasQuestions) {
    out += PlainNote("The question file of this paper is missing: its answer sheets are summed up below.");
  } else if (paper.editions.empty()) {
    out += PlainNote("No answer sheets yet.");
  } else if (!current) {
    out += PlainNote("No answer sheets of the current edition yet.");
  }
  if (current) {
    const EditionFigures f = current->sums.Figures();
    out += Summary(f);
    out += "<figure>\n" + HistogramSvg(f.histogram) + "<figcaption>Answer sheets by score, " +
           std::to_string(f.attempts) + " in all.</figcaption>\n</figure>\n";
    out += "<h3>Questions</h3>\n" + ItemTable(paper, f);
    out += "<h3>Results</h3>\n" + ResultsTable(*current);
  }
  for (const EditionSheets& sheets : paper.editions) {
    if (!sheets.current) out += EditionNote(sheets, paper.hasQuestions ? "Earlier" : "An");
  }
  return out + "</section>\n";
}

std::string ReportEnd() { return "</body>\n</html>\n"; }

int RunReport(const AdminOptions& options) {
  SheetQuery query;
  query.numbers = options.numbers;
  query.keepResults = true;
  SheetGathering gathered;
  if (!GatherSheetsOrSay(query, &gathered)) return kExitFailed;
  const std::tm now = localNow();
  char made[64];
  std::snprintf(made, sizeof made, "%04d-%02d-%02d %02d:%02d", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                now.tm_hour, now.tm_min);
  OutputSink out;
  StoreStatus written = out.Open(options.output);
  if (written.ok()) {
    out.Write(ReportStart(made));
    if (gathered.papers.empty()) out.Write(PlainNote("No answer sheets yet."));
    for (const PaperSheets& paper : gathered.papers) out.Write(ReportSection(paper));
    out.Write(ReportEnd());
    written = out.Finish();
  }
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
