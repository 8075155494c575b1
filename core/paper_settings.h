#ifndef QUIZMORA_CORE_PAPER_SETTINGS_H_
#define QUIZMORA_CORE_PAPER_SETTINGS_H_

#include <cstdint>
#include <map>
#include <string>

#include "records/store.h"

// The settings a tutor gives a paper: shuffling and review. They live in
// "subjlib.abcdset", one appended record per change; the last record naming
// a paper's question file holds its settings, and a paper that no record
// names has every setting off and is sat exactly as it always was.

struct PaperSettings {
  bool shuffleQuestions = false;
  bool shuffleOptions = false;
  bool review = false;
};

// The settings `flags` (a settings record's bits) stand for; unknown bits
// are ignored.
PaperSettings SettingsOfFlags(int32_t flags);
// The flags that stand for `settings`.
int32_t FlagsOfSettings(const PaperSettings& settings);

// Reads the settings of the paper whose question file is `questionFile`
// into *settings: every setting off when the settings file is missing or no
// record names the paper. A read failure is returned with every setting off.
StoreStatus LoadPaperSettings(const std::string& questionFile, PaperSettings* settings);

// Reads the settings of every paper a record names into *byFile, keyed by
// question file name (cleared first; empty when the file is missing).
StoreStatus LoadEveryPaperSettings(std::map<std::string, PaperSettings>* byFile);

// Appends a record giving the paper of `questionFile` the settings
// `settings`, set by the tutor `tutorId` at `whenSet` (seconds since 1970
// UTC), under the file's lock, whole or not at all.
StoreStatus SavePaperSettings(const std::string& questionFile, const PaperSettings& settings,
                              const std::string& tutorId, int64_t whenSet);

// The names of the settings that are on, joined by "," in the order
// shuffle-questions, shuffle-options, review; "-" when none is.
std::string SettingsNames(const PaperSettings& settings);

#endif  // QUIZMORA_CORE_PAPER_SETTINGS_H_
