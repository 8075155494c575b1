#include "admin/paper_settings_command.h"

#include <ctime>

#include "admin/admin_status.h"
#include "admin/output_sink.h"
#include "admin/paper_list.h"
#include "records/data_files.h"

namespace {

// Sets *setting from an option's value; "" leaves it as it is.
void Apply(const std::string& value, bool* setting) {
  if (!value.empty()) *setting = value == "on";
}

std::string OnOff(bool on) { return on ? "on" : "off"; }

}  // namespace

bool ChangesSettings(const AdminOptions& options) {
  return !options.shuffleQuestions.empty() || !options.shuffleOptions.empty() || !options.review.empty();
}

bool ChangePaperSettings(const AdminOptions& options, const std::string& questionFile) {
  PaperSettings settings;
  StoreStatus status = LoadPaperSettings(questionFile, &settings);
  if (status.ok()) {
    Apply(options.shuffleQuestions, &settings.shuffleQuestions);
    Apply(options.shuffleOptions, &settings.shuffleOptions);
    Apply(options.review, &settings.review);
    status = SavePaperSettings(questionFile, settings, options.tutor, static_cast<int64_t>(std::time(nullptr)));
  }
  if (!status.ok()) Complain(DescribeFailure(status, SettingsFile));
  return status.ok();
}

int RunSettings(const AdminOptions& options) {
  PaperSkeleton header;
  const int found = FindOwnPaper(options, "change its settings", &header);
  if (found != kExitDone) return found;
  const std::string questionFile = QuestionFileOf(header);
  if (ChangesSettings(options)) return ChangePaperSettings(options, questionFile) ? kExitDone : kExitFailed;
  PaperSettings settings;
  const StoreStatus read = LoadPaperSettings(questionFile, &settings);
  if (!read.ok()) {
    Complain(DescribeFailure(read, SettingsFile));
    return kExitFailed;
  }
  OutputSink out;
  out.Open("");
  out.Write("shuffle-questions\t" + OnOff(settings.shuffleQuestions) + "\nshuffle-options\t" +
            OnOff(settings.shuffleOptions) + "\nreview\t" + OnOff(settings.review) + "\n");
  const StoreStatus written = out.Finish();
  if (!written.ok()) {
    Complain(DescribeFailure(written, out.name()));
    return kExitFailed;
  }
  return kExitDone;
}
