#ifndef QUIZMORA_SCOREBOARD_SCORE_BOARD_MENUS_H_
#define QUIZMORA_SCOREBOARD_SCORE_BOARD_MENUS_H_

#include "console/destinations.h"

// The home menu's Score Board. `totalCandidates` holds the count of the list
// last drawn. Returns to the home loop, or ends the program.
void scoreBoardArea(int& totalCandidates);

// The logged-in tutor's "All student Performance" view. Returns the tutor
// screen to show next (the logged-in menu, or the view-all-papers screen
// after a printable file was saved), or ends the program.
TutorDestination studentPerformanceView();

#endif  // QUIZMORA_SCOREBOARD_SCORE_BOARD_MENUS_H_
