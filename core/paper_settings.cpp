#include "core/paper_settings.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include "records/data_files.h"
#include "records/paper_settings.h"

PaperSettings SettingsOfFlags(int32_t flags) {
  PaperSettings settings;
  settings.shuffleQuestions = (flags & kShuffleQuestionsFlag) != 0;
  settings.shuffleOptions = (flags & kShuffleOptionsFlag) != 0;
  settings.review = (flags & kReviewFlag) != 0;
  return settings;
}

int32_t FlagsOfSettings(const PaperSettings& settings) {
  return (settings.shuffleQuestions ? kShuffleQuestionsFlag : 0) | (settings.shuffleOptions ? kShuffleOptionsFlag : 0) |
         (settings.review ? kReviewFlag : 0);
}

StoreStatus LoadEveryPaperSettings(std::map<std::string, PaperSettings>* byFile) {
  byFile->clear();
  // The whole file is read: a later record replaces an earlier one.
  const LoadResult scan =
      ScanFile<SettingsRecord>(SettingsFile, WhenMissing::kFail, SIZE_MAX, [&](const SettingsRecord& record) {
        (*byFile)[record.questionFile] = SettingsOfFlags(record.flags);
        return true;
      });
  if (scan.status.openFailed() && scan.status.error == ENOENT) return StoreStatus{};
  return scan.status;
}

StoreStatus LoadPaperSettings(const std::string& questionFile, PaperSettings* settings) {
  std::map<std::string, PaperSettings> byFile;
  const StoreStatus status = LoadEveryPaperSettings(&byFile);
  const auto found = byFile.find(questionFile);
  *settings = status.ok() && found != byFile.end() ? found->second : PaperSettings();
  return status;
}

StoreStatus SavePaperSettings(const std::string& questionFile, const PaperSettings& settings,
                              const std::string& tutorId, int64_t whenSet) {
  SettingsRecord record;
  std::strncpy(record.questionFile, questionFile.c_str(), sizeof record.questionFile - 1);
  record.flags = FlagsOfSettings(settings);
  record.whenSet = whenSet;
  std::strncpy(record.setBy, tutorId.c_str(), sizeof record.setBy - 1);
  return AppendRecords(SettingsFile, EncodeRecord(record), kSettingsRecordSize);
}

std::string SettingsNames(const PaperSettings& settings) {
  std::string names;
  for (const auto& setting :
       {std::make_pair(settings.shuffleQuestions, "shuffle-questions"),
        std::make_pair(settings.shuffleOptions, "shuffle-options"), std::make_pair(settings.review, "review")}) {
    if (!setting.first) continue;
    if (!names.empty()) names += ',';
    names += setting.second;
  }
  return names.empty() ? "-" : names;
}
