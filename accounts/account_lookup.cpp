#include "accounts/account_lookup.h"

#include "records/data_files.h"

bool OpenAccountFile(const char* path, std::ifstream& in) {
  // When the file can be neither opened nor created (an unwritable
  // directory, a file without read permission) the caller gives up instead
  // of retrying for ever.
  OpenOrCreate(path, in);
  return in.is_open();
}
