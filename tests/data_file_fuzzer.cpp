// libFuzzer target over the readers of the data files: the first byte picks
// a file, the rest is its whole content, and every reader of that file runs
// on it in-process (output captured). Built only with -DQUIZMORA_FUZZ=ON and
// clang; run e.g. build-fuzz/tests/quizmora_fuzz_data_files -max_total_time=60.

#include <stdint.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "accounts/login.h"
#include "accounts/registration.h"
#include "assessment/catalogue.h"
#include "records/candidate_skeleton.h"
#include "records/data_files.h"
#include "records/tutor_skeleton.h"
#include "tests/console_capture.h"

namespace {

// Every run works in one private directory.
void enterScratchDirectory() {
  static bool entered = false;
  if (entered) return;
  char pattern[] = "/tmp/quizmora-fuzz-XXXXXX";
  if (!::mkdtemp(pattern) || ::chdir(pattern) != 0) ::abort();
  entered = true;
}

void writeFile(const char* name, const uint8_t* data, size_t size) {
  std::ofstream(name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                               static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  enterScratchDirectory();
  const uint8_t which = data[0] % 3;
  ++data;
  --size;
  // Plenty of empty lines: any pause a reader makes is answered.
  ConsoleCapture console(std::string(64, '\n'));
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
    default:
      writeFile(SubjectFile, data, size);
      displayAllPapers();
      emptySubjectLib();
      break;
  }
  return 0;
}
