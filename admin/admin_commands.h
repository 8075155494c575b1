#ifndef QUIZMORA_ADMIN_ADMIN_COMMANDS_H_
#define QUIZMORA_ADMIN_ADMIN_COMMANDS_H_

// Runs quizmora-admin with its command line (argv as main gets it) and
// returns the exit status: 0 done, 1 failed or problems found, 2 wrong
// usage.
int RunAdmin(int argc, char** argv);

#endif  // QUIZMORA_ADMIN_ADMIN_COMMANDS_H_
