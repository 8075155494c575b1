#include "scoreboard/all_results.h"

#include <fstream>
#include <iostream>

#include "records/data_files.h"
#include "records/record_loader.h"

std::vector<CandidateSkeleton> LoadAllResults() {
  std::ifstream in(CandiDatefilex, std::ios::binary);
  if (!in) {
    // A file that exists but cannot be read keeps its records: creating the
    // name never truncates. A file created just now has nothing to read.
    if (CreateEmptyFile(CandiDatefilex)) {
      std::cout << "\n\tThe file is empty...\tTry again later.... Thanks\n" << std::endl;
    } else {
      std::cerr << "\n\tError while opening a file to write your score. Ooops!" << std::endl;
    }
    return {};
  }
  return LoadRecords(in, &CandidateSkeleton::CandidateRead, kAllResultsCapacity);
}
