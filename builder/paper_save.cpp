#include "builder/paper_save.h"

#include <iostream>
#include <sstream>

#include "console/console_io.h"
#include "records/data_files.h"
#include "records/durable_file.h"

namespace {

const char* const kOpenError = "\n\tError while opening a file to write Questions\n";
const char* const kWriteError = "\n\tError while writting to file...\n";

bool writeQuestionFile(const std::vector<QuestionSkeleton>& questions, const char* questionFile) {
  DurableFile file;
  if (!file.Open(questionFile, DurableFile::kReplace)) {
    std::cerr << kOpenError << std::endl;
    return false;
  }
  std::ostringstream records;
  for (const QuestionSkeleton& question : questions) question.QuestionWrite(records);
  if (!records || !file.Write(records.str()) || !file.Commit()) {
    std::cerr << kWriteError << std::endl;
    return false;
  }
  return true;
}

bool appendHeader(const PaperSkeleton& header) {
  std::ostringstream record;
  header.CandidateWrite(record);
  bool opened = false;
  const bool written = record && AppendRecordBytes(SubjectFile, record.str(), &opened);
  // A library that cannot be opened is also reported as not written.
  if (!opened) std::cerr << kOpenError << std::endl;
  if (!written) std::cerr << kWriteError << std::endl;
  return written;
}

}  // namespace

bool savePaper(const std::vector<QuestionSkeleton>& questions, const PaperSkeleton& header,
               const char* questionFile) {
  flushInput();
  const bool saved = writeQuestionFile(questions, questionFile) && appendHeader(header);
  if (saved) {
    std::cout << "\n\tYour paper has been added to library and ready for attempting by the guests and candidates "
                 "under assessment panel from start up page."
              << std::endl;
  }
  return saved;
}
