#ifndef QUIZMORA_ASSESSMENT_CATALOGUE_H_
#define QUIZMORA_ASSESSMENT_CATALOGUE_H_

// Prints the papers of the subject library (or that there are none),
// creating an empty library when it is missing. Leaves standard output
// left-adjusted.
void displayAllPapers();

// Returns true (after saying so) when the library holds no whole paper;
// returns false and prints nothing otherwise. Creates a missing library.
bool emptySubjectLib();

#endif  // QUIZMORA_ASSESSMENT_CATALOGUE_H_
