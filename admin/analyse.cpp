#include "admin/analyse.h"

#include <algorithm>
#include <cstdio>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/result_rows.h"

namespace {

constexpr size_t kColumns = 80;
const char* const kLetters[kChoiceCount] = {"A", "B", "C", "D", "blank"};

// `text` fit for a terminal line: UTF-8, every control character a blank,
// at most `columns` characters.
std::string TerminalText(const std::string& text, size_t columns) {
  std::string out;
  size_t characters = 0;
  for (char c : ToUtf8(text)) {
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (!continuation && ++characters > columns) break;
    out += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  }
  return out;
}

// One line of the text form: cut to fit, without trailing blanks.
std::string Line(const std::string& text) {
  std::string line = TerminalText(text, kColumns);
  line.erase(line.find_last_not_of(' ') + 1);
  return line + '\n';
}

// `text` right-aligned in `width` columns.
std::string Right(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string PaperTitle(const PaperSheets& paper) {
  std::string title = paper.number > 0 ? "Paper " + std::to_string(paper.number) + ": " : std::string();
  title += paper.subject + " | " + paper.level + " | " + paper.author;
  if (!paper.listed) title += " (not in the library)";
  if (paper.listed && !paper.hasQuestions) title += " (its question file is missing)";
  return title;
}

std::string Join(const std::vector<std::string>& parts, const char* between) {
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : between) + part;
  return out;
}

std::string TextHistogram(const EditionFigures& f) {
  const int64_t most = std::max<int64_t>(1, *std::max_element(f.histogram.begin(), f.histogram.end()));
  std::string out = "  Score    Sheets\n";
  for (int b = 0; b < kHistogramBins; ++b) {
    const std::string range =
        std::to_string(10 * b) + '-' + (b == kHistogramBins - 1 ? "100" : std::to_string(10 * b + 9));
    const int64_t count = f.histogram[b];
    const size_t bar = count == 0 ? 0 : static_cast<size_t>(std::max<int64_t>(1, count * 40 / most));
    out += Line("  " + range + std::string(8 - range.size(), ' ') + Right(std::to_string(count), 7) + "  " +
                std::string(bar, '#'));
  }
  return out;
}

std::string TextEdition(const PaperSheets& paper, const EditionSheets& sheets) {
  const EditionFigures f = sheets.sums.Figures();
  std::string out = "\n";
  out +=
      Line("Edition " + EditionText(sheets.edition) + (sheets.current ? " (current): " : ": ") +
           Counted(f.questions, "question", "questions") + ", " + Counted(f.attempts, "answer sheet", "answer sheets"));
  out += Line("  Mean " + Fixed(f.mean, 1) + "   Median " + Fixed(f.median, 1) + "   SD " + Fixed(f.sd, 1) + "   Min " +
              Fixed(f.min, 1) + "   Max " + Fixed(f.max, 1));
  out += Line("  Reliability (KR-20) " + Fixed(f.reliability, 2) + "   SEM " + Fixed(f.sem, 2));
  out += TextHistogram(f);
  if (f.items.empty()) return out;
  out += "\n   No Key Facility  Discr.     A     B     C     D Blank  Flags\n";
  for (const ItemFigures& item : f.items) {
    std::string row = Right(std::to_string(item.number), 5) + Right(std::string(1, item.key ? item.key : '-'), 4) +
                      Right(Fixed(item.facility, 1), 9) + Right(Fixed(item.discrimination, 2), 8);
    for (int64_t count : item.choices) row += ' ' + Right(std::to_string(count), 5);
    row += "  " + Join(FlagNames(item.flags), ",");
    out += Line(row);
    const size_t j = static_cast<size_t>(item.number - 1);
    if (sheets.current && j < paper.questions.size()) out += Line("      " + paper.questions[j].text);
  }
  return out;
}

std::string CsvNumber(const std::optional<double>& value) { return value ? ShortestNumber(*value) : ""; }

std::string JsonNumber(const std::optional<double>& value) { return value ? ::JsonNumber(*value) : "null"; }

std::string JsonEdition(const PaperSheets& paper, const EditionSheets& sheets) {
  const EditionFigures f = sheets.sums.Figures();
  std::string out = "{\"subject\":" + JsonText(paper.subject) + ",\"level\":" + JsonText(paper.level) +
                    ",\"author\":" + JsonText(paper.author) + ",\"edition\":\"" + EditionText(sheets.edition) +
                    "\",\"current\":" + (sheets.current ? "true" : "false") +
                    ",\"questions\":" + std::to_string(f.questions) + ",\"attempts\":" + std::to_string(f.attempts) +
                    ",\"mean\":" + JsonNumber(f.mean) + ",\"median\":" + JsonNumber(f.median) +
                    ",\"sd\":" + JsonNumber(f.sd) + ",\"min\":" + JsonNumber(f.min) + ",\"max\":" + JsonNumber(f.max) +
                    ",\"reliability\":" + JsonNumber(f.reliability) + ",\"sem\":" + JsonNumber(f.sem) +
                    ",\"histogram\":[";
  for (int b = 0; b < kHistogramBins; ++b) out += (b ? "," : "") + std::to_string(f.histogram[b]);
  out += "],\"items\":[";
  for (const ItemFigures& item : f.items) {
    out += std::string(item.number > 1 ? "," : "") + "{\"number\":" + std::to_string(item.number) +
           ",\"key\":" + (item.key ? "\"" + std::string(1, item.key) + "\"" : std::string("null")) +
           ",\"facility\":" + JsonNumber(item.facility) + ",\"discrimination\":" + JsonNumber(item.discrimination) +
           ",\"choices\":{";
    for (int c = 0; c < kChoiceCount; ++c) {
      out += std::string(c ? "," : "") + '"' + kLetters[c] + "\":" + std::to_string(item.choices[c]);
    }
    out += "},\"flags\":[";
    const std::vector<std::string> flags = FlagNames(item.flags);
    for (size_t i = 0; i < flags.size(); ++i) out += (i ? ",\"" : "\"") + flags[i] + '"';
    out += "]}";
  }
  return out + "]}\n";
}

std::vector<long> Numbers(const AdminOptions& options) {
  return options.hasNumber ? std::vector<long>{options.number} : std::vector<long>{};
}

}  // namespace

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Fixed(const std::optional<double>& value, int decimals) { return value ? Fixed(*value, decimals) : "-"; }

std::string Counted(int64_t count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string EditionText(uint32_t edition) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(edition));
  return text;
}

std::string AnalysisText(const PaperSheets& paper) {
  std::string out = Line(PaperTitle(paper));
  if (paper.editions.empty()) return out + "No answer sheets.\n";
  for (const EditionSheets& sheets : paper.editions) out += TextEdition(paper, sheets);
  return out;
}

std::string AnalysisCsvHeader() {
  return "subject,level,author,edition,number,key,facility,discrimination,a,b,c,d,blank,flags\r\n";
}

std::string AnalysisCsv(const PaperSheets& paper) {
  std::string out;
  const std::string front = CsvText(paper.subject) + ',' + CsvText(paper.level) + ',' + CsvText(paper.author) + ',';
  for (const EditionSheets& sheets : paper.editions) {
    for (const ItemFigures& item : sheets.sums.Figures().items) {
      out += front + EditionText(sheets.edition) + ',' + std::to_string(item.number) + ',' +
             (item.key ? std::string(1, item.key) : "") + ',' + CsvNumber(item.facility) + ',' +
             CsvNumber(item.discrimination);
      for (int64_t count : item.choices) out += ',' + std::to_string(count);
      out += ',' + CsvText(Join(FlagNames(item.flags), ";")) + "\r\n";
    }
  }
  return out;
}

std::string AnalysisJson(const PaperSheets& paper) {
  std::string out;
  for (const EditionSheets& sheets : paper.editions) out += JsonEdition(paper, sheets);
  return out;
}

int RunAnalyse(const AdminOptions& options) {
  SheetQuery query;
  query.numbers = Numbers(options);
  SheetGathering gathered;
  if (!GatherSheetsOrSay(query, &gathered)) return kExitFailed;
  OutputSink out;
  StoreStatus written = out.Open(options.output);
  if (written.ok()) {
    const std::string& format = options.format;
    if (format == "csv") out.Write(AnalysisCsvHeader());
    for (size_t i = 0; i < gathered.papers.size(); ++i) {
      const PaperSheets& paper = gathered.papers[i];
      if (format == "csv") {
        out.Write(AnalysisCsv(paper));
      } else if (format == "json") {
        out.Write(AnalysisJson(paper));
      } else {
        out.Write((i ? "\n" : "") + AnalysisText(paper));
      }
    }
    if (gathered.papers.empty() && format != "csv" && format != "json") out.Write("No answer sheets.\n");
    written = out.Finish();
  }
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
