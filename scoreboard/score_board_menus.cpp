#include "scoreboard/score_board_menus.h"

void scoreBoardArea(int&) {}

TutorDestination studentPerformanceView() { return TutorDestination::kLoggedInMenu; }
