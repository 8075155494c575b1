#include "admin/export_paper.h"

#include <vector>

#include "admin/admin_status.h"
#include "admin/aiken_format.h"
#include "admin/gift_format.h"
#include "admin/imported_paper.h"
#include "admin/output_sink.h"
#include "admin/paper_list.h"
#include "admin/tutor_login.h"
#include "core/question_options.h"
#include "records/data_files.h"
#include "records/question_skeleton.h"

namespace {

// Reads the questions of `file`; false after the message when they cannot be
// written out (a correct option out of range or naming an empty option, an
// empty option before a present one).
bool LoadQuestions(const std::string& file, std::vector<ImportedQuestion>* questions) {
  std::vector<QuestionSkeleton> records;
  const LoadResult load = LoadFile<QuestionSkeleton>(file, WhenMissing::kFail, SIZE_MAX, &records);
  if (!load.status.ok()) {
    Complain(DescribeFailure(load.status, file));
    return false;
  }
  for (size_t i = 0; i < records.size(); ++i) {
    const int answer = records[i].setQuestionAnswer();
    std::string problem = OptionsProblem(records[i]);
    if (answer < 1 || answer > 4) problem = "correct option " + std::to_string(answer) + " is outside 1 to 4";
    if (!problem.empty()) {
      Complain(file + ": record " + std::to_string(i + 1) + ": " + problem);
      return false;
    }
    questions->push_back(FromQuestionRecord(records[i]));
  }
  return true;
}

}  // namespace

int RunExportPaper(const AdminOptions& options) {
  PaperSkeleton header;
  const int found = FindOwnPaper(options, "export it", &header);
  if (found != kExitDone) return found;
  std::vector<ImportedQuestion> questions;
  if (!LoadQuestions(QuestionFileOf(header), &questions)) return kExitFailed;
  OutputSink out;
  StoreStatus status = out.Open(options.output);
  if (status.ok()) {
    out.Write(options.format == "gift" ? WriteGift(questions) : WriteAiken(questions));
    status = out.Finish();
  }
  if (!status.ok()) {
    Complain(DescribeFailure(status, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
