#ifndef QUIZMORA_ADMIN_ADMIN_OPTIONS_H_
#define QUIZMORA_ADMIN_ADMIN_OPTIONS_H_

#include <string>
#include <vector>

// Everything the command line of quizmora-admin can say; each command reads
// the members its options fill.
struct AdminOptions {
  std::string dir;         // -C DIR ("" = the current directory)
  std::string file;        // import-paper FILE
  std::string tutor;       // --tutor ID
  std::string subject;     // --subject NAME
  std::string format;      // --format ("" = the command's default)
  std::string time = "y";  // --time y|n|MINUTES
  bool passwordStdin = false;
  bool dryRun = false;
  long number = 0;  // export-paper and settings NUMBER, analyse [NUMBER]
  bool hasNumber = false;
  std::vector<long> numbers;  // report [NUMBER...]
  std::string output;         // -o FILE ("" = standard output)
  std::string candidate;      // --candidate ID
  bool hasCandidate = false;
  bool hasSubject = false;  // --subject given to an export, a filter
  bool finish = false;      // attempts --finish
  bool bom = false;
  // settings and import-paper: --shuffle-questions, --shuffle-options,
  // --review, each "on", "off" or "" (not given: left as it is).
  std::string shuffleQuestions;
  std::string shuffleOptions;
  std::string review;
};

#endif  // QUIZMORA_ADMIN_ADMIN_OPTIONS_H_
