#include "scoreboard/printable_results.h"

#include <cstring>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "console/calendar.h"
#include "console/console_io.h"
#include "console/product.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/store.h"
#include "scoreboard/all_results.h"

namespace {

// Asks until W or R is typed. Returns true for W (overwrite).
bool overwriteChosen() {
  for (;;) {
    std::cout << "\n\tFile name already exits, choose to Overwrite it or change the name to continue.\n";
    std::cout << "\n\tW = Overwrite the file.\n";
    std::cout << "\tR = Save with a different name.\n";
    std::cout << "\tYour choice : ";
    flushInput();
    const char choice = readChoice();
    if (choice == 'W' || choice == 'w') return true;
    flushInput();
    if (choice == 'R' || choice == 'r') return false;
    clearScreen();
  }
}

void writeHeader(std::ostream& out) {
  out << "Printed on : " << dateOfToday() << "  at " << currentTime() << "\n";
  out << "Visit : " << kProductWebUrl << "/ and download more libraries.\n";
  out << std::string(108, '_') << "\n";
  out << "\n No      "
      << "    --------------->  A L L      C A N D I D A T E S   results in summary <---------------      \n";
  out << std::string(108, '_') << "\n";
}

void writeRow(std::ostream& out, int number, CandidateSkeleton& result) {
  out << "  " << number << ". " << std::setw(23) << std::left << result.setCandiNames() << "\t"
      << result.setsubjectName() << std::setw(24) << std::left << "\t" << std::setprecision(3)
      << result.setcandiscores() << "% " << std::setw(30) << std::left << "\t" << result.setTimeAttempted()
      << std::setw(24) << std::right << std::setprecision(8) << result.setTimeTaken() << "  Seconds\n";
}

void writeSummary(std::ostream& out, std::vector<CandidateSkeleton>& results) {
  writeHeader(out);
  if (results.empty()) return;
  for (size_t i = 0; i < results.size(); ++i) writeRow(out, static_cast<int>(i + 1), results[i]);
  out << "\n\n            <-------------------  " << results.size() << "  Candidate(s) -----------> "
      << kProductHostName << std::string(19, ' ') << "\n";
}

bool reportNotSaved() {
  std::cerr << "\n\tError opening the file\n";
  std::cerr.flush();
  return false;
}

}  // namespace

bool printResults(char* name) {
  std::strcat(name, printableExtension);
  KeepInWorkingDirectory(name, kPrintableNameRoom);
  if (DataFileExists(name) && !overwriteChosen()) return false;

  // Written beside the old file and renamed over it once complete and on
  // disk: a failed or interrupted save never leaves a file cut short, and
  // "saved" is only said of a file that is really there.
  Replacement out;
  if (!out.Begin(name).ok()) return reportNotSaved();
  flushInput();
  // A summary of results that could not all be read is not written.
  bool complete = false;
  std::vector<CandidateSkeleton> results = LoadAllResults(&complete);
  if (!complete) return reportNotSaved();
  std::ostringstream text;
  writeSummary(text, results);
  if (!out.Commit(text.str()).ok()) return reportNotSaved();
  return true;
}

void savePrintableResults() {
  char name[kPrintableNameRoom];
  flushInput();
  for (;;) {
    std::cout << "\n\tName your file : ";
    readLine(name, kFileNameLimit);
    if (std::strcmp(name, " ") == 0) continue;
    if (printResults(name)) break;
    flushInput();
  }
  std::cout << "\n\a  Your file has been saved succesfully for printing.\n  You can search for it in file in file "
               "explorer or in the folder conatiaining your library files.\n\t";
  pauseScreen();
}
