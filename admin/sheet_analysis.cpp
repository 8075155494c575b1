#include "admin/sheet_analysis.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <tuple>

#include "admin/data_folder.h"
#include "admin/paper_list.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"
#include "records/record_layout.h"
#include "records/whole_files.h"

namespace {

// Until the record class lands: the answer sheet's layout, file name and
// checksum, as the record's own table will give them.
const char* const AnswersFile = "answers.abcdans";
constexpr int kMaxSheetQuestions = 1000;
const RecordLayout& AnswerSheetLayout() {
  static const RecordLayout layout{"answer sheet",
                                   2570,
                                   {{"edition", 40, 4, FieldKind::kInt32},
                                    {"questions", 44, 4, FieldKind::kInt32},
                                    {"score", 24, 8, FieldKind::kDouble},
                                    {"timeTaken", 16, 8, FieldKind::kDouble},
                                    {"id", 60, 100, FieldKind::kText},
                                    {"name", 160, 100, FieldKind::kText},
                                    {"subject", 260, 100, FieldKind::kText},
                                    {"level", 360, 50, FieldKind::kText},
                                    {"author", 410, 100, FieldKind::kText},
                                    {"date", 510, 30, FieldKind::kText},
                                    {"time", 540, 30, FieldKind::kText},
                                    {"answers", 570, 1000, FieldKind::kText},
                                    {"key", 1570, 1000, FieldKind::kText}}};
  return layout;
}
uint32_t Crc32(uint32_t crc, const char* data, size_t n) {
  uint32_t c = crc ^ 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= static_cast<unsigned char>(data[i]);
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFu;
}

using PaperKey = std::tuple<std::string, std::string, std::string>;  // subject, level, author

// The fields of an answer sheet that the analysis reads.
struct SheetFields {
  const FieldLayout &edition, &questions, &score, &timeTaken, &id, &name, &subject, &level, &author, &date, &time,
      &answers, &key;
};

const SheetFields& Sheet() {
  static const RecordLayout& layout = AnswerSheetLayout();
  static const SheetFields fields{
      *FindField(layout, "edition"),   *FindField(layout, "questions"), *FindField(layout, "score"),
      *FindField(layout, "timeTaken"), *FindField(layout, "id"),        *FindField(layout, "name"),
      *FindField(layout, "subject"),   *FindField(layout, "level"),     *FindField(layout, "author"),
      *FindField(layout, "date"),      *FindField(layout, "time"),      *FindField(layout, "answers"),
      *FindField(layout, "key")};
  return fields;
}

// The questions an attempt reads from a header's file: as many as the header
// says, never more than a sheet holds.
int QuestionsOf(const PaperSkeleton& header) {
  return std::max(0, std::min(header.setTotalQuestions(), kMaxSheetQuestions));
}

// Makes `paper` the paper of `header`: its current edition and question texts.
StoreStatus ListPaper(PaperSkeleton& header, PaperSheets* paper, std::string* file) {
  paper->listed = true;
  paper->minutes = static_cast<int>(header.setTimeAllowed());
  *file = QuestionFileOf(header);
  const StoreStatus status = QuestionFileEdition(*file, QuestionsOf(header), &paper->currentEdition,
                                                 &paper->currentQuestions, &paper->questions);
  // A paper whose question file is gone has no current edition to match.
  if (status.openFailed() && status.error == ENOENT) {
    paper->listed = false;
    return StoreStatus{};
  }
  return status;
}

PaperKey KeyOf(PaperSkeleton& header) {
  return PaperKey(header.setsubjectName(), header.setPaperLevel(), header.setCandiNames());
}

// The edition of `paper` that a sheet of (`edition`, `questions`) belongs
// to, made when it is the first of its edition.
EditionSheets& EditionOf(PaperSheets& paper, uint32_t edition, int questions) {
  for (EditionSheets& e : paper.editions) {
    if (e.edition == edition && e.questions == questions) return e;
  }
  paper.editions.emplace_back(edition, questions);
  EditionSheets& made = paper.editions.back();
  made.current = paper.listed && edition == paper.currentEdition && questions == paper.currentQuestions;
  return made;
}

}  // namespace

const EditionSheets* PaperSheets::Current() const {
  return !editions.empty() && editions.front().current ? &editions.front() : nullptr;
}

StoreStatus QuestionFileEdition(const std::string& file, int questions, uint32_t* edition, int* read,
                                std::vector<QuestionText>* texts) {
  *edition = 0;
  *read = 0;
  if (texts) texts->clear();
  QuestionSkeleton record;
  const StoreStatus status = ScanRecordBytes(file, kQuestionRecordSize, nullptr, [&](long, const char* bytes) {
    if (*read >= questions) return;
    *edition = Crc32(*edition, bytes, kQuestionRecordSize);
    ++*read;
    if (!texts) return;
    record.DecodeFrom(bytes);
    texts->push_back(QuestionText{
        record.setQuestion(), {record.setOptionA(), record.setOptionB(), record.setOptionC(), record.setOptionD()}});
  });
  return status;
}

SheetGathering GatherSheets(const SheetQuery& query) {
  SheetGathering out;
  // The library: the papers asked for by number, and for the others the last
  // header of each subject, level and author (the one naming the current file).
  std::map<PaperKey, PaperSkeleton> lastHeader;
  std::vector<PaperSkeleton> numbered(query.numbers.size());
  std::vector<bool> found(query.numbers.size());
  long seen = 0;
  const LoadResult library = ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& h) {
    ++seen;
    lastHeader[KeyOf(h)] = h;
    for (size_t i = 0; i < query.numbers.size(); ++i) {
      if (query.numbers[i] == seen) numbered[i] = h, found[i] = true;
    }
    return true;
  });
  if (!library.status.ok() && library.status.error != ENOENT) {
    out.status = library.status;
    out.file = SubjectFile;
    return out;
  }
  for (size_t i = 0; i < query.numbers.size(); ++i) {
    if (!found[i] || query.numbers[i] < 1) {
      out.paperMissing = true;
      out.missingPaper = query.numbers[i];
      return out;
    }
  }

  std::map<PaperKey, std::vector<size_t>> byKey;  // a paper asked for twice is gathered twice
  for (size_t i = 0; i < query.numbers.size(); ++i) {
    PaperSheets paper;
    paper.number = query.numbers[i];
    paper.subject = numbered[i].setsubjectName();
    paper.level = numbered[i].setPaperLevel();
    paper.author = numbered[i].setCandiNames();
    out.status = ListPaper(numbered[i], &paper, &out.file);
    if (!out.status.ok()) return out;
    byKey[KeyOf(numbered[i])].push_back(out.papers.size());
    out.papers.push_back(std::move(paper));
  }

  const SheetFields& f = Sheet();
  const bool everyPaper = query.numbers.empty();
  StoreStatus failed;
  const StoreStatus read =
      ScanRecordBytes(AnswersFile, AnswerSheetLayout().size, nullptr, [&](long, const char* bytes) {
        if (!failed.ok()) return;
        PaperKey key(StoredText(bytes, f.subject), StoredText(bytes, f.level), StoredText(bytes, f.author));
        auto papers = byKey.find(key);
        if (papers == byKey.end()) {
          if (!everyPaper) return;
          PaperSheets paper;
          std::tie(paper.subject, paper.level, paper.author) = key;
          auto header = lastHeader.find(key);
          if (header != lastHeader.end()) failed = ListPaper(header->second, &paper, &out.file);
          papers = byKey.emplace(key, std::vector<size_t>{out.papers.size()}).first;
          out.papers.push_back(std::move(paper));
        }
        const int questions = std::max(0, std::min(DecodeFixed32(bytes + f.questions.offset), kMaxSheetQuestions));
        const uint32_t edition = static_cast<uint32_t>(DecodeFixed32(bytes + f.edition.offset));
        for (size_t index : papers->second) {
          EditionSheets& sheets = EditionOf(out.papers[index], edition, questions);
          sheets.sums.Add(bytes + f.answers.offset, bytes + f.key.offset);
          if (query.keepResults && sheets.current) {
            sheets.results.push_back(SheetResult{
                StoredText(bytes, f.name), StoredText(bytes, f.id), DecodeDouble(bytes + f.score.offset),
                DecodeDouble(bytes + f.timeTaken.offset), StoredText(bytes, f.date), StoredText(bytes, f.time)});
          }
        }
      });
  if (!failed.ok()) {
    out.status = failed;
    return out;
  }
  if (!read.ok() && !(read.openFailed() && read.error == ENOENT)) {
    out.status = read;
    out.file = AnswersFile;
    return out;
  }
  // The current edition first; the others keep the order of their first sheet.
  for (PaperSheets& paper : out.papers) {
    std::stable_partition(paper.editions.begin(), paper.editions.end(),
                          [](const EditionSheets& e) { return e.current; });
  }
  return out;
}
