#include "core/paper_header.h"

void FillPaperHeader(PaperSkeleton& paper, TutorSkeleton& tutor, const char* subject, int total, double minutes,
                     const std::string& date) {
  paper.getTimeAllowed(minutes);
  paper.getTotalQuestion(total);
  paper.getsubjectName(subject);
  paper.getCandiNames(tutor.setCandiNames());
  // A header keeps 49 characters of the level; the question file name is
  // composed with the same cut, so both sides name the same file.
  paper.get_PaperLevel(tutor.setCandiLevel());
  paper.get_Deparment(tutor.set_Department());
  paper.get_Institution(tutor.set_Institution());
  paper.getEmail(tutor.setEmail());
  paper.getContact(tutor.setContact());
  paper.getDateAttempted(date.c_str());
}
