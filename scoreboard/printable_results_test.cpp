#include "scoreboard/printable_results.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <string>

#include "console/calendar.h"
#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/data_fixture.h"
#include "tests/scratch_dir.h"
#include "tests/screen_texts.h"
#include "tests/working_directory.h"

namespace {

const Attempt kLongName{"Bartholomew Longname-Smith", "B7", "Chemistry", 50, "11:0:0", 90};

const std::string kOverwritePrompt =
    "\n\tFile name already exits, choose to Overwrite it or change the name to continue.\n"
    "\n\tW = Overwrite the file.\n\tR = Save with a different name.\n\tYour choice : ";
const std::string kNamePrompt = "\n\tName your file : ";

// The date and time the file's first line shows: 7/12/2026 | Monday at 9:5:7.
class FixedClock {
 public:
  FixedClock() {
    std::tm t{};
    t.tm_mday = 7;
    t.tm_mon = 11;
    t.tm_year = 126;
    t.tm_wday = 1;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    setLocalTimeForTesting(&t);
  }
  ~FixedClock() { setLocalTimeForTesting(nullptr); }
};

const std::string kFileHeader =
    "Printed on : 7/12/2026 | Monday  at 9:5:7\n"
    "Visit : https://www.quizmora.example/ and download more libraries.\n" +
    std::string(108, '_') +
    "\n\n No          --------------->  A L L      C A N D I D A T E S   results in summary <---------------      \n" +
    std::string(108, '_') + "\n";

// Calls printResults with `typed` in a buffer the size the naming loop uses.
bool print(const std::string& typed) {
  char name[kPrintableNameRoom] = {};
  typed.copy(name, typed.size());
  return printResults(name);
}

}  // namespace

TEST(PrintableResults, WritesHeaderRowsAndCountWithSingleLineFeeds) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  FixedClock clock;
  dir.write(CandiDatefilex, resultBytes({kMaths, kPhysics, kLongName}));
  ConsoleCapture console("");
  ASSERT_TRUE(print("results"));
  EXPECT_EQ(dir.read("results.qzmrpt"),
            kFileHeader + "  1. Ann Lee                \tMaths\t" + std::string(23, ' ') + "66.7% \t" +
                std::string(29, ' ') + "9:5:7" + std::string(18, ' ') + "1234.5  Seconds\n" +
                "  2. Ann Lee                \tPhysics\t" + std::string(23, ' ') + "100% \t" + std::string(29, ' ') +
                "10:15:27" + std::string(15, ' ') + "45.123457  Seconds\n" +
                "  3. Bartholomew Longname-Smith\tChemistry\t" + std::string(23, ' ') + "50% \t" +
                std::string(29, ' ') + "11:0:0" + std::string(22, ' ') + "90  Seconds\n" +
                "\n\n            <-------------------  3  Candidate(s) -----------> www.quizmora.example" +
                std::string(19, ' ') + "\n");
  EXPECT_EQ(console.out(), "");
  EXPECT_EQ(console.err(), "");
}

TEST(PrintableResults, ExtensionIsAlwaysAppendedInPlace) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, "");
  ConsoleCapture console("");
  char name[kPrintableNameRoom] = "results.qzmrpt";
  ASSERT_TRUE(printResults(name));
  EXPECT_STREQ(name, "results.qzmrpt.qzmrpt");
  EXPECT_TRUE(dir.exists("results.qzmrpt.qzmrpt"));
  EXPECT_FALSE(dir.exists("results.qzmrpt"));
  ASSERT_TRUE(print(""));
  EXPECT_TRUE(dir.exists(".qzmrpt"));
}

TEST(PrintableResults, ExistingFileAsksUntilOverwriteOrRename) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, resultBytes({kMaths}));
  dir.write("results.qzmrpt", "old");
  {
    ConsoleCapture console("r\n");
    EXPECT_FALSE(print("results"));
    EXPECT_EQ(console.out(), kOverwritePrompt);
    EXPECT_EQ(dir.read("results.qzmrpt"), "old");
  }
  {
    ConsoleCapture console("x\nwrite it\n");
    EXPECT_TRUE(print("results"));
    EXPECT_EQ(console.out(), kOverwritePrompt + "\f" + kOverwritePrompt);
    EXPECT_NE(dir.read("results.qzmrpt").find("  1  Candidate(s)"), std::string::npos);
  }
}

// 249 typed characters and the extension make a name too long for the file
// system.
const std::string kUncreatable(249, 'n');

TEST(PrintableResults, NameThatCannotBeCreatedIsReportedAsNotSaved) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  ConsoleCapture console("");
  EXPECT_FALSE(print(kUncreatable));
  EXPECT_EQ(console.err(), "\n\tError opening the file\n");
  EXPECT_EQ(console.out(), "");
}

TEST(PrintableResults, TypedFoldersStayInTheWorkingDirectory) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, "");
  ConsoleCapture console("");
  ASSERT_TRUE(print("../sum\\mary"));
  EXPECT_TRUE(dir.exists(".._sum_mary.qzmrpt"));
}

TEST(PrintableResults, MissingDataFileIsCreatedAndOnlyTheHeaderWritten) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  FixedClock clock;
  ConsoleCapture console("");
  ASSERT_TRUE(print("results"));
  EXPECT_EQ(dir.read("results.qzmrpt"), kFileHeader);
  EXPECT_EQ(console.out(), "\n\tThe file is empty...\tTry again later.... Thanks\n\n");
  EXPECT_TRUE(dir.exists(CandiDatefilex));
}

// A summary is written only of results that could be read whole.
TEST(PrintableResults, UnreadableResultsAreNeverReportedAsSaved) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  FixedClock clock;
  // A link into a missing folder: neither readable nor creatable, even for root.
  ASSERT_EQ(::symlink("missing/folder/data", CandiDatefilex), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(print("results"));
  EXPECT_FALSE(dir.exists("results.qzmrpt"));
  EXPECT_EQ(console.err(), "\n\tError while opening a file to write your score. Ooops!\n\n\tError opening the file\n");
  // A read error (a directory in the file's place) is no empty list either.
  ::unlink(CandiDatefilex);
  ::mkdir(CandiDatefilex, 0755);
  ConsoleCapture again("");
  EXPECT_FALSE(print("results"));
  EXPECT_FALSE(dir.exists("results.qzmrpt"));
  EXPECT_EQ(again.err(), "\n\tError opening the file\n");
}

TEST(PrintableResults, NamingLoopRefusesOneSpaceAndRetriesAfterFailure) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, resultBytes({kMaths}));
  ConsoleCapture console(" \n" + kUncreatable + "\n  \n\n");
  savePrintableResults();
  EXPECT_EQ(console.out(), kNamePrompt + kNamePrompt + kNamePrompt + kSavedForPrinting);
  EXPECT_EQ(console.err(), "\n\tError opening the file\n");
  EXPECT_TRUE(dir.exists("  .qzmrpt"));
  EXPECT_FALSE(dir.exists(" .qzmrpt"));
}

TEST(PrintableResults, NamingLoopKeepsAtMost249Characters) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, "");
  // 260 characters are cut to 249; with the extension the name is too long
  // for the file system, so the loop asks again.
  ConsoleCapture console(std::string(260, 'n') + "\nshort\n\n");
  savePrintableResults();
  EXPECT_EQ(console.out(), kNamePrompt + kNamePrompt + kSavedForPrinting);
  EXPECT_EQ(console.err(), "\n\tError opening the file\n");
  EXPECT_TRUE(dir.exists("short.qzmrpt"));
}

TEST(PrintableResults, FileThatCannotBeWrittenWholeIsNotReportedAsSaved) {
  ScratchDir dir;
  WorkingDirectory inside(dir);
  dir.write(CandiDatefilex, resultBytes({kMaths}));
  dir.write("full.qzmrpt", "earlier");
  // Files may not grow beyond 100 bytes while the save runs, as on a full
  // disk: the new file cannot be written whole.
  struct rlimit old_limit;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  struct rlimit small = old_limit;
  small.rlim_cur = 100;
  sighandler_t old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool saved;
  std::string out, err;
  {
    ConsoleCapture console("w\n");
    saved = print("full");
    out = console.out();
    err = console.err();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(out, kOverwritePrompt);
  EXPECT_EQ(err, "\n\tError opening the file\n");
  EXPECT_EQ(dir.read("full.qzmrpt"), "earlier");
}
