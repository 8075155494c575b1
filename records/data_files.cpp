#include "records/data_files.h"

#include <cstring>

#include "platform/platform.h"

const char* const SubjectFile = "subjlib.abcdlib";
const char* const accountRegFileTutor = "accDataTtor.abcdAcc";
const char* const accountRegFileCandi = "accDataCdata.abcdAcc";
const char* const CandiDatefilex = "candidate.abcddata";
const char* const SettingsFile = "subjlib.abcdset";
const char* const AnswersFile = "answers.abcdans";
const char* const candidateExtension = ".abcdrpt";
const char* const journalExtension = ".abcdlive";
const char* const questionExtension = ".abcd";
const char* const printableExtension = ".qzmrpt";

char Questionfile[256];

namespace {

// A paper header keeps at most this many characters of a level.
constexpr size_t kStoredLevelLength = 49;

// Typed text becomes part of a file name in the working directory only:
// separators are replaced so no name can point into another directory.
char SafeNameChar(char c) { return (c == '/' || c == '\\') ? '_' : c; }

void AppendNamePart(std::string& name, const char* part, size_t max_length) {
  const size_t n = part ? strnlen(part, max_length) : 0;
  for (size_t i = 0; i < n; ++i) name += SafeNameChar(part[i]);
}

// The system's own rules come last (on Windows a device name gets a '_' in
// front), then the cut, so the name always fits in `max_length` bytes.
std::string FinishName(std::string name, size_t max_length) {
  platform::MakeNameSafeForSystem(&name);
  if (name.size() > max_length) name.resize(max_length);
  return name;
}

}  // namespace

std::string QuestionFileName(const char* subject, const char* level, const char* author) {
  std::string name;
  AppendNamePart(name, subject, kMaxFileNameLength);
  name += '_';
  AppendNamePart(name, level, kStoredLevelLength);
  name += '_';
  AppendNamePart(name, author, kMaxFileNameLength);
  name += questionExtension;
  return FinishName(name, kMaxFileNameLength);
}

char* ComposeQuestionFile(const char* subject, const char* level, const char* author) {
  const std::string name = QuestionFileName(subject, level, author);
  std::memcpy(Questionfile, name.c_str(), name.size() + 1);
  return Questionfile;
}

namespace {

// ID "_" name, then `extension`: the names of a candidate's own files.
std::string CandidateFileName(const char* id, const char* name, const char* extension) {
  std::string file;
  AppendNamePart(file, id, kMaxFileNameLength);
  file += '_';
  AppendNamePart(file, name, kMaxFileNameLength);
  file += extension;
  return FinishName(file, kMaxFileNameLength);
}

}  // namespace

std::string ResultFileName(const char* id, const char* name) { return CandidateFileName(id, name, candidateExtension); }

std::string JournalFileName(const char* id, const char* name) { return CandidateFileName(id, name, journalExtension); }

void KeepInWorkingDirectory(char* name, size_t room) {
  if (room == 0) return;
  std::string safe;
  AppendNamePart(safe, name, room - 1);
  safe = FinishName(safe, room - 1);
  std::memcpy(name, safe.c_str(), safe.size() + 1);
}
