#include "admin/imported_paper.h"

#include <algorithm>

namespace {

const char* const kOptionNames[4] = {"option A", "option B", "option C", "option D"};

void CheckText(const std::string& text, const char* what, size_t limit, int line,
               std::vector<ImportProblem>* problems) {
  const std::string problem = TextLengthProblem(text, what, limit);
  if (!problem.empty()) problems->push_back({line, problem});
}

}  // namespace

const char* const kTrueOption = "True";
const char* const kFalseOption = "False";

bool IsTrueFalse(const ImportedQuestion& question) {
  return question.optionCount == 2 && question.options[0] == kTrueOption && question.options[1] == kFalseOption;
}

void CheckImportedPaper(ImportedPaper* paper) {
  for (const ImportedQuestion& q : paper->questions) {
    CheckText(q.text, "question text", kMaxQuestionBytes, q.line, &paper->problems);
    for (int i = 0; i < q.optionCount; ++i) {
      CheckText(q.options[i], kOptionNames[i], kMaxOptionBytes, q.optionLines[i], &paper->problems);
    }
  }
  if (paper->questions.empty() && paper->problems.empty()) {
    paper->problems.push_back({1, "no questions found"});
  }
  const size_t most = static_cast<size_t>(kMaxPaperQuestions);
  if (paper->questions.size() > most) {
    paper->problems.push_back({paper->questions[most].line, "question 1001: a paper holds at most 1000 questions"});
  }
  std::stable_sort(paper->problems.begin(), paper->problems.end(),
                   [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
}

ImportedPaper ReadImportedPaper(const std::string& bytes, PaperParser parse) {
  std::vector<ImportProblem> lineProblems;
  const std::vector<TextLine> lines = SplitLines(bytes, &lineProblems);
  ImportedPaper paper = parse(lines);
  paper.problems.insert(paper.problems.begin(), lineProblems.begin(), lineProblems.end());
  CheckImportedPaper(&paper);
  return paper;
}

std::vector<QuestionSkeleton> ToQuestionRecords(const std::vector<ImportedQuestion>& questions) {
  std::vector<QuestionSkeleton> records(questions.size());
  for (size_t i = 0; i < questions.size(); ++i) {
    const ImportedQuestion& q = questions[i];
    QuestionSkeleton& r = records[i];
    r.getQuestion(q.text.c_str());
    r.getOptionA(q.options[0].c_str());
    r.getOptionB(q.options[1].c_str());
    r.getOptionC(q.options[2].c_str());
    r.getOptionD(q.options[3].c_str());
    r.getQuestionAnswer(q.correct);
  }
  return records;
}

ImportedQuestion FromQuestionRecord(QuestionSkeleton record) {
  ImportedQuestion q;
  q.text = record.setQuestion();
  q.options[0] = record.setOptionA();
  q.options[1] = record.setOptionB();
  q.options[2] = record.setOptionC();
  q.options[3] = record.setOptionD();
  q.correct = record.setQuestionAnswer();
  q.optionCount = 0;
  for (int i = 0; i < kMaxOptions; ++i) {
    if (!q.options[i].empty()) q.optionCount = i + 1;
  }
  return q;
}
