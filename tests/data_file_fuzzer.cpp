// libFuzzer target over the readers of the data files: the first byte picks
// a file, the rest is its whole content, and every reader of that file runs
// on it in-process (output captured). Built only with -DQUIZMORA_FUZZ=ON and
// clang; run e.g. build-fuzz/tests/quizmora_fuzz_data_files -max_total_time=60.

#include <stdint.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "accounts/login.h"
#include "accounts/registration.h"
#include "assessment/catalogue.h"
#include "assessment/own_results.h"
#include "assessment/timed_assessment.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"
#include "scoreboard/candidate_details.h"
#include "scoreboard/candidate_list.h"
#include "scoreboard/printable_results.h"
#include "tests/console_capture.h"

namespace {

char scratch[] = "/tmp/quizmora-fuzz-XXXXXX";

void removeScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(scratch, ignored);
}

// Every run works in one private directory, removed when the fuzzer ends.
void enterScratchDirectory() {
  static bool entered = false;
  if (entered) return;
  if (!::mkdtemp(scratch) || ::chdir(scratch) != 0) ::abort();
  std::atexit(removeScratchDirectory);
  entered = true;
}

void writeFile(const char* name, const uint8_t* data, size_t size) {
  std::ofstream(name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A result of candidate C1, Ann Lee: the list's first row when a test needs
// one whole.
std::string oneResult() {
  CandidateSkeleton r;
  r.getCandiNames("Ann Lee");
  r.getIDNumber("C1");
  r.getsubjectName("Maths");
  std::ostringstream out;
  r.CandidateWrite(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  enterScratchDirectory();
  const uint8_t which = data[0] % 6;
  ++data;
  --size;
  // Plenty of answers: any pause, paper choice or question a reader asks
  // about is answered before the input could run out.
  std::string answers = "1\n\n";
  for (int i = 0; i < 2100; ++i) answers += "A\n";
  ConsoleCapture console(answers);
  switch (which) {
    case 0: {
      writeFile(accountRegFileTutor, data, size);
      TutorSkeleton tutor;
      loginTutor("T1", "1234", tutor);
      noDuplicateIDTUTOR("T1");
      break;
    }
    case 1: {
      writeFile(accountRegFileCandi, data, size);
      CandidateSkeleton candidate;
      LoginStudent("C1", "4321", candidate);
      noDuplicateIDSTUDENT("C1");
      break;
    }
    case 2:
      writeFile(SubjectFile, data, size);
      displayAllPapers();
      emptySubjectLib();
      break;
    case 3: {
      writeFile(CandiDatefilex, data, size);
      const int count = displayCandidates();
      if (count > 0) viewCandidateDetails(count, DetailLayout::kScoreBoard);
      char name[300] = "summary";
      std::remove("summary.qzmrpt");
      printResults(name);
      break;
    }
    case 4: {
      const std::string result = oneResult();
      writeFile(CandiDatefilex, reinterpret_cast<const uint8_t*>(result.data()), result.size());
      writeFile("C1_Ann Lee.abcdrpt", data, size);
      viewCandidateDetails(1, DetailLayout::kTutor);
      CandidateSkeleton candidate;
      candidate.getCandiNames("Ann Lee");
      candidate.getIDNumber("C1");
      displayOwnCandidateDetails(candidate);
      break;
    }
    default: {
      // The first 1242 bytes are the only paper's header; the rest is its
      // question file.
      const size_t header = size < 1242 ? size : 1242;
      writeFile(SubjectFile, data, header);
      PaperSkeleton paper;
      std::istringstream in(std::string(reinterpret_cast<const char*>(data), header));
      if (paper.CandidateRead(in)) {
        writeFile(QuestionFileName(paper.setsubjectName(), paper.setPaperLevel(), paper.setCandiNames()).c_str(),
                  data + header, size - header);
        CandidateSkeleton candidate;
        RunningAttempt attempt;
        assessmentTemplate(candidate, attempt);
      }
      break;
    }
  }
  return 0;
}
