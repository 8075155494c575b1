#include "assessment/catalogue.h"

#include <iostream>

#include "console/working_record.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/store.h"

namespace {

void printNoSubjects() {
  std::cout << "\n\n\t ------------------------>  No subjects available currently <------------------------ "
               "\n\t---------------------> Try again later.\n"
            << std::endl;
}

// Prints entry `number` of the listing; the first row holds six entries and
// every later row five, the rows separated by a blank line.
void printEntry(int number, PaperSkeleton& paper, int& rowCounter) {
  std::cout << "\t\t" << std::left << number << " = " << paper.setsubjectName();
  if (rowCounter == 5) {
    std::cout << "\n\n";
    rowCounter = 0;
  }
  ++rowCounter;
}

}  // namespace

void displayAllPapers() {
  std::cin.clear();
  // Each paper is printed as it is read, so only one record is ever held.
  // A missing library is created empty; one that can be neither read nor
  // created is reported once and counts as empty rather than retried.
  int number = 0;
  int rowCounter = 0;
  const LoadResult library = ScanFile<PaperSkeleton>(
      SubjectFile, WhenMissing::kCreate, static_cast<size_t>(abcdData.maxPapers),
      [&number, &rowCounter](PaperSkeleton& paper) {
        if (number == 0) {
          std::cout << "\n\t\t                           A V A I L A B L E  PAPERS            " << std::endl;
          std::cout << "\n" << std::endl;
        }
        printEntry(++number, paper, rowCounter);
        return true;
      });
  if (library.created) std::cout << "\n\tNo subjects currently, try again later...\n" << std::endl;
  if (!library.opened) {
    std::cerr << "\n\tError while opening a file \n" << std::endl;
    printNoSubjects();
    return;
  }
  if (number == 0) {
    printNoSubjects();
    return;
  }
  std::cout << "\n\n\t              *************         End of the List       ***********              " << std::endl;
  std::cout << "\n\tTotal Papers : " << number << std::endl;
}

bool emptySubjectLib() {
  // One whole record is enough to know the library is not empty.
  const LoadResult library =
      ScanFile<PaperSkeleton>(SubjectFile, WhenMissing::kCreate, 1, [](PaperSkeleton&) { return true; });
  if (library.created) std::cerr << "\n\tCurrently the list of papers is lonely... try again later.\n" << std::endl;
  if (!library.opened) std::cerr << "\n\tError while opening a file to read Subjects\n" << std::endl;
  if (library.records > 0) return false;
  std::cout << "\n\n\tThe list is empty, try again later.\n\n" << std::endl;
  return true;
}
