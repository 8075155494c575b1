#ifndef QUIZMORA_BUILDER_PAPER_DEFINITION_H_
#define QUIZMORA_BUILDER_PAPER_DEFINITION_H_

#include "records/paper_skeleton.h"
#include "records/tutor_skeleton.h"

// The first steps of setting a paper: its subject, its number of questions
// and its time allowance, and the header that records them.

// Shows the opening line and asks for the subject until one is typed. The
// subject stays in abcdData.paperSubject and is stored in both records.
void enterSubject(TutorSkeleton& tutor, PaperSkeleton& paper);

// Asks for the number of questions until a value from 1 to 1000 is typed,
// keeps it in abcdData.questionTotal and returns it.
int enterQuestionTotal();

// The time-allowance menu. Returns the letter chosen: Y, N, D, y, n or d.
char definePaperTime();

// Returns the minutes allowed for a paper of `total` questions after
// `choice` of definePaperTime: 2 a question, 1 a question, or (D) as many
// as the tutor types, 1 to 100000.
double allowedMinutes(char choice, int total);

#endif  // QUIZMORA_BUILDER_PAPER_DEFINITION_H_
