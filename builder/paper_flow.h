#ifndef QUIZMORA_BUILDER_PAPER_FLOW_H_
#define QUIZMORA_BUILDER_PAPER_FLOW_H_

#include "console/destinations.h"
#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"

// Setting a paper (Q of the logged-in tutor menu): definition, question
// entry, review, edit, save and practice. Returns the tutor menu to show
// next, or ends the program.
TutorDestination paperFlow(TutorSkeleton& currentTutor, PaperSkeleton& currentPaper);

#endif  // QUIZMORA_BUILDER_PAPER_FLOW_H_
