#include "admin/result_rows.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "admin/data_folder.h"
#include "admin/paper_text.h"
#include "records/record_layout.h"

namespace {

// The field called `name` of a candidate record, looked up once per name.
const FieldLayout& Field(const char* name) { return *FindField(CandidateLayout(), name); }

// Reads 1 or 2 digits of `text` at *at into *value.
bool Digits(const std::string& text, size_t* at, size_t most, int* value) {
  size_t n = 0;
  *value = 0;
  while (*at < text.size() && n < most && text[*at] >= '0' && text[*at] <= '9') {
    *value = *value * 10 + (text[*at] - '0');
    ++*at, ++n;
  }
  return n > 0;
}

bool Expect(const std::string& text, size_t* at, char c) {
  if (*at >= text.size() || text[*at] != c) return false;
  ++*at;
  return true;
}

int DaysInMonth(int month, int year) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string DatePart(const std::string& stored) { return stored.substr(0, stored.find(" | ")); }

// What a date, weekday or time column holds: the converted text, or the
// stored text as it is when it does not convert.
std::string OrStored(const std::string& converted, const std::string& stored) {
  return converted.empty() ? stored : converted;
}

// A spreadsheet runs a cell beginning with one of these as a formula.
bool LooksLikeFormula(const std::string& text) { return !text.empty() && std::strchr("=+-@\t\r", text[0]) != nullptr; }

}  // namespace

std::string CsvText(const std::string& stored) {
  std::string text = ToUtf8(stored);
  if (LooksLikeFormula(text)) text.insert(0, 1, '\'');
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string JsonText(const std::string& stored) {
  std::string out = "\"";
  for (char c : ToUtf8(stored)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

std::string JsonNumber(double value) {
  const std::string text = ShortestNumber(value);
  return text.empty() ? "null" : text;
}

std::string DateColumn(const std::string& stored) { return OrStored(IsoDate(stored), stored); }

std::string TimeColumn(const std::string& stored) { return OrStored(PaddedTime(stored), stored); }

ResultRow RowFromRecord(long number, const char* bytes) {
  static const FieldLayout& name = Field("candiNames");
  static const FieldLayout& id = Field("IDNumber");
  static const FieldLayout& subject = Field("subjectName");
  static const FieldLayout& score = Field("candiscores");
  static const FieldLayout& timeTaken = Field("timeTaken");
  static const FieldLayout& date = Field("dateAttempted");
  static const FieldLayout& time = Field("timeAttempted");
  static const FieldLayout& level = Field("candiLevel");
  static const FieldLayout& country = Field("candiCountry");
  static const FieldLayout& email = Field("email");
  static const FieldLayout& contact = Field("contact");
  ResultRow row;
  row.number = number;
  row.name = StoredText(bytes, name);
  row.id = StoredText(bytes, id);
  row.subject = StoredText(bytes, subject);
  row.score = DecodeDouble(bytes + score.offset);
  row.timeTaken = DecodeDouble(bytes + timeTaken.offset);
  row.date = StoredText(bytes, date);
  row.time = StoredText(bytes, time);
  row.level = StoredText(bytes, level);
  row.country = StoredText(bytes, country);
  row.email = StoredText(bytes, email);
  row.contact = StoredText(bytes, contact);
  return row;
}

std::string ShortestNumber(double value) {
  if (!std::isfinite(value)) return "";
  // Without a format, to_chars gives the shortest text that reads back to
  // the same double.
  char text[64];
  const std::to_chars_result r = std::to_chars(text, text + sizeof text, value);
  return std::string(text, r.ptr);
}

std::string IsoDate(const std::string& stored) {
  const std::string date = DatePart(stored);
  size_t at = 0;
  int day = 0, month = 0, year = 0;
  const size_t yearStart = date.rfind('/') + 1;
  if (!Digits(date, &at, 2, &day) || !Expect(date, &at, '/') || !Digits(date, &at, 2, &month) ||
      !Expect(date, &at, '/') || at != yearStart || !Digits(date, &at, 4, &year) || at != date.size() ||
      date.size() - yearStart != 4) {
    return "";
  }
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return "";
  char iso[32];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
  return iso;
}

std::string Weekday(const std::string& stored) {
  const size_t bar = stored.find(" | ");
  return bar == std::string::npos ? "" : stored.substr(bar + 3);
}

std::string PaddedTime(const std::string& stored) {
  size_t at = 0;
  int h = 0, m = 0, s = 0;
  if (!Digits(stored, &at, 2, &h) || !Expect(stored, &at, ':') || !Digits(stored, &at, 2, &m) ||
      !Expect(stored, &at, ':') || !Digits(stored, &at, 2, &s) || at != stored.size()) {
    return "";
  }
  if (h > 23 || m > 59 || s > 60) return "";  // 60: a leap second
  char padded[32];
  std::snprintf(padded, sizeof padded, "%02d:%02d:%02d", h, m, s);
  return padded;
}

std::string ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t n = Utf8SequenceLength(text, at);
    if (n > 0) {
      out.append(text, at, n);
      at += n;
      continue;
    }
    const unsigned char b = static_cast<unsigned char>(text[at++]);
    out += static_cast<char>(0xC0 | (b >> 6));
    out += static_cast<char>(0x80 | (b & 0x3F));
  }
  return out;
}

std::string CsvHeader() {
  return "number,name,id,subject,score,time_taken,date,weekday,time,level,country,email,contact\r\n";
}

std::string CsvRow(const ResultRow& row) {
  return std::to_string(row.number) + ',' + CsvText(row.name) + ',' + CsvText(row.id) + ',' + CsvText(row.subject) +
         ',' + ShortestNumber(row.score) + ',' + ShortestNumber(row.timeTaken) + ',' + CsvText(DateColumn(row.date)) +
         ',' + CsvText(Weekday(row.date)) + ',' + CsvText(TimeColumn(row.time)) + ',' + CsvText(row.level) + ',' +
         CsvText(row.country) + ',' + CsvText(row.email) + ',' + CsvText(row.contact) + "\r\n";
}

std::string JsonLine(const ResultRow& row) {
  return "{\"number\":" + std::to_string(row.number) + ",\"name\":" + JsonText(row.name) +
         ",\"id\":" + JsonText(row.id) + ",\"subject\":" + JsonText(row.subject) +
         ",\"score\":" + JsonNumber(row.score) + ",\"time_taken\":" + JsonNumber(row.timeTaken) +
         ",\"date\":" + JsonText(DateColumn(row.date)) + ",\"weekday\":" + JsonText(Weekday(row.date)) +
         ",\"time\":" + JsonText(TimeColumn(row.time)) + ",\"level\":" + JsonText(row.level) +
         ",\"country\":" + JsonText(row.country) + ",\"email\":" + JsonText(row.email) +
         ",\"contact\":" + JsonText(row.contact) + "}\n";
}
