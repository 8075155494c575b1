#ifndef QUIZMORA_ADMIN_PAPER_SETTINGS_COMMAND_H_
#define QUIZMORA_ADMIN_PAPER_SETTINGS_COMMAND_H_

#include <string>

#include "admin/admin_options.h"
#include "core/paper_settings.h"

// settings: shows or changes a paper's shuffling and review, for its author.

// True when the command line names a setting to change.
bool ChangesSettings(const AdminOptions& options);

// Appends a settings record for the paper of `questionFile`: its current
// settings with the changes the command line names, set by options.tutor
// now. False after the message when the settings cannot be read or written.
bool ChangePaperSettings(const AdminOptions& options, const std::string& questionFile);

// Runs settings NUMBER: with no change, prints the paper's settings as three
// lines "NAME\ton|off" (shuffle-questions, shuffle-options, review) and
// writes nothing; otherwise appends a record with the changes and prints
// nothing. Returns the exit status.
int RunSettings(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_PAPER_SETTINGS_COMMAND_H_
