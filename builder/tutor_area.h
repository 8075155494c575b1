#ifndef QUIZMORA_BUILDER_TUTOR_AREA_H_
#define QUIZMORA_BUILDER_TUTOR_AREA_H_

#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"

// The tutor area, entered from the home menu with the pass's working records.
// Returns when the user goes back to the home menu, or ends the program.
void tutorArea(TutorSkeleton& currentTutor, PaperSkeleton& currentPaper);

#endif  // QUIZMORA_BUILDER_TUTOR_AREA_H_
