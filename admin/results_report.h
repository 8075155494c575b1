#ifndef QUIZMORA_ADMIN_RESULTS_REPORT_H_
#define QUIZMORA_ADMIN_RESULTS_REPORT_H_

#include <string>
#include <vector>

#include "admin/admin_options.h"
#include "admin/sheet_analysis.h"

// report: one self-contained HTML5 page (no scripts, no external files) of
// how a class did on each paper: the summary figures, a bar chart of the
// scores, the item table and the list of results of the current edition,
// and a note for each earlier edition. It prints on A4.

int RunReport(const AdminOptions& options);

// The page's parts: the head and the opening of its body (made on `made`,
// a text such as "2026-12-09 14:05"), one section per paper, and the end.
std::string ReportStart(const std::string& made);
std::string ReportSection(const PaperSheets& paper);
std::string ReportEnd();

// `text` (stored bytes) as HTML text: UTF-8, with & < > " ' as references
// and control characters as blanks.
std::string HtmlText(const std::string& text);

// The bar chart of a score histogram: inline SVG with labelled axes.
std::string HistogramSvg(const std::array<int64_t, kHistogramBins>& histogram);

#endif  // QUIZMORA_ADMIN_RESULTS_REPORT_H_
