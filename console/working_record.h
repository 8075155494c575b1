#ifndef QUIZMORA_CONSOLE_WORKING_RECORD_H_
#define QUIZMORA_CONSOLE_WORKING_RECORD_H_

#include <cstdint>

// Screen input buffers, the date and time texts, and the list capacities,
// shared by the screens. Nothing of it is stored; each screen overwrites the
// fields it uses. Every text field is at least as wide as the read limit of
// the screen that fills it.
struct WorkingRecord {
  char paperSubject[104];
  char tutorDepartment[100];
  char tutorLevel[100];
  char tutorName[100];
  char tutorContact[100];
  char tutorInstitution[100];
  char tutorEmail[100];
  char tutorCountry[100];
  char tutorID[100];
  char todayText[30];
  char nowText[25];
  char candidateName[100];
  char candidateID[300];
  char candidateLevel[100];
  char candidateCountry[300];
  char candidateEmail[100];
  char candidateContact[125];
  int32_t viewNumber;
  char viewText[5];
  char passwordText[103];
  int32_t passwordValue;
  char answerLetter;
  int32_t answerNumber;
  int32_t maxPapers;    // capacity of every in-memory list of paper headers
  int32_t maxResults;   // capacity of the detail and own-results lists
  int32_t maxAccounts;  // capacity of the candidate account lists
  int32_t questionTotal;
  char questionText[404];
  char correctLetter;
  char optionAText[300];
  char optionBText[300];
  char optionCText[300];
  char optionDText[300];
};

// The one shared working record; its capacities hold 500.
extern WorkingRecord abcdData;

#endif  // QUIZMORA_CONSOLE_WORKING_RECORD_H_
