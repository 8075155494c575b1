#include "scoreboard/candidate_details.h"

#include <cstddef>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "console/candidate_particulars.h"
#include "console/console_io.h"
#include "console/product.h"
#include "console/working_record.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/store.h"

namespace {

const char kResultFileError[] = "\n\tError while opening a file to read candidate File\n";

// Reads row `number` of "candidate.abcddata" into *row. Returns false when
// the file cannot be opened or holds fewer rows, so that no unread record is
// ever used.
bool readListRow(int number, CandidateSkeleton* row) {
  const size_t wanted = number > 0 ? static_cast<size_t>(number) : 0;
  const LoadResult list =
      ScanFile<CandidateSkeleton>(CandiDatefilex, WhenMissing::kFail, wanted, [row](const CandidateSkeleton& record) {
        *row = record;
        return true;
      });
  if (list.status.openFailed()) {
    std::cerr << "\n\tError while opening a file to read Subjects\n" << std::endl;
    return false;
  }
  return wanted > 0 && list.records == wanted;
}

void printRule(const char* before, int underscores, const char* after) {
  std::cout << before << std::string(underscores, '_') << after;
}

void printTutorRow(size_t number, CandidateSkeleton& attempt) {
  std::cout << "    " << number << ".   " << attempt.setsubjectName() << "\t" << attempt.setcandiscores() << "% "
            << "\t" << attempt.setTimeAttempted() << std::endl;
}

void printScoreBoardRow(size_t number, CandidateSkeleton& attempt) {
  std::cout << "  " << number << ". " << std::setw(23) << std::left << attempt.setsubjectName() << std::setprecision(3)
            << attempt.setcandiscores() << "% " << std::setw(20) << std::right << attempt.setTimeAttempted()
            << std::setw(15) << std::setprecision(8) << attempt.setTimeTaken() << "  Seconds" << std::endl;
}

void printScreen(CandidateSkeleton& who, std::vector<CandidateSkeleton>& attempts, DetailLayout layout) {
  const bool tutor = layout == DetailLayout::kTutor;
  if (tutor)
    printRule("\n", 104, " \n");
  else
    printRule("\n", 96, "\n");
  printCandidateParticulars(who, attempts.size());
  if (tutor)
    printRule("\n   ", 104, " \n\n");
  else
    printRule("\n   ", 94, "\n\n");

  if (attempts.empty()) {
    std::cout << "\n\t ----------------> No subjects attempted yet, try again later  <-----------------\n" << std::endl;
  }
  for (size_t i = 0; i < attempts.size(); ++i) {
    if (tutor)
      printTutorRow(i + 1, attempts[i]);
    else
      printScoreBoardRow(i + 1, attempts[i]);
  }

  if (tutor) {
    std::cout << "\n   " << std::string(34, '_') << std::string(7, ' ') << kProductHostName << std::string(5, ' ')
              << std::string(40, '_') << "\n";
  } else {
    std::cout << "\n   " << std::string(25, '_') << std::string(13, ' ') << kProductHostName << std::string(5, ' ')
              << std::string(30, '_') << "\n\n";
  }
}

}  // namespace

bool viewCandidateDetails(int candidateNumber, DetailLayout layout) {
  CandidateSkeleton row;
  if (!readListRow(candidateNumber, &row)) {
    // Without the row there is no result file to open: end as when it is
    // missing.
    std::cerr << kResultFileError << std::endl;
    return false;
  }
  const std::string name = ResultFileName(row.setIDNumber(), row.setCandiNames());
  std::vector<CandidateSkeleton> attempts;
  const LoadResult file = LoadFile(name, WhenMissing::kFail, static_cast<size_t>(abcdData.maxResults), &attempts);
  if (file.status.openFailed()) {
    std::cerr << kResultFileError << std::endl;
    return false;
  }

  flushInput();
  clearScreen();
  // An empty result file has no particulars of its own; the list row names
  // the same candidate.
  CandidateSkeleton& who = attempts.empty() ? row : attempts.front();
  printScreen(who, attempts, layout);
  return true;
}
