#include "accounts/login.h"

#include <iostream>

#include "console/console_io.h"
#include "core/accounts.h"
#include "records/data_files.h"

namespace {

// The lookup both logins share: the account whose ID is `id` is copied into
// `account` even when the password is wrong (the caller then discards it).
template <class Record>
bool logIn(const char* path, const char* id, const char* password, Record& account) {
  const int typed = leadingInteger(password);
  const AccountSearch search = FindAccount(path, id, &account);
  if (!search.available) {
    std::cerr << "\n\tError opening the file\n" << std::endl;
    return false;
  }
  if (search.records == 0) flushInput();
  return search.found && PasswordMatches(account.setLogInPassword(), typed);
}

}  // namespace

bool loginTutor(const char* id, const char* password, TutorSkeleton& tutor) {
  return logIn(accountRegFileTutor, id, password, tutor);
}

bool LoginStudent(const char* id, const char* password, CandidateSkeleton& candidate) {
  return logIn(accountRegFileCandi, id, password, candidate);
}
