#ifndef QUIZMORA_TESTS_SESSION_SCRIPT_H_
#define QUIZMORA_TESTS_SESSION_SCRIPT_H_

#include <string>
#include <vector>

// Scripted input (one line per answer or key press) for whole user journeys,
// shared by the tests that need deep screens: hostile input, crashes in the
// middle of a save, a read-only directory, benchmarks. Each function returns
// the lines from the screen named in its comment to the screen named as its
// end; all of them are plain text, so they can be cut or mixed with garbage.

struct Person {
  std::string name = "Jane Doe";
  std::string id = "T1";
  std::string level = "Form 2";
  std::string password = "1234";
};

struct Question {
  std::string text = "What is 2 + 2";
  std::string options[4] = {"3", "4", "5", "22"};
  char correct = 'B';
};

// Returns `text` as one line of scripted input.
std::string scriptLine(const std::string& text);

// Home menu -> tutor registration and login -> tutor's logged-in menu.
std::string tutorRegistersAndLogsIn(const Person& tutor);
// Home menu -> tutor login -> tutor's logged-in menu.
std::string tutorLogsIn(const Person& tutor);
// Tutor's logged-in menu -> a paper typed with time choice Y, saved, the
// after-save menu's B -> tutor's logged-in menu.
std::string tutorSetsPaper(const std::string& subject, const std::vector<Question>& questions);
// Tutor's logged-in menu -> log out -> home menu.
std::string tutorLeaves();

// Home menu -> candidate registration and login -> candidate's logged-in menu.
std::string candidateRegistersAndLogsIn(const Person& candidate);
// Home menu -> candidate login -> candidate's logged-in menu.
std::string candidateLogsIn(const Person& candidate);
// Candidate's logged-in menu -> paper `paper` sat with `answers` (one letter
// per question), saved with N -> candidate's logged-in menu.
std::string candidateSitsAndSaves(int paper, const std::string& answers);
// Candidate's logged-in menu -> log out -> home menu.
std::string candidateLeaves();

// Home menu -> score board, candidate `row` in detail -> home menu.
std::string scoreBoardShows(int row);
// Tutor's logged-in menu -> performance view, printable file `name` ->
// view-all-papers screen's B -> tutor's logged-in menu.
std::string tutorPrintsResults(const std::string& name);

// Home menu -> exit (status 0).
std::string exitProgram();

// A paper of `count` simple questions whose correct options cycle A to D.
std::vector<Question> sampleQuestions(int count);

#endif  // QUIZMORA_TESTS_SESSION_SCRIPT_H_
