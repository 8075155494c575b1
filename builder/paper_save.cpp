#include "builder/paper_save.h"

#include <iostream>

#include "console/console_io.h"
#include "core/publication.h"

namespace {

const char* const kOpenError = "\n\tError while opening a file to write Questions\n";
const char* const kWriteError = "\n\tError while writting to file...\n";

// Prints the messages of a publication that failed: the question file's,
// or else the library's (an open failure is also reported as not written).
void reportFailure(const PublishResult& result) {
  if (!result.questions.ok()) {
    std::cerr << (result.questions.openFailed() ? kOpenError : kWriteError) << std::endl;
    return;
  }
  if (result.header.openFailed()) std::cerr << kOpenError << std::endl;
  std::cerr << kWriteError << std::endl;
}

}  // namespace

bool savePaper(const std::vector<QuestionSkeleton>& questions, const PaperSkeleton& header, const char* questionFile) {
  flushInput();
  const PublishResult result = PublishQuestionPaper(questions, header, questionFile);
  if (!result.ok()) {
    reportFailure(result);
    return false;
  }
  std::cout << "\n\tYour paper has been added to library and ready for attempting by the guests and candidates "
               "under assessment panel from start up page."
            << std::endl;
  return true;
}
