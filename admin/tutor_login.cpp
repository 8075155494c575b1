#include "admin/tutor_login.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "admin/admin_status.h"
#include "admin/paper_text.h"
#include "core/accounts.h"
#include "core/limits.h"
#include "platform/platform.h"
#include "records/data_files.h"
#include "records/store.h"

namespace {

const char* const kNotRecognised = "tutor ID or password not recognised";

// Reads the password; returns kExitDone, or the status to end with.
int ReadPassword(const std::string& id, bool fromStdin, std::string* password) {
  if (fromStdin) {
    if (!std::getline(std::cin, *password)) password->clear();
    if (!password->empty() && password->back() == '\r') password->pop_back();
    return kExitDone;
  }
  std::fflush(stderr);
  switch (platform::ReadHiddenLine("quizmora-admin: password for tutor " + id + ": ", password)) {
    case platform::HiddenLine::kRead: return kExitDone;
    case platform::HiddenLine::kEnded: Complain("no password typed"); return kExitFailed;
    case platform::HiddenLine::kNoTerminal: break;
  }
  Complain("no terminal to read the password from: give it on standard input with --password-stdin");
  return kExitUsage;
}

// Returns the password `text` stands for (blanks around it allowed), or 0
// when it is not a whole number from 1 to 9000000.
int PasswordValue(const std::string& text) {
  const std::string digits = TrimBlanks(text);
  if (digits.empty() || digits.size() > 7) return 0;  // 9000000 has seven digits
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value <= kHighestPassword ? value : 0;
}

}  // namespace

int LogInTutor(const std::string& id, bool fromStdin, TutorSkeleton* tutor) {
  std::string password;
  const int read = ReadPassword(id, fromStdin, &password);
  if (read != kExitDone) return read;
  // Nothing is written: a missing account file means no tutor is registered.
  const AccountSearch search = FindAccount(accountRegFileTutor, id.c_str(), tutor, WhenMissing::kFail);
  if (!search.status.ok() && search.status.error != ENOENT) {
    Complain(DescribeFailure(search.status, accountRegFileTutor));
    return kExitFailed;
  }
  // The first account with the ID is the one login uses; a damaged stored
  // password outside 1 to 9000000 matches nothing.
  if (!search.found || !PasswordMatches(tutor->setLogInPassword(), PasswordValue(password))) {
    Complain(kNotRecognised);
    return kExitFailed;
  }
  return kExitDone;
}
