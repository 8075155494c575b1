#include "admin/counted.h"

std::string Counted(long long count, const std::string& singular, const std::string& plural) {
  return Counted(std::to_string(count), singular, plural);
}

std::string Counted(const std::string& count, const std::string& singular, const std::string& plural) {
  if (count == "1") return count + " " + singular;
  return count + " " + (plural.empty() ? singular + "s" : plural);
}
