#include "builder/tutor_area.h"

void tutorArea(TutorSkeleton&, PaperSkeleton&) {}
