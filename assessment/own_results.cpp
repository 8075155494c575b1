#include "assessment/own_results.h"

#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "console/candidate_particulars.h"
#include "console/console_io.h"
#include "console/product.h"
#include "console/working_record.h"
#include "records/data_files.h"
#include "records/store.h"

namespace {

// Returns the attempts saved in the candidate's own result file; none when
// the file cannot be opened.
std::vector<CandidateSkeleton> loadOwnAttempts(CandidateSkeleton& candidate) {
  const std::string name = ResultFileName(candidate.setIDNumber(), candidate.setCandiNames());
  std::vector<CandidateSkeleton> attempts;
  const LoadResult file = LoadFile(name, WhenMissing::kFail, static_cast<size_t>(abcdData.maxResults), &attempts);
  if (file.status.openFailed()) std::cerr << "\n\tError while opening a file to read candidateFile\n" << std::endl;
  return attempts;
}

void showParticulars(CandidateSkeleton& candidate, size_t attempts) {
  std::cout << "\n ___________________________________________________________________________________ \n";
  printCandidateParticulars(candidate, attempts);
  std::cout << "\n ____________________________________________________________________________________\n\n";
}

void showAttempt(CandidateSkeleton& attempt, size_t number) {
  std::cout << "  " << number << ". ";
  std::cout << std::left << std::setw(23) << attempt.setsubjectName();
  std::cout << std::setprecision(3) << attempt.setcandiscores() << "% ";
  std::cout << std::right << std::setw(25) << attempt.setTimeAttempted();
  std::cout << std::setprecision(8) << std::setw(25) << attempt.setTimeTaken() << " Seconds" << std::endl;
}

}  // namespace

char displayOwnCandidateDetails(CandidateSkeleton& candidate) {
  std::vector<CandidateSkeleton> attempts = loadOwnAttempts(candidate);
  flushInput();
  clearScreen();
  showParticulars(candidate, attempts.size());
  if (attempts.empty()) {
    std::cout << "\n\tYou have not attempted any subject sofar, check after you have taken an assessment to know "
                 "your scores. Thanks\n";
  } else {
    for (size_t i = 0; i < attempts.size(); ++i) showAttempt(attempts[i], i + 1);
    std::cout << "\n  ________________________________  " << kProductHostName
              << "  _________________________________________\n";
  }
  // Later screens inherit these settings whether or not a line was shown.
  std::cout << std::right << std::setprecision(8);
  std::cout << "\n\t B = Back to previous options."
            << "\n\t N = Log out"
            << "\n\t E = Exit application";
  flushInput();
  std::cout << "\n\n\tYour Choice (B,N,E): ";
  return readChoice();
}
