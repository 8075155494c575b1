#ifndef QUIZMORA_ADMIN_OUTPUT_SINK_H_
#define QUIZMORA_ADMIN_OUTPUT_SINK_H_

#include <string>

#include "records/store.h"

// Where a command's output goes: standard output, or a file (-o FILE) that
// is replaced atomically only when the output is complete. Output is
// passed on in pieces, so memory stays constant whatever its size.
class OutputSink {
 public:
  // Opens standard output when `path` is empty; otherwise begins replacing
  // `path` (nothing changes there before Finish).
  StoreStatus Open(const std::string& path);
  // Adds `bytes` to the output; a failure is remembered for Finish.
  void Write(const std::string& bytes);
  // Passes on what is left and, for a file, puts it in place. Returns the
  // first failure of the whole output.
  StoreStatus Finish();
  // The name to use in messages ("standard output" or the file's).
  const std::string& name() const { return name_; }

 private:
  void Flush();

  bool toFile_ = false;
  std::string name_ = "standard output";
  std::string pending_;
  Replacement file_;
  StoreStatus failed_;
};

#endif  // QUIZMORA_ADMIN_OUTPUT_SINK_H_
