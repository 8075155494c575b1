#include "admin/sheet_analysis.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <tuple>

#include "admin/admin_status.h"
#include "admin/paper_list.h"
#include "records/answer_sheet.h"
#include "records/coding.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"

namespace {

using PaperKey = std::tuple<std::string, std::string, std::string>;  // subject, level, author

// The questions an attempt reads from a header's file: as many as the header
// says, never more than a sheet holds.
int QuestionsOf(const PaperSkeleton& header) {
  return std::max(0, std::min(header.setTotalQuestions(), kSheetMaxQuestions));
}

// Makes `paper` the paper of `header`: its current edition and question texts.
StoreStatus ListPaper(PaperSkeleton& header, PaperSheets* paper, std::string* file) {
  paper->listed = true;
  paper->minutes = header.setTimeAllowed();
  *file = QuestionFileOf(header);
  const StoreStatus status = QuestionFileEdition(*file, QuestionsOf(header), &paper->currentEdition,
                                                 &paper->currentQuestions, &paper->questions);
  // A paper whose question file is gone has no current edition to match.
  if (status.openFailed() && status.error == ENOENT) return StoreStatus{};
  paper->hasQuestions = status.ok();
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
  made.current = paper.hasQuestions && edition == paper.currentEdition && questions == paper.currentQuestions;
  return made;
}

}  // namespace

const EditionSheets* PaperSheets::Current() const {
  return !editions.empty() && editions.front().current ? &editions.front() : nullptr;
}

StoreStatus QuestionFileEdition(const std::string& file, int questions, uint32_t* edition, int* read,
                                std::vector<QuestionText>* texts) {
  *edition = 0;
  if (texts) texts->clear();
  std::vector<QuestionSkeleton> records;
  const LoadResult load =
      LoadFile<QuestionSkeleton>(file, WhenMissing::kFail, static_cast<size_t>(questions), &records);
  *read = static_cast<int>(records.size());
  // The records as an attempt holds them, encoded again: the bytes its
  // edition value is the checksum of.
  for (QuestionSkeleton& record : records) {
    const std::string bytes = EncodeRecord(record);
    *edition = Crc32(*edition, bytes.data(), bytes.size());
    if (texts) {
      texts->push_back(QuestionText{
          record.setQuestion(), {record.setOptionA(), record.setOptionB(), record.setOptionC(), record.setOptionD()}});
    }
  }
  return load.status;
}

SheetGathering GatherSheets(const SheetQuery& query) {
  SheetGathering out;
  // The library: the papers asked for by number, and for the others the last
  // header of each subject, level and author (the one naming the current file).
  std::map<PaperKey, std::pair<PaperSkeleton, long>> lastHeader;  // and its number
  std::vector<PaperSkeleton> numbered(query.numbers.size());
  std::vector<bool> found(query.numbers.size());
  long seen = 0;
  const LoadResult library = ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kFail, SIZE_MAX, [&](PaperSkeleton& h) {
    ++seen;
    lastHeader[KeyOf(h)] = {h, seen};
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

  const bool everyPaper = query.numbers.empty();
  StoreStatus failed;
  const LoadResult read =
      ScanFile<AnswerSheet>(AnswersFile, WhenMissing::kFail, SIZE_MAX, [&](const AnswerSheet& sheet) {
        PaperKey key(sheet.subject, sheet.level, sheet.author);
        auto papers = byKey.find(key);
        if (papers == byKey.end()) {
          if (!everyPaper) return true;
          PaperSheets paper;
          std::tie(paper.subject, paper.level, paper.author) = key;
          auto header = lastHeader.find(key);
          if (header != lastHeader.end()) {
            paper.number = header->second.second;
            failed = ListPaper(header->second.first, &paper, &out.file);
          }
          if (!failed.ok()) return false;
          papers = byKey.emplace(key, std::vector<size_t>{out.papers.size()}).first;
          out.papers.push_back(std::move(paper));
        }
        const int questions = std::max(0, std::min<int>(sheet.questions, kSheetMaxQuestions));
        for (size_t index : papers->second) {
          EditionSheets& sheets = EditionOf(out.papers[index], sheet.edition, questions);
          sheets.sums.Add(sheet.answers, sheet.key);
          if (query.keepResults && sheets.current) {
            sheets.results.push_back(
                SheetResult{sheet.name, sheet.id, sheet.score, sheet.timeTaken, sheet.date, sheet.time});
          }
        }
        return true;
      });
  if (!failed.ok()) {
    out.status = failed;
    return out;
  }
  if (!read.status.ok() && !(read.status.openFailed() && read.status.error == ENOENT)) {
    out.status = read.status;
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

bool GatherSheetsOrSay(const SheetQuery& query, SheetGathering* gathered) {
  *gathered = GatherSheets(query);
  if (!gathered->status.ok()) {
    Complain(DescribeFailure(gathered->status, gathered->file));
    return false;
  }
  if (gathered->paperMissing) {
    Complain(NoSuchPaper(gathered->missingPaper));
    return false;
  }
  return true;
}
