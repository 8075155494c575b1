#ifndef QUIZMORA_BUILDER_TUTOR_MENUS_H_
#define QUIZMORA_BUILDER_TUTOR_MENUS_H_

#include "records/tutor_skeleton.h"

// Shows the logged-out tutor menu (register, log in, previous menu, exit)
// and returns the one-letter choice read.
char logged_Out();

// Shows the logged-in tutor menu for `tutor`, with a greeting, and returns
// the one-letter choice read.
char logged_In_TUTOR(TutorSkeleton& tutor);

#endif  // QUIZMORA_BUILDER_TUTOR_MENUS_H_
