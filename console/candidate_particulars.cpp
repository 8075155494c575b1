#include "console/candidate_particulars.h"

#include <iostream>

void printCandidateParticulars(CandidateSkeleton& candidate, size_t attempts) {
  std::cout << "\n\tCandidate Names           : " << candidate.setCandiNames() << std::endl;
  std::cout << "\n\tCandidate ID/Passport     : " << candidate.setIDNumber() << std::endl;
  std::cout << "\n\tCandidate Nationality     : " << candidate.setcandiCountry() << std::endl;
  std::cout << "\n\tCandidate Contact Number  : " << candidate.setContact() << std::endl;
  std::cout << "\n\tCandidate Email           : " << candidate.setEmail() << std::endl;
  std::cout << "\n\tTotal Subjects Attempted  : " << attempts << std::endl;
}
