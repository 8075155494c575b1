#include "core/answer_sheets.h"

#include <algorithm>
#include <cstring>

#include "core/attempt_order.h"
#include "records/coding.h"
#include "records/field_text.h"
#include "records/store.h"

uint32_t PaperEdition(const std::vector<QuestionSkeleton>& questions) {
  uint32_t crc = 0;
  for (const QuestionSkeleton& question : questions) {
    const std::string bytes = EncodeRecord(question);
    crc = Crc32(crc, bytes.data(), bytes.size());
  }
  return crc;
}

char OptionLetter(int option) { return option >= 1 && option <= 4 ? static_cast<char>('A' + option - 1) : 0; }

AnswerSheet BeginSheet(CandidateSkeleton& candidate, PaperSkeleton& paper,
                       const std::vector<QuestionSkeleton>& questions, int64_t started) {
  AnswerSheet sheet;
  sheet.started = started;
  sheet.allowed = paper.setTimeAllowed() * 60.0;
  const size_t count = std::min(questions.size(), static_cast<size_t>(kSheetMaxQuestions));
  sheet.questions = static_cast<int32_t>(count);
  sheet.edition = PaperEdition(questions);
  StoreText(sheet.id, candidate.setIDNumber());
  StoreText(sheet.name, candidate.setCandiNames());
  StoreText(sheet.subject, paper.setsubjectName());
  StoreText(sheet.level, paper.setPaperLevel());
  StoreText(sheet.author, paper.setCandiNames());
  // A damaged correct option (outside 1 to 4) keeps 0: no answer matches it,
  // as no typed letter matched it on the screen.
  for (size_t i = 0; i < count; ++i) sheet.key[i] = OptionLetter(questions[i].setQuestionAnswer());
  return sheet;
}

namespace {

// The number of questions a sheet can hold answers for.
size_t SheetCount(const AnswerSheet& sheet) {
  return static_cast<size_t>(std::min(std::max(sheet.questions, 0), kSheetMaxQuestions));
}

}  // namespace

size_t QuestionAt(const AnswerSheet& sheet, size_t position) {
  const std::vector<int> shown = QuestionOrder(sheet.order, SheetCount(sheet));
  return position < shown.size() ? static_cast<size_t>(shown[position]) : position;
}

size_t NextPosition(const AnswerSheet& sheet) {
  // The order is made once here: it depends on the seed and the count alone.
  const std::vector<int> shown = QuestionOrder(sheet.order, SheetCount(sheet));
  size_t position = 0;
  while (position < shown.size() && sheet.answers[shown[position]] != 0) ++position;
  return position;
}

void KeepAnswer(AnswerSheet& sheet, size_t index, int option) {
  if (index >= static_cast<size_t>(kSheetMaxQuestions)) return;
  if (sheet.answers[index] == 0) ++sheet.answered;
  sheet.answers[index] = OptionLetter(option);
}

int CorrectAnswers(const AnswerSheet& sheet) {
  int correct = 0;
  const int count = std::min(std::max(sheet.questions, 0), kSheetMaxQuestions);
  for (int i = 0; i < count; ++i) {
    if (sheet.answers[i] != 0 && sheet.answers[i] == sheet.key[i]) ++correct;
  }
  return correct;
}

double SheetScore(const AnswerSheet& sheet) {
  if (sheet.questions <= 0) return 0.0;
  return static_cast<double>(CorrectAnswers(sheet)) * 100.0 / sheet.questions;
}

void CloseSheet(AnswerSheet& sheet, double score, double timeTaken, const char* date, const char* time) {
  sheet.score = score;
  sheet.timeTaken = timeTaken;
  StoreText(sheet.date, date);
  StoreText(sheet.time, time);
}
