#include "assessment/paper_fixture.h"

#include <sstream>

#include "records/data_files.h"
#include "records/paper_skeleton.h"
#include "records/question_skeleton.h"

std::string paperBytes(const PaperFacts& facts) {
  PaperSkeleton paper;
  paper.getsubjectName(facts.subject.c_str());
  paper.getCandiNames(facts.author.c_str());
  paper.get_PaperLevel(facts.level.c_str());
  paper.getTotalQuestion(facts.totalQuestions);
  paper.getTimeAllowed(facts.minutes);
  paper.getContact(facts.contact.c_str());
  paper.getEmail(facts.email.c_str());
  paper.get_Deparment(facts.department.c_str());
  std::ostringstream out;
  paper.CandidateWrite(out);
  return out.str();
}

std::string questionBytes(const std::vector<int>& answers) {
  std::ostringstream out;
  for (size_t i = 0; i < answers.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    QuestionSkeleton q;
    q.getQuestion(("Question " + n).c_str());
    q.getOptionA(("A " + n).c_str());
    q.getOptionB(("B " + n).c_str());
    q.getOptionC(("C " + n).c_str());
    q.getOptionD(("D " + n).c_str());
    q.getQuestionAnswer(answers[i]);
    q.QuestionWrite(out);
  }
  return out.str();
}

std::string questionFileOf(const PaperFacts& paper) {
  return QuestionFileName(paper.subject.c_str(), paper.level.c_str(), paper.author.c_str());
}

CandidateSkeleton candidateNamed(const std::string& name, const std::string& id, int password) {
  CandidateSkeleton c;
  c.getCandiNames(name.c_str());
  c.getIDNumber(id.c_str());
  c.getLogInPassword(password);
  c.getCandiLevel("Form 4");
  c.getcandiCountry("Kenya");
  c.getEmail("mary@home.example");
  c.getContact("0711000111");
  return c;
}

std::string candidateBytes(const CandidateSkeleton& candidate) {
  std::ostringstream out;
  candidate.CandidateWrite(out);
  return out.str();
}

CandidateSkeleton candidateAt(const std::string& bytes, size_t offset) {
  CandidateSkeleton c;
  if (bytes.size() >= offset + kCandidateRecordSize) c.DecodeFrom(bytes.data() + offset);
  return c;
}
