#include "scoreboard/all_results.h"

#include <fstream>
#include <iostream>

#include "records/data_files.h"
#include "records/record_loader.h"

std::vector<CandidateSkeleton> LoadAllResults() {
  // A file that exists but cannot be read keeps its records: creating the
  // name never truncates. A file created just now has nothing to read.
  std::ifstream in;
  switch (OpenOrCreate(CandiDatefilex, in)) {
    case FileOpening::kOpened: break;
    case FileOpening::kCreated:
      std::cout << "\n\tThe file is empty...\tTry again later.... Thanks\n" << std::endl;
      return {};
    case FileOpening::kUnavailable:
      std::cerr << "\n\tError while opening a file to write your score. Ooops!" << std::endl;
      return {};
  }
  return LoadRecords(in, &CandidateSkeleton::CandidateRead, kAllResultsCapacity);
}
