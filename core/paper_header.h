#ifndef QUIZMORA_CORE_PAPER_HEADER_H_
#define QUIZMORA_CORE_PAPER_HEADER_H_

#include <string>

#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"

// Stores in `paper` the fields a new paper's header carries: its subject,
// its number of questions `total`, its allowance `minutes`, the date `date`
// (as the calendar writes today's) and the author's details from `tutor`.
// Other fields are left as they are. Typed and imported papers both get
// their header here, so their bytes agree.
void FillPaperHeader(PaperSkeleton& paper, TutorSkeleton& tutor, const char* subject, int total, double minutes,
                     const std::string& date);

#endif  // QUIZMORA_CORE_PAPER_HEADER_H_
