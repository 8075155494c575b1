#include "platform/windows_names.h"

#include <cstring>

namespace {

bool ForbiddenInName(unsigned char c) {
  return (c >= 1 && c <= 31) || (c != 0 && std::strchr("<>:\"|?*", c) != nullptr);
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows opens the device, not a file, for these names whatever the
// extension, and it ignores blanks at the end of the stem when it checks.
bool IsDeviceName(const std::string& name) {
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = Upper(c);
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

std::string WindowsSafeName(std::string name) {
  for (char& c : name) {
    if (ForbiddenInName(static_cast<unsigned char>(c))) c = '_';
  }
  if (IsDeviceName(name)) name.insert(name.begin(), '_');
  return name;
}
