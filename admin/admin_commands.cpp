#include "admin/admin_commands.h"

#include <filesystem>
#include <system_error>

#include "CLI/CLI.hpp"
#include "admin/admin_options.h"
#include "admin/admin_status.h"
#include "admin/analyse.h"
#include "admin/answers_export.h"
#include "admin/attempts_command.h"
#include "admin/data_check.h"
#include "admin/data_repair.h"
#include "admin/export_paper.h"
#include "admin/import_paper.h"
#include "admin/paper_list.h"
#include "admin/paper_settings_command.h"
#include "admin/results_export.h"
#include "admin/results_report.h"

// The build defines the version from the project's; a build without it
// still names one.
#ifndef QUIZMORA_VERSION
#define QUIZMORA_VERSION "1.0.0"
#endif

namespace {

// One command of the tool: its name, what it does, its own options, and the
// function that carries it out (returning the exit status).
struct AdminCommand {
  const char* name;
  const char* summary;
  void (*declare)(CLI::App& command, AdminOptions& options);
  int (*run)(const AdminOptions& options);
};

void PasswordOption(CLI::App& command, AdminOptions& options) {
  command.add_flag("--password-stdin", options.passwordStdin,
                   "Read the tutor's password from the first line of standard input (otherwise it is asked for "
                   "on the terminal, without echo)");
}

// The three settings of a paper, each on or off; an option not given leaves
// its setting as it is.
void SettingOptions(CLI::App& command, AdminOptions& options) {
  const struct {
    const char* name;
    std::string* value;
    const char* help;
  } settings[] = {
      {"--shuffle-questions", &options.shuffleQuestions, "Show each attempt the questions in an order of its own"},
      {"--shuffle-options", &options.shuffleOptions,
       "Show each attempt every question's options in an order of its own"},
      {"--review", &options.review,
       "After the result, show the candidate every question answered wrongly or not at all"},
  };
  for (const auto& setting : settings) {
    command.add_option(setting.name, *setting.value, setting.help)->check(CLI::IsMember({"on", "off"}));
  }
}

void DeclareImportPaper(CLI::App& command, AdminOptions& options) {
  command.add_option("FILE", options.file, "Aiken or GIFT text file of the questions")->required()->type_name("FILE");
  command.add_option("--tutor", options.tutor, "ID of the tutor the paper is published for")
      ->required()
      ->type_name("ID");
  command.add_option("--subject", options.subject, "Subject of the paper (at most 99 bytes)")
      ->required()
      ->type_name("NAME");
  command.add_option("--format", options.format, "Format of FILE (default: gift for a .gift file, aiken otherwise)")
      ->check(CLI::IsMember({"aiken", "gift"}));
  command
      .add_option("--time", options.time,
                  "Minutes allowed: y = 2 a question (default), n = 1 a question, "
                  "or a whole number from 1 to 100000")
      ->check(CLI::Validator(
          [](std::string& value) {
            return MinutesFor(value, 1) > 0 ? std::string() : "must be y, n or a whole number from 1 to 100000";
          },
          "y|n|MINUTES"));
  PasswordOption(command, options);
  SettingOptions(command, options);
  command.add_flag("--dry-run", options.dryRun, "Check everything and write nothing");
}

void DeclareSettings(CLI::App& command, AdminOptions& options) {
  command.add_option("NUMBER", options.number, "Number of the paper, as `papers` lists it")
      ->required()
      ->type_name("NUMBER");
  command.add_option("--tutor", options.tutor, "ID of the paper's author")->required()->type_name("ID");
  PasswordOption(command, options);
  SettingOptions(command, options);
}

void DeclareExportPaper(CLI::App& command, AdminOptions& options) {
  command.add_option("NUMBER", options.number, "Number of the paper, as `papers` lists it")
      ->required()
      ->type_name("NUMBER");
  command.add_option("--tutor", options.tutor, "ID of the paper's author")->required()->type_name("ID");
  command.add_option("--format", options.format, "Text format (default: aiken)")
      ->check(CLI::IsMember({"aiken", "gift"}));
  PasswordOption(command, options);
  command.add_option("-o", options.output, "Write to FILE (replaced atomically) instead of standard output")
      ->type_name("FILE");
}

// The options of both exports; `what` names their records in the help.
void ExportOptions(CLI::App& command, AdminOptions& options, const std::string& what) {
  command.add_option("--format", options.format, "Output format (default: csv)")
      ->check(CLI::IsMember({"csv", "jsonl"}));
  command.add_option("--candidate", options.candidate, "Only the " + what + " of the candidate with this ID")
      ->type_name("ID")
      ->each([&options](const std::string&) { options.hasCandidate = true; });
  command
      .add_option("--subject", options.subject, "Only the " + what + " of papers of this subject (the whole subject)")
      ->type_name("NAME")
      ->each([&options](const std::string&) { options.hasSubject = true; });
  command.add_flag("--bom", options.bom, "Start the output with a UTF-8 byte-order mark");
  command.add_option("-o", options.output, "Write to FILE (replaced atomically) instead of standard output")
      ->type_name("FILE");
}

void DeclareExportResults(CLI::App& command, AdminOptions& options) { ExportOptions(command, options, "results"); }

void DeclareExportAnswers(CLI::App& command, AdminOptions& options) { ExportOptions(command, options, "sheets"); }

void DeclareAttempts(CLI::App& command, AdminOptions& options) {
  command.add_flag("--finish", options.finish,
                   "Save every attempt whose time is up and that no seat holds as a result, then remove its journal");
  command.add_flag("--dry-run", options.dryRun, "With --finish: print what would be finished and write nothing");
}

void DeclareAnalyse(CLI::App& command, AdminOptions& options) {
  command
      .add_option("NUMBER", options.number,
                  "Number of the paper, as `papers` lists it (default: every paper with answer sheets)")
      ->type_name("NUMBER")
      ->each([&options](const std::string&) { options.hasNumber = true; });
  command
      .add_option("--format", options.format,
                  "Output format: text for a terminal (default), csv or json (one object an edition and line)")
      ->check(CLI::IsMember({"text", "csv", "json"}));
  command.add_option("-o", options.output, "Write to FILE (replaced atomically) instead of standard output")
      ->type_name("FILE");
}

void DeclareReport(CLI::App& command, AdminOptions& options) {
  command.add_option("-o", options.output, "The HTML file to write (replaced atomically)")
      ->required()
      ->type_name("FILE");
  command
      .add_option("NUMBER", options.numbers,
                  "Numbers of the papers, as `papers` lists them (default: every paper with answer sheets)")
      ->type_name("NUMBER");
}

void DeclareNothing(CLI::App&, AdminOptions&) {}

// A positional's name already says what it takes; without this CLI11 would
// print its type name after it as well ("FILE FILE REQUIRED").
void ShowPositionalsOnce(CLI::App& command) {
  for (CLI::Option* option : command.get_options([](CLI::Option* o) { return o->get_positional(); })) {
    option->type_name("");
  }
}

void DeclareRepair(CLI::App& command, AdminOptions& options) {
  command.add_flag("--dry-run", options.dryRun, "Write nothing; print what a repair would change");
}

const AdminCommand kCommands[] = {
    {"import-paper", "Publish the questions of an Aiken or GIFT file as a tutor's paper", DeclareImportPaper,
     RunImportPaper},
    {"papers", "List the library as candidates see it", DeclareNothing, RunPapers},
    {"export-paper", "Write a paper as Aiken or GIFT text (its author only)", DeclareExportPaper, RunExportPaper},
    {"settings", "Show or change a paper's shuffling and review (its author only)", DeclareSettings, RunSettings},
    {"export-results", "Write every saved result as CSV or JSON Lines", DeclareExportResults, RunExportResults},
    {"export-answers", "Write every saved answer sheet as CSV or JSON Lines", DeclareExportAnswers, RunExportAnswers},
    {"attempts", "List the unfinished attempts; finish those whose time is up", DeclareAttempts, RunAttempts},
    {"analyse", "Item analysis of a paper's answer sheets: facility, discrimination, choices, reliability",
     DeclareAnalyse, RunAnalyse},
    {"report", "Write an HTML page of how the class did on each paper, for a browser or for print", DeclareReport,
     RunReport},
    {"check", "Report every problem of the data files", DeclareNothing, RunCheck},
    {"repair", "Mend partial records, unterminated texts and superseded headers, after a backup", DeclareRepair,
     RunRepair},
};

}  // namespace

int RunAdmin(int argc, char** argv) {
  AdminOptions options;
  CLI::App app{
      "Companion tool of Quizmora: imports and exports papers and results, analyses answer sheets, checks "
      "and repairs the data files of a folder.",
      "quizmora-admin"};
  app.set_version_flag("--version", "quizmora-admin " QUIZMORA_VERSION, "Print the version and exit");
  app.add_option("-C", options.dir,
                 "Work on the data folder DIR (default: the current directory); relative FILE and -o paths are "
                 "then taken inside DIR, as with git -C")
      ->type_name("DIR");
  app.require_subcommand(1);
  app.fallthrough();  // -C is taken after the command too
  const AdminCommand* chosen = nullptr;
  for (const AdminCommand& command : kCommands) {
    CLI::App* sub = app.add_subcommand(command.name, command.summary);
    command.declare(*sub, options);
    ShowPositionalsOnce(*sub);
    sub->callback([&chosen, &command]() { chosen = &command; });
  }
  // A command word that names no command is said as such (CLI11 would only
  // say that a command is missing).
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "-C") {
      ++i;
      continue;
    }
    if (word.empty() || word[0] == '-') continue;
    bool known = false;
    for (const AdminCommand& command : kCommands) known = known || word == command.name;
    if (known) break;
    Complain("unknown command: " + word + " (see quizmora-admin --help)");
    return kExitUsage;
  }
  // CLI11 reports parse errors by exception; they are caught here, at the one
  // parse call, and everything after reports failure by return value.
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version: standard output
    Complain(std::string(e.what()) + " (see quizmora-admin --help)");
    return kExitUsage;
  }
  // The one place paths are resolved: the tool works inside DIR, so every
  // relative path a command is given (FILE, -o FILE) names a file there.
  if (!options.dir.empty()) {
    std::error_code error;
    std::filesystem::current_path(options.dir, error);
    if (error) {
      Complain("cannot work in " + options.dir + ": " + error.message());
      return kExitFailed;
    }
  }
  return chosen ? chosen->run(options) : kExitUsage;
}
