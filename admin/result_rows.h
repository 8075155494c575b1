#ifndef QUIZMORA_ADMIN_RESULT_ROWS_H_
#define QUIZMORA_ADMIN_RESULT_ROWS_H_

#include <string>

// One saved result as the export writes it, and its CSV and JSON Lines
// forms. Texts are the stored bytes; the writers turn them into UTF-8.

struct ResultRow {
  long number = 0;  // the record's position in its file, from 1
  std::string name, id, subject;
  double score = 0, timeTaken = 0;
  std::string date;  // the stored date text, e.g. "7/12/2026 | Monday"
  std::string time;  // the stored time text, e.g. "9:5:7"
  std::string level, country, email, contact;
};

// Returns the result record `bytes` (980 bytes) as a row numbered `number`.
// Each text is read as the program reads it (at most its width less one).
ResultRow RowFromRecord(long number, const char* bytes);

// The shortest decimal text that reads back to exactly `value` ("66.666",
// "75.5", "100"); "" when it is not finite.
std::string ShortestNumber(double value);

// "2026-12-07" from "7/12/2026 | Monday" (the part before " | "), or ""
// when that is not a real day/month/year date.
std::string IsoDate(const std::string& stored);
// The word after " | " of a stored date text ("" when there is none).
std::string Weekday(const std::string& stored);
// "09:05:07" from "9:5:7", or "" when that is not a time of day.
std::string PaddedTime(const std::string& stored);

// `text` as UTF-8: valid UTF-8 sequences pass unchanged, every other byte is
// read as Latin-1.
std::string ToUtf8(const std::string& text);

// One CSV field: `stored` as UTF-8, a leading formula character guarded by
// a quote, quoted when it holds a comma, a quote or a line end.
std::string CsvText(const std::string& stored);
// One JSON string holding `stored` as UTF-8.
std::string JsonText(const std::string& stored);
// The shortest text of `value`, or null when it is not finite.
std::string JsonNumber(double value);
// The stored date text as an ISO date, or as stored when it is not one.
std::string DateColumn(const std::string& stored);
// The stored time text as hh:mm:ss, or as stored when it is not one.
std::string TimeColumn(const std::string& stored);

// The CSV header row and one row, each ending in CR LF (RFC 4180).
std::string CsvHeader();
std::string CsvRow(const ResultRow& row);
// One JSON object with the same keys, ending in LF.
std::string JsonLine(const ResultRow& row);

#endif  // QUIZMORA_ADMIN_RESULT_ROWS_H_
