#include "accounts/registration.h"

#include <iostream>

#include "console/console_io.h"
#include "console/number_entry.h"
#include "console/working_record.h"
#include "core/accounts.h"
#include "core/limits.h"
#include "records/data_files.h"
#include "records/store.h"

namespace {

// Every registration text keeps at most kMaxAccountTextBytes characters.
constexpr size_t kTextLimit = kMaxAccountTextBytes + 1;

// The texts in which the two registrations differ.
struct FormTexts {
  const char* path;
  const char* openFailure;
  const char* writeFailure;
  const char* success;
};

const FormTexts kTutorTexts = {
    accountRegFileTutor,
    "\n\tError while opening a file to register tutor account...\n",
    "\n\tError while writting to tutor account file...\n\n",
    "\n\tYour information has been saved succesfully, now you can proceed to login page. \n",
};

// The candidate side reports a failed write with the tutor's text.
const FormTexts kCandidateTexts = {
    accountRegFileCandi,
    "\n\tError while opening a file to register candidate account...\n",
    "\n\tError while writting to tutor account file...\n",
    "\n\tYour information has been saved succesfully, now you can proceed to login page.\n",
};

int enterTutorPassword() {
  return enterNumber(
      NumberEntry{"\n\tSet your Password (Easy for you) : ", abcdData.passwordText, kTextLimit, kHighestPassword,
                  nullptr, "\n\tNegatives are not allowed. Only Positive integers are allowed. \n\t",
                  "\n\tThe character/number you have entered is out of range. The range is between 1 and 9000000.\n\n",
                  nullptr, false, true});
}

int enterCandidatePassword() {
  return enterNumber(
      NumberEntry{"\n Set your Password ( Easy for you , hard for me ) : ", abcdData.passwordText, kTextLimit,
                  kHighestPassword, nullptr, "\n Negatives are not allowed. Only Positive integers are allowed. \n\n",
                  "\nThe character/number you have entered is out of range. The range is between 1 and 9000000.\n\t",
                  nullptr, false, true});
}

// Shows that another account holds the ID just typed (found by the check
// before the form goes on, or by the one under the file's lock).
void showTutorDuplicate() {
  std::cout << "\n\tSorry... Id you entered already exists, try again with a different ID number.\n" << std::endl;
  pauseScreen();
}

void showCandidateDuplicate() {
  std::cout << "\n\tSorry... Id/Passport Number you entered already exists, try again with a different ID number.\n"
            << std::endl;
  pauseScreen();
}

void askTutorID() {
  do {
    readNonEmptyLine("\nYour ID/Passport Number          : ", abcdData.tutorID, kTextLimit);
  } while (noDuplicateIDTUTOR(abcdData.tutorID));
}

void askCandidateID() {
  do {
    readNonEmptyLine("\n Your ID/Passport Number   : ", abcdData.candidateID, kTextLimit);
  } while (noDuplicateIDSTUDENT(abcdData.candidateID));
}

// Shows that another seat registered the ID since it was checked, and asks
// for the ID again. Returns the new ID.
const char* askTutorIDAgain() {
  showTutorDuplicate();
  askTutorID();
  return abcdData.tutorID;
}

const char* askCandidateIDAgain() {
  // Pending input is discarded before the message, as the check does once
  // there is a record to compare with.
  flushInput();
  showCandidateDuplicate();
  askCandidateID();
  return abcdData.candidateID;
}

// The account to store holds only what the form asked for: a working
// record may still carry a subject, a score or a level from earlier use.
CandidateSkeleton newCandidateAccount(CandidateSkeleton& typed) {
  CandidateSkeleton account;
  account.getCandiNames(typed.setCandiNames());
  account.getIDNumber(typed.setIDNumber());
  account.getcandiCountry(typed.setcandiCountry());
  account.getContact(typed.setContact());
  account.getEmail(typed.setEmail());
  account.getCandiLevel(typed.setCandiLevel());
  account.getLogInPassword(typed.setLogInPassword());
  return account;
}

TutorSkeleton newTutorAccount(TutorSkeleton& typed) {
  TutorSkeleton account;
  static_cast<CandidateSkeleton&>(account) = newCandidateAccount(typed);
  account.get_Institution(typed.set_Institution());
  account.get_Deparment(typed.set_Department());
  return account;
}

// Appends the account and reports the outcome. When another seat registered
// the same ID since it was checked, `askAgain` shows the duplicate and asks
// for a new ID, and the append is tried again. Returns true when the record
// is safely stored.
template <class Record>
bool appendAccount(Record& account, const FormTexts& texts, const char* (*askAgain)()) {
  StoreStatus status;
  for (;;) {
    bool duplicate = false;
    status = AppendNewAccount(texts.path, EncodeRecord(account), account.setIDNumber(), &duplicate);
    if (!status.ok() || !duplicate) break;
    account.getIDNumber(askAgain());
  }
  if (!status.ok()) {
    std::cerr << (status.openFailed() ? texts.openFailure : texts.writeFailure);
    std::cerr.flush();
    return false;
  }
  flushInput();
  clearScreen();
  std::cout << texts.success << std::endl;
  return true;
}

}  // namespace

bool registerTutor(TutorSkeleton& tutor, PaperSkeleton& paper) {
  flushInput();
  readNonEmptyLine("\nYour Name                        : ", abcdData.tutorName, kTextLimit);
  tutor.getCandiNames(abcdData.tutorName);
  paper.getCandiNames(abcdData.tutorName);
  askTutorID();
  tutor.getIDNumber(abcdData.tutorID);
  readNonEmptyLine("\nYour Nationality                 : ", abcdData.tutorCountry, kTextLimit);
  tutor.getcandiCountry(abcdData.tutorCountry);
  readNonEmptyLine("\nYour Contact                     : ", abcdData.tutorContact, kTextLimit);
  tutor.getContact(abcdData.tutorContact);
  paper.getContact(abcdData.tutorContact);
  readNonEmptyLine("\nYour Email                       : ", abcdData.tutorEmail, kTextLimit);
  tutor.getEmail(abcdData.tutorEmail);
  paper.getEmail(abcdData.tutorEmail);
  readNonEmptyLine("\nInstitution                      : ", abcdData.tutorInstitution, kTextLimit);
  tutor.get_Institution(abcdData.tutorInstitution);
  paper.get_Institution(abcdData.tutorInstitution);
  readNonEmptyLine("\nSubject Department               : ", abcdData.tutorDepartment, kTextLimit);
  tutor.get_Deparment(abcdData.tutorDepartment);
  paper.get_Deparment(abcdData.tutorDepartment);
  readNonEmptyLine("\nSubject Level                    : ", abcdData.tutorLevel, kTextLimit);
  tutor.getCandiLevel(abcdData.tutorLevel);

  abcdData.passwordValue = enterTutorPassword();
  tutor.getLogInPassword(abcdData.passwordValue);
  TutorSkeleton account = newTutorAccount(tutor);
  return appendAccount(account, kTutorTexts, askTutorIDAgain);
}

bool registerCandidate(CandidateSkeleton& candidate) {
  flushInput();
  readNonEmptyLine("\n Your Name                 : ", abcdData.candidateName, kTextLimit);
  candidate.getCandiNames(abcdData.candidateName);
  askCandidateID();
  candidate.getIDNumber(abcdData.candidateID);
  readNonEmptyLine("\n Your Nationality          : ", abcdData.candidateCountry, kTextLimit);
  candidate.getcandiCountry(abcdData.candidateCountry);
  readNonEmptyLine("\n Your Contact              : ", abcdData.candidateContact, kTextLimit);
  candidate.getContact(abcdData.candidateContact);
  readNonEmptyLine("\n Your Email                : ", abcdData.candidateEmail, kTextLimit);
  candidate.getEmail(abcdData.candidateEmail);
  readNonEmptyLine("\n Candidate Level           : ", abcdData.candidateLevel, kTextLimit);
  candidate.getCandiLevel(abcdData.candidateLevel);

  abcdData.passwordValue = enterCandidatePassword();
  candidate.getLogInPassword(abcdData.passwordValue);
  CandidateSkeleton account = newCandidateAccount(candidate);
  return appendAccount(account, kCandidateTexts, askCandidateIDAgain);
}

bool noDuplicateIDTUTOR(const char* id) {
  const AccountSearch search = FindAccount<TutorSkeleton>(accountRegFileTutor, id, nullptr);
  if (!search.available) {
    // Reported once; the ID counts as new and the append that follows
    // reports its own failure.
    std::cerr << "\n\t\tError encountered while accessing the file to wirte the account.\n";
    std::cerr.flush();
    return false;
  }
  if (!search.found) return false;
  showTutorDuplicate();
  return true;
}

bool noDuplicateIDSTUDENT(const char* id) {
  // The candidate side prints nothing when its file is unavailable.
  const AccountSearch search = FindAccount<CandidateSkeleton>(accountRegFileCandi, id, nullptr);
  // Pending input is discarded once there is a record to compare with.
  if (search.records > 0) flushInput();
  if (!search.found) return false;
  showCandidateDuplicate();
  return true;
}
