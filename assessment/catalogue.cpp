#include "assessment/catalogue.h"

#include <fstream>
#include <iostream>

#include "console/working_record.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/record_loader.h"

namespace {

// Opens the library for reading into `in`, creating it empty when it is
// missing. `created` tells whether a missing library was just created.
// Returns false when it can be neither opened nor created: the callers then
// report their error once and treat the library as empty rather than retry.
bool openLibrary(std::ifstream& in, bool* created) {
  *created = OpenOrCreate(SubjectFile, in) == FileOpening::kCreated;
  return in.is_open();
}

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
  std::ifstream in;
  bool created = false;
  const bool opened = openLibrary(in, &created);
  if (created) std::cout << "\n\tNo subjects currently, try again later...\n" << std::endl;
  if (!opened) {
    std::cerr << "\n\tError while opening a file \n" << std::endl;
    printNoSubjects();
    return;
  }
  // Each paper is printed as it is read, so only one record is ever held.
  int number = 0;
  int rowCounter = 0;
  ScanRecords(in, &PaperSkeleton::CandidateRead, static_cast<size_t>(abcdData.maxPapers),
              [&number, &rowCounter](PaperSkeleton& paper) {
                if (number == 0) {
                  std::cout << "\n\t\t                           A V A I L A B L E  PAPERS            " << std::endl;
                  std::cout << "\n" << std::endl;
                }
                printEntry(++number, paper, rowCounter);
                return true;
              });
  if (number == 0) {
    printNoSubjects();
    return;
  }
  std::cout << "\n\n\t              *************         End of the List       ***********              "
            << std::endl;
  std::cout << "\n\tTotal Papers : " << number << std::endl;
}

bool emptySubjectLib() {
  std::ifstream in;
  bool created = false;
  const bool opened = openLibrary(in, &created);
  if (created) std::cerr << "\n\tCurrently the list of papers is lonely... try again later.\n" << std::endl;
  if (!opened) std::cerr << "\n\tError while opening a file to read Subjects\n" << std::endl;
  // One whole record is enough to know the library is not empty.
  const size_t papers = opened ? ScanRecords(in, &PaperSkeleton::CandidateRead, 1, [](PaperSkeleton&) { return true; })
                               : 0;
  if (papers > 0) return false;
  std::cout << "\n\n\tThe list is empty, try again later.\n\n" << std::endl;
  return true;
}
