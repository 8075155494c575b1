#ifndef QUIZMORA_ADMIN_ANALYSE_H_
#define QUIZMORA_ADMIN_ANALYSE_H_

#include <string>

#include "admin/admin_options.h"
#include "admin/sheet_analysis.h"

// analyse: the item analysis of one paper's answer sheets (or of every
// paper's), edition by edition, as text for a terminal, CSV or JSON Lines.

int RunAnalyse(const AdminOptions& options);

// The forms of one paper's analysis, each complete with its line ends.
// Text: a title line, then each edition's summary, score histogram and item
// table; no line over 80 characters, no tabs. CSV: one row per question
// (AnalysisCsvHeader first). JSON: one object per edition and line.
std::string AnalysisText(const PaperSheets& paper);
std::string AnalysisCsvHeader();
std::string AnalysisCsv(const PaperSheets& paper);
std::string AnalysisJson(const PaperSheets& paper);

// A number with `decimals` places ("62.4"), or "-" for none; shared with the
// report, which shows the same figures.
std::string Fixed(double value, int decimals);
std::string Fixed(const std::optional<double>& value, int decimals);

// "1 answer sheet", "4 answer sheets": `count` with the word that fits it.
std::string Counted(int64_t count, const char* one, const char* many);

// "1a2b3c4d": an edition value as 8 lower-case hex digits.
std::string EditionText(uint32_t edition);

#endif  // QUIZMORA_ADMIN_ANALYSE_H_
