#ifndef QUIZMORA_TESTS_SCRATCH_DIR_H_
#define QUIZMORA_TESTS_SCRATCH_DIR_H_

#include <string>

// A fresh temporary directory for one test, removed with everything in it
// when the object goes out of scope.
class ScratchDir {
 public:
  ScratchDir();
  // Makes the directory inside `parent` instead of the system's temporary
  // directory.
  explicit ScratchDir(const std::string& parent);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // Returns the directory's absolute path.
  const std::string& path() const { return path_; }
  // Returns the absolute path of `name` inside the directory.
  std::string file(const std::string& name) const;

  // Writes `bytes` as the whole content of `name`.
  void write(const std::string& name, const std::string& bytes) const;
  // Appends `bytes` to `name`.
  void append(const std::string& name, const std::string& bytes) const;
  // Returns the whole content of `name` ("" when it does not exist).
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  // Returns the size of `name`, or -1 when it does not exist.
  long long size(const std::string& name) const;

 private:
  std::string path_;
};

#endif  // QUIZMORA_TESTS_SCRATCH_DIR_H_
