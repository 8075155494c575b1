// Checks the file operations of the platform interface on the system it was
// built for, without GoogleTest (which the cross build lacks): the Wine
// journeys run it in a fresh folder. Prints one line per failed check and
// exits 1 when any failed.
#include <cerrno>
#include <iostream>
#include <string>

#include "platform/platform.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  if (ok) return;
  ++failures;
  std::cout << "FAILED: " << what << "\n";
}

std::string ReadAll(const std::string& path) {
  platform::File file;
  if (!platform::OpenFile(path, platform::kRead, &file, nullptr).ok()) return "<cannot open>";
  std::string bytes;
  char buffer[256];
  size_t got = 0;
  while (file.Read(buffer, sizeof buffer, &got).ok() && got > 0) bytes.append(buffer, got);
  return bytes;
}

}  // namespace

int main() {
  using namespace platform;
  // Opening, creating and appending; a name in UTF-8.
  for (const std::string name : {"data.bin", "caf\xc3\xa9.abcd"}) {
    File file;
    bool created = false;
    Check(OpenFile(name, kReadWrite | kCreate, &file, &created).ok() && created, "create");
    Check(file.Append("abc", 3).ok() && file.Append("de", 2).ok() && file.Sync().ok(), "append");
    uint64_t size = 0;
    Check(file.Size(&size).ok() && size == 5, "size");
    file.Close();
    Check(OpenFile(name, kReadWrite | kCreate, &file, &created).ok() && !created, "open existing");
    Check(ReadAll(name) == "abcde", "read back");
    Check(PathExists(name), "exists");
  }
#ifdef _WIN32
  // Bytes that are not UTF-8 are read as code page 1252: the same name.
  Check(ReadAll("caf\xe9.abcd") == "abcde", "a name that is not UTF-8");
#endif

  // Reads at an offset leave the position alone; truncation cuts.
  File file;
  Check(OpenFile("data.bin", kReadWrite, &file, nullptr).ok(), "reopen");
  char two[2];
  size_t got = 0;
  Check(file.ReadAt(3, two, 2, &got).ok() && got == 2 && two[0] == 'd', "read at");
  Check(file.Read(two, 2, &got).ok() && got == 2 && two[0] == 'a', "position kept");
  Check(file.ReadAt(50, two, 2, &got).ok() && got == 0, "read beyond the end");
  Check(file.Truncate(4).ok() && ReadAll("data.bin") == "abcd", "truncate");

  // The lock: a second handle waits and times out; readers are not stopped.
  Check(file.LockExclusive(1000).ok(), "lock");
  File other;
  Check(OpenFile("data.bin", kReadWrite, &other, nullptr).ok(), "second handle");
  const Status busy = other.LockExclusive(50);
  Check(busy.error == ETIMEDOUT, "second lock times out");
  Check(ReadAll("data.bin") == "abcd", "locked file still readable");
  Check(other.Append("e", 1).ok(), "locked file still writable by others");
  file.Close();
  Check(other.LockExclusive(1000).ok(), "lock free after close");

  // Replacement, and telling which file a name stands for.
  other.Close();
  File temp;
  std::string temp_path;
  Check(CreateTemporaryBeside("./data.bin", &temp, &temp_path).ok(), "temporary");
  Check(temp.Append("new", 3).ok() && temp.Sync().ok() && temp.Close().ok(), "write temporary");
  Check(ReplaceFile(temp_path, "./data.bin").ok(), "replace");
  Check(ReadAll("data.bin") == "new", "replacement read");
  Check(!PathExists(temp_path), "temporary gone");
  Check(OpenFile("data.bin", kRead, &other, nullptr).ok(), "open the replacement");
  bool same = false;
  Check(other.IsNamedBy("data.bin", &same).ok() && same, "named by its name");
  Check(other.IsNamedBy("caf\xc3\xa9.abcd", &same).ok() && !same, "not named by another file's name");
  Check(other.IsNamedBy("missing.bin", &same).ok() && !same, "not named by a missing name");
  other.Close();

  // A whole path beyond 260 characters: a folder with a long name holding
  // the longest name the program composes.
  const std::string folder(120, 'f');
  const std::string deep = folder + "/" + std::string(250, 'n') + ".abcd";
  Check(MakeDirectory(folder).ok(), "long folder");
  Check(OpenFile(deep, kReadWrite | kCreate, &file, nullptr).ok() && file.Append("xy", 2).ok(), "long path");
  file.Close();
  Check(CreateTemporaryBeside(deep, &temp, &temp_path).ok() && temp.Append("z", 1).ok() && temp.Close().ok() &&
            ReplaceFile(temp_path, deep).ok(),
        "replace at a long path");
  Check(ReadAll(deep) == "z" && RemoveFile(deep).ok() && !PathExists(deep), "read and remove at a long path");

  // Errors carry their cause.
  Check(OpenFile("missing.bin", kRead, &file, nullptr).error == ENOENT, "ENOENT");
  Check(MakeDirectory("folder").ok() && !WritableOrMissing("folder") && WritableOrMissing("missing.bin"),
        "writable or missing");
  Check(OpenFile("folder", kReadWrite, &file, nullptr).error == EISDIR, "EISDIR");
  Check(RemoveFile("missing.bin").error == ENOENT, "remove missing");
  Check(Describe(ENOSPC) == "No space left on device", "describe");

  std::cout << (failures == 0 ? "platform checks passed\n" : "platform checks failed\n");
  return failures == 0 ? 0 : 1;
}
