#include "admin/answers_export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "admin/result_rows.h"
#include "admin/results_export.h"
#include "core/answer_sheets.h"
#include "records/data_files.h"

namespace {

// The columns of one sheet, as both formats write them.
struct AnswerRow {
  std::string id, name, subject, level, author, date, weekday, time;
  double score = 0, timeTaken = 0;
  int questions = 0, answered = 0, correct = 0;
  std::string ending, edition, answers, key;
};

std::string EndingWord(int32_t ending) {
  switch (ending) {
    case kSheetAllAnswered: return "answered";
    case kSheetTimeUp: return "time up";
    case kSheetFinishedByTool: return "finished";
    case kSheetPaperChanged: return "changed";
    default: return std::to_string(ending);
  }
}

// One character a question of `bytes`: its letter, or '-' for anything else.
std::string Letters(const char* bytes, int count) {
  std::string letters;
  for (int i = 0; i < count; ++i) letters += bytes[i] >= 'A' && bytes[i] <= 'D' ? bytes[i] : '-';
  return letters;
}

AnswerRow RowOf(const AnswerSheet& sheet) {
  AnswerRow row;
  row.id = sheet.id;
  row.name = sheet.name;
  row.subject = sheet.subject;
  row.level = sheet.level;
  row.author = sheet.author;
  row.date = DateColumn(sheet.date);
  row.weekday = Weekday(sheet.date);
  row.time = TimeColumn(sheet.time);
  row.score = sheet.score;
  row.timeTaken = sheet.timeTaken;
  row.questions = sheet.questions;
  row.answered = sheet.answered;
  row.correct = CorrectAnswers(sheet);
  row.ending = EndingWord(sheet.ending);
  char edition[16];
  std::snprintf(edition, sizeof edition, "%08x", static_cast<unsigned>(sheet.edition));
  row.edition = edition;
  const int count = std::min(std::max(sheet.questions, 0), kSheetMaxQuestions);
  row.answers = Letters(sheet.answers, count);
  row.key = Letters(sheet.key, count);
  return row;
}

}  // namespace

std::string AnswersCsvHeader() {
  return "number,id,name,subject,level,author,date,weekday,time,score,time_taken,questions,answered,correct,ending,"
         "edition,answers,key\r\n";
}

std::string AnswersCsvRow(long number, const AnswerSheet& sheet) {
  const AnswerRow r = RowOf(sheet);
  // The answers and the key hold only A to D and '-': never a formula.
  return std::to_string(number) + ',' + CsvText(r.id) + ',' + CsvText(r.name) + ',' + CsvText(r.subject) + ',' +
         CsvText(r.level) + ',' + CsvText(r.author) + ',' + CsvText(r.date) + ',' + CsvText(r.weekday) + ',' +
         CsvText(r.time) + ',' + ShortestNumber(r.score) + ',' + ShortestNumber(r.timeTaken) + ',' +
         std::to_string(r.questions) + ',' + std::to_string(r.answered) + ',' + std::to_string(r.correct) + ',' +
         CsvText(r.ending) + ',' + r.edition + ',' + r.answers + ',' + r.key + "\r\n";
}

std::string AnswersJsonLine(long number, const AnswerSheet& sheet) {
  const AnswerRow r = RowOf(sheet);
  return "{\"number\":" + std::to_string(number) + ",\"id\":" + JsonText(r.id) + ",\"name\":" + JsonText(r.name) +
         ",\"subject\":" + JsonText(r.subject) + ",\"level\":" + JsonText(r.level) +
         ",\"author\":" + JsonText(r.author) + ",\"date\":" + JsonText(r.date) + ",\"weekday\":" + JsonText(r.weekday) +
         ",\"time\":" + JsonText(r.time) + ",\"score\":" + JsonNumber(r.score) +
         ",\"time_taken\":" + JsonNumber(r.timeTaken) + ",\"questions\":" + std::to_string(r.questions) +
         ",\"answered\":" + std::to_string(r.answered) + ",\"correct\":" + std::to_string(r.correct) +
         ",\"ending\":" + JsonText(r.ending) + ",\"edition\":\"" + r.edition + "\",\"answers\":\"" + r.answers +
         "\",\"key\":\"" + r.key + "\"}\n";
}

int RunExportAnswers(const AdminOptions& options) {
  AnswerSheet sheet;
  return ExportRecords(options, AnswersCsvHeader(), AnswersFile, kAnswerSheetRecordSize,
                       [&](long number, const char* bytes, bool json) {
                         sheet.DecodeFrom(bytes);
                         if (options.hasCandidate && options.candidate != sheet.id) return std::string();
                         if (options.hasSubject && options.subject != sheet.subject) return std::string();
                         return json ? AnswersJsonLine(number, sheet) : AnswersCsvRow(number, sheet);
                       });
}
