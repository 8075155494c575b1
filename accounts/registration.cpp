#include "accounts/registration.h"

bool registerTutor(TutorSkeleton&, PaperSkeleton&) { return false; }
bool registerCandidate(CandidateSkeleton&) { return false; }
bool noDuplicateIDTUTOR(const char*) { return false; }
bool noDuplicateIDSTUDENT(const char*) { return false; }
