#ifndef QUIZMORA_HOME_HOME_H_
#define QUIZMORA_HOME_HOME_H_

// Shows the home menu and returns the number typed (no range check).
int menu();

// The About screen. Returns when the user asks for the home menu; ends the
// program on F.
void aboutScreen();

// The home loop: one pass per home menu, each with fresh working records of
// the areas. Never returns; the program ends inside it. `totalCandidates` is
// the score board's count, kept by main.
[[noreturn]] void runHomeLoop(int& totalCandidates);

#endif  // QUIZMORA_HOME_HOME_H_
