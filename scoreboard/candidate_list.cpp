#include "scoreboard/candidate_list.h"

#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "console/console_io.h"
#include "records/candidate_skeleton.h"
#include "scoreboard/all_results.h"

namespace {

void printHeader() {
  std::cout << "\n " << std::string(119, '*') << std::endl;
  std::cout << "\n No         "
            << "\t --------------->  A L L      C A N D I D A T E S  <---------------      " << std::endl;
  std::cout << " " << std::string(118, '*') << std::endl;
}

void printNoCandidates() {
  std::cout << "\n\t   " << std::string(24, '*') << "  No Candidates have been recorded Yet " << std::string(23, '*')
            << "    \n\n"
            << std::endl;
}

// The settings made here are left on the stream on purpose: the screens
// that follow the list print with them.
void printRow(int number, CandidateSkeleton& result) {
  std::cout << " " << number << " = " << std::setw(23) << std::left << result.setCandiNames() << std::setw(23)
            << std::left << result.setsubjectName() << std::setprecision(3) << result.setcandiscores() << "% "
            << std::setw(25) << std::right << result.setTimeAttempted() << std::setw(25) << std::right
            << std::setprecision(3) << result.setTimeTaken() << " Seconds" << std::endl;
}

void printSummary(int count) {
  std::cout << "\n\t" << std::string(8, '*') << "  " << count << "  Candidate(s) Have been recorded sofar "
            << std::string(7, '*') << std::endl;
}

}  // namespace

int displayCandidates() {
  flushInput();
  std::vector<CandidateSkeleton> results = LoadAllResults();
  const int count = static_cast<int>(results.size());
  printHeader();
  if (count == 0) {
    printNoCandidates();
    return 0;
  }
  for (int i = 0; i < count; ++i) printRow(i + 1, results[i]);
  printSummary(count);
  return count;
}
