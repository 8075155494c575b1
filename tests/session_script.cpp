#include "tests/session_script.h"

std::string scriptLine(const std::string& text) { return text + "\n"; }

namespace {

std::string line(const std::string& text) { return scriptLine(text); }

}  // namespace

std::string tutorRegistersAndLogsIn(const Person& t) {
  // Welcome pause, R, the eight details, password, the confirmation's pause,
  // then the login screen that follows a registration.
  return line("1") + line("") + line("R") + line(t.name) + line(t.id) + line("Kenya") + line("0700 000 000") +
         line("jane@example.org") + line("Hill School") + line("Sciences") + line(t.level) + line(t.password) +
         line("") + line(t.id) + line(t.password);
}

std::string tutorLogsIn(const Person& t) { return line("1") + line("") + line("L") + line(t.id) + line(t.password); }

std::string tutorSetsPaper(const std::string& subject, const std::vector<Question>& questions) {
  std::string s = line("Q") + line(subject) + line(std::to_string(questions.size())) + line("Y");
  for (const Question& q : questions) {
    s += line(q.text);
    for (const std::string& option : q.options) s += line(option);
    s += line(std::string(1, q.correct));
  }
  return s + line("1") + line("B");
}

std::string tutorLeaves() { return line("V") + line("P"); }

std::string candidateRegistersAndLogsIn(const Person& c) {
  return line("2") + line("R") + line(c.name) + line(c.id) + line("Ghana") + line("0244 000 000") +
         line("ann@example.org") + line(c.level) + line(c.password) + line("") + line(c.id) + line(c.password);
}

std::string candidateLogsIn(const Person& c) { return line("2") + line("L") + line(c.id) + line(c.password); }

std::string candidateSitsAndSaves(int paper, const std::string& answers) {
  // Paper number, the greeting's pause, one letter per question, N to save,
  // the closing pause.
  std::string s = line("R") + line(std::to_string(paper)) + line("");
  for (char a : answers) s += line(std::string(1, a));
  return s + line("N") + line("");
}

std::string candidateLeaves() { return line("T") + line("P"); }

std::string scoreBoardShows(int row) {
  return line("4") + line("V") + line(std::to_string(row)) + line("P") + line("U");
}

std::string tutorPrintsResults(const std::string& name) {
  // T, P, the name, the success pause, then the view-all-papers screen.
  return line("T") + line("P") + line(name) + line("") + line("B");
}

std::string exitProgram() { return line("5") + line(""); }

std::vector<Question> sampleQuestions(int count) {
  std::vector<Question> questions(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    Question& q = questions[static_cast<size_t>(i)];
    q.text = "Question number " + std::to_string(i + 1);
    for (int o = 0; o < 4; ++o) q.options[o] = "Option " + std::string(1, static_cast<char>('A' + o));
    q.correct = static_cast<char>('A' + i % 4);
  }
  return questions;
}
