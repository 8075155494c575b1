#ifndef QUIZMORA_ASSESSMENT_PAPER_FIXTURE_H_
#define QUIZMORA_ASSESSMENT_PAPER_FIXTURE_H_

// Test support: the bytes of library headers, question files and accounts,
// built with the record classes, for the candidate side's tests.

#include <string>
#include <vector>

#include "records/candidate_skeleton.h"
#include "tests/record_bytes.h"

struct PaperFacts {
  std::string subject = "Physics";
  std::string author = "John Doe";
  std::string level = "Form 4";
  int totalQuestions = 0;
  double minutes = 1;
  std::string contact = "0700111222";
  std::string email = "john@school.example";
  std::string department = "Sciences";
};

// Returns the 1242-byte library header of `paper`.
std::string paperBytes(const PaperFacts& paper);

// Returns `answers.size()` question records; question i reads "Question i+1"
// with options "A i+1" ... "D i+1" and correct option answers[i] (1 to 4).
std::string questionBytes(const std::vector<int>& answers);

// Returns the question file name of `paper`.
std::string questionFileOf(const PaperFacts& paper);

// Returns a candidate account (or result) record with these particulars.
CandidateSkeleton candidateNamed(const std::string& name, const std::string& id, int password = 1234);

// Returns the 980-byte form of `candidate`.
std::string candidateBytes(const CandidateSkeleton& candidate);

// Returns the record decoded from the 980 bytes at `offset` of `bytes`.
CandidateSkeleton candidateAt(const std::string& bytes, size_t offset);

#endif  // QUIZMORA_ASSESSMENT_PAPER_FIXTURE_H_
