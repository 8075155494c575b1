#include "assessment/candidate_area.h"

void candidateArea(CandidateSkeleton&) {}
