#include "tests/scratch_dir.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

ScratchDir::ScratchDir() : ScratchDir(std::filesystem::temp_directory_path().string()) {}

ScratchDir::ScratchDir(const std::string& parent) {
  std::string pattern = (std::filesystem::path(parent) / "quizmora-test-XXXXXX").string();
  if (!::mkdtemp(&pattern[0])) throw std::runtime_error("cannot create a temporary directory");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  // A test may have made parts read-only; give them back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::file(const std::string& name) const { return path_ + "/" + name; }

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(file(name), std::ios::binary | std::ios::trunc) << bytes;
}

void ScratchDir::append(const std::string& name, const std::string& bytes) const {
  std::ofstream(file(name), std::ios::binary | std::ios::app) << bytes;
}

std::string ScratchDir::read(const std::string& name) const {
  std::ifstream in(file(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool ScratchDir::exists(const std::string& name) const {
  struct stat st;
  return ::stat(file(name).c_str(), &st) == 0;
}

long long ScratchDir::size(const std::string& name) const {
  struct stat st;
  if (::stat(file(name).c_str(), &st) != 0) return -1;
  return static_cast<long long>(st.st_size);
}
