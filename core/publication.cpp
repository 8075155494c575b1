#include "core/publication.h"

#include "records/data_files.h"

namespace {

std::string QuestionBytes(const std::vector<QuestionSkeleton>& questions) {
  std::string bytes;
  bytes.reserve(questions.size() * QuestionSkeleton::kRecordSize);
  for (const QuestionSkeleton& question : questions) bytes += EncodeRecord(question);
  return bytes;
}

}  // namespace

PublishResult PublishQuestionPaper(const std::vector<QuestionSkeleton>& questions, const PaperSkeleton& header,
                                   const std::string& questionFile) {
  // The library stays locked across both steps, so two tutors publishing
  // at once never interleave their question files and headers.
  return PublishPaper(SubjectFile, questionFile, QuestionBytes(questions), EncodeRecord(header));
}
