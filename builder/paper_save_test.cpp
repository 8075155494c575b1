#include "builder/paper_save.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "builder/builder_test_support.h"
#include "records/data_files.h"
#include "tests/console_capture.h"
#include "tests/working_directory.h"

using namespace builder_test;

namespace {

const char* const kFile = "Maths_Form 2_Jane Doe.abcd";
const std::string kSaved =
    "\n\tYour paper has been added to library and ready for attempting by the guests and candidates under "
    "assessment panel from start up page.\n";
const std::string kOpenError = "\n\tError while opening a file to write Questions\n\n";
const std::string kWriteError = "\n\tError while writting to file...\n\n";

PaperSkeleton header(int total) {
  PaperSkeleton paper;
  paper.getsubjectName("Maths");
  paper.getCandiNames("Jane Doe");
  paper.get_PaperLevel("Form 2");
  paper.getTotalQuestion(total);
  paper.getTimeAllowed(2.0 * total);
  return paper;
}

std::string headerBytes(const PaperSkeleton& paper) {
  char bytes[kPaperRecordSize];
  paper.EncodeTo(bytes);
  return std::string(bytes, sizeof bytes);
}

std::string paperBytes(const std::vector<QuestionSkeleton>& questions) {
  std::string bytes;
  for (const QuestionSkeleton& q : questions) bytes += questionBytes(q);
  return bytes;
}

// Names in `dir` other than the expected ones: a left-over temporary file.
size_t entryCount(const ScratchDir& dir) {
  size_t n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++n;
  }
  return n;
}

}  // namespace

TEST(PaperSave, WritesTheQuestionsThenAppendsTheHeader) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  dir.write(SubjectFile, std::string(kPaperRecordSize, 'h'));  // an earlier paper
  const std::vector<QuestionSkeleton> questions = makePaper({1, 2, 4});
  ConsoleCapture console("");
  EXPECT_TRUE(savePaper(questions, header(3), kFile));
  EXPECT_EQ(console.out(), kSaved);
  EXPECT_EQ(console.err(), "");
  EXPECT_EQ(dir.size(kFile), 3 * 3204);
  EXPECT_EQ(dir.read(kFile), paperBytes(questions));
  EXPECT_EQ(dir.read(SubjectFile), std::string(kPaperRecordSize, 'h') + headerBytes(header(3)));
  EXPECT_EQ(entryCount(dir), 2u);
}

TEST(PaperSave, SavingAgainReplacesTheQuestionFileAndAddsAHeader) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  ConsoleCapture console("");
  EXPECT_TRUE(savePaper(makePaper({1, 2, 3}), header(3), kFile));
  const std::vector<QuestionSkeleton> second = makePaper({4, 4});
  EXPECT_TRUE(savePaper(second, header(2), kFile));
  EXPECT_EQ(dir.read(kFile), paperBytes(second));
  EXPECT_EQ(dir.read(SubjectFile), headerBytes(header(3)) + headerBytes(header(2)));
  EXPECT_EQ(console.out(), kSaved + kSaved);
}

TEST(PaperSave, UnopenableQuestionFileAppendsNoHeader) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  ASSERT_EQ(::mkdir(kFile, 0755), 0);  // a directory of that name is in the way
  ConsoleCapture console("");
  EXPECT_FALSE(savePaper(makePaper({1}), header(1), kFile));
  EXPECT_EQ(console.out(), "");
  EXPECT_EQ(console.err(), kOpenError);
  EXPECT_FALSE(dir.exists(SubjectFile));
  EXPECT_EQ(entryCount(dir), 1u);
}

TEST(PaperSave, UnopenableLibraryReportsBothMessages) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  ASSERT_EQ(::mkdir(SubjectFile, 0755), 0);
  ConsoleCapture console("");
  EXPECT_FALSE(savePaper(makePaper({1, 3}), header(2), kFile));
  EXPECT_EQ(console.out(), "");
  EXPECT_EQ(console.err(), kOpenError + kWriteError);
  EXPECT_EQ(dir.size(kFile), 2 * 3204);
}

TEST(PaperSave, FailedWriteKeepsTheEarlierQuestionFileWhole) {
  ScratchDir dir;
  WorkingDirectory here(dir);
  ASSERT_TRUE(here.ok());
  const std::string earlier(2 * 3204, 'e');
  dir.write(kFile, earlier);

  // Files may not grow beyond 5000 bytes while the save runs, so writing
  // three questions (9612 bytes) fails part way.
  struct rlimit old_limit;
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  struct rlimit small = old_limit;
  small.rlim_cur = 5000;
  sighandler_t old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool saved;
  std::string out, err;
  {
    ConsoleCapture console("");
    saved = savePaper(makePaper({1, 2, 3}), header(3), kFile);
    out = console.out();
    err = console.err();
  }
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, kWriteError);
  EXPECT_EQ(dir.read(kFile), earlier);
  EXPECT_FALSE(dir.exists(SubjectFile));
  EXPECT_EQ(entryCount(dir), 1u);  // no temporary file left behind
}
