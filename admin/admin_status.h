#ifndef QUIZMORA_ADMIN_ADMIN_STATUS_H_
#define QUIZMORA_ADMIN_ADMIN_STATUS_H_

#include <string>

#include "records/store.h"

// Exit statuses of quizmora-admin and the one way it prints a message.

constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;  // failed, or problems found
constexpr int kExitUsage = 2;   // wrong usage

// Prints "quizmora-admin: " + message and a line end on standard error.
void Complain(const std::string& message);

// Returns what went wrong with `file` in a store operation, for example
// "cannot read candidate.abcddata: Input/output error".
std::string DescribeFailure(const StoreStatus& status, const std::string& file);

#endif  // QUIZMORA_ADMIN_ADMIN_STATUS_H_
