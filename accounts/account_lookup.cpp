#include "accounts/account_lookup.h"

#include "records/data_files.h"

bool OpenAccountFile(const char* path, std::ifstream& in) {
  in.open(path, std::ios::binary);
  if (in.is_open()) return true;
  // A missing file is created and opened once more. When even that fails
  // (an unwritable directory, a file without read permission) the caller
  // gives up instead of retrying for ever.
  if (!CreateEmptyFile(path)) return false;
  in.clear();
  in.open(path, std::ios::binary);
  return in.is_open();
}
