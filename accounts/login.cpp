#include "accounts/login.h"

bool loginTutor(const char*, const char*, TutorSkeleton&) { return false; }
bool LoginStudent(const char*, const char*, CandidateSkeleton&) { return false; }
