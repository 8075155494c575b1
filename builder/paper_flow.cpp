#include "builder/paper_flow.h"

TutorDestination paperFlow(TutorSkeleton&, PaperSkeleton&) { return TutorDestination::kLoggedInMenu; }
