#include "scoreboard/all_results.h"

#include <iostream>

#include "records/data_files.h"
#include "records/store.h"

std::vector<CandidateSkeleton> LoadAllResults(bool* complete) {
  // A file that exists but cannot be read keeps its records: creating the
  // name never truncates. A file created just now has nothing to read.
  std::vector<CandidateSkeleton> results;
  const LoadResult file = LoadFile(CandiDatefilex, WhenMissing::kCreate, kAllResultsCapacity, &results);
  if (file.created) {
    std::cout << "\n\tThe file is empty...\tTry again later.... Thanks\n" << std::endl;
  } else if (file.status.openFailed()) {
    std::cerr << "\n\tError while opening a file to write your score. Ooops!" << std::endl;
  }
  if (complete) *complete = file.readable();
  return results;
}
