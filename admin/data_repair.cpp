#include "admin/data_repair.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <vector>

#include "admin/admin_status.h"
#include "admin/counted.h"
#include "admin/data_check.h"
#include "admin/data_folder.h"
#include "console/calendar.h"
#include "records/data_files.h"
#include "records/whole_files.h"

namespace {

// One change to a file, said in two tenses: once made, and by a dry run.
struct Change {
  std::string done;     // "FILE: cut 3 bytes ..."
  std::string planned;  // "FILE: would cut 3 bytes ..."
};

// What a repair changes in one file.
struct FilePlan {
  std::string name;
  DataKind kind = DataKind::kOther;
  uint64_t tail = 0;            // bytes after the last whole record
  std::vector<Change> changes;  // printed, one line each
  bool rewrite = false;         // some record is mended or dropped
};

void Say(const std::string& line) {
  const std::string out = line + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

bool Dropped(const std::vector<LibraryHeader>& headers, DataKind kind, long record) {
  if (kind != DataKind::kLibrary || static_cast<size_t>(record) > headers.size()) return false;
  const LibraryHeader& header = headers[static_cast<size_t>(record - 1)];
  return header.lastOfFile != header.record;
}

StoreStatus Plan(FilePlan* plan, const std::vector<LibraryHeader>& headers) {
  const RecordLayout& layout = *LayoutOf(plan->kind);
  const LoadResult scan =
      ScanRecords(plan->name, layout.size, WhenMissing::kFail, SIZE_MAX, [&](long record, const char* bytes) {
        const std::string at = plan->name + ": record " + std::to_string(record) + ": ";
        if (Dropped(headers, plan->kind, record)) {
          const std::string by =
              ", superseded by record " + std::to_string(headers[static_cast<size_t>(record - 1)].lastOfFile);
          plan->changes.push_back({at + "dropped" + by, at + "would be dropped" + by});
          plan->rewrite = true;
          return;
        }
        for (const FieldLayout& field : layout.fields) {
          if (field.kind != FieldKind::kText || TextTerminated(bytes, field)) continue;
          const std::string what = std::string(" text field ") + field.name;
          plan->changes.push_back({at + "terminated" + what, at + "would terminate" + what});
          plan->rewrite = true;
        }
      });
  plan->tail = scan.tail;
  // The tail is cut first, so it is said first.
  if (plan->tail > 0) {
    const std::string what = " " + Counted(static_cast<long long>(plan->tail), "byte") +
                             " after the last whole record into " + PartialTailName(plan->name);
    plan->changes.insert(plan->changes.begin(), {plan->name + ": cut" + what, plan->name + ": would cut" + what});
  }
  return scan.status;
}

// The new content of a planned file, written a piece at a time: its whole
// records less the dropped ones, every text terminated.
StoreStatus Rewrite(const FilePlan& plan, const std::vector<LibraryHeader>& headers) {
  const RecordLayout& layout = *LayoutOf(plan.kind);
  Replacement replacement;
  StoreStatus status = replacement.Begin(plan.name);
  if (!status.ok()) return status;
  std::string piece;
  StoreStatus written;
  const StoreStatus read =
      ScanRecords(plan.name, layout.size, WhenMissing::kFail, SIZE_MAX, [&](long record, const char* bytes) {
        if (Dropped(headers, plan.kind, record)) return;
        std::string mended(bytes, layout.size);
        for (const FieldLayout& field : layout.fields) {
          if (field.kind == FieldKind::kText) mended[field.offset + field.width - 1] = '\0';
        }
        piece += mended;
        if (piece.size() >= (1u << 16) && written.ok()) {
          written = replacement.Write(piece);
          piece.clear();
        }
      }).status;
  if (!read.ok()) return read;
  if (!written.ok()) return written;
  return replacement.Commit(piece);
}

// Returns the name of the backup folder for the local time `when`:
// "quizmora-backup-YYYYMMDD-HHMMSS".
std::string BackupFolderName(const std::tm& when) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%04d%02d%02d-%02d%02d%02d", kBackupFolderPrefix, when.tm_year + 1900,
                when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
  return name;
}

// The folder the files are copied into before they change, made on first
// use.
class Backup {
 public:
  StoreStatus Keep(platform::File& file, const std::string& name) {
    if (folder_.empty()) {
      const StoreStatus made = MakeFolder();
      if (!made.ok()) return made;
    }
    const StoreStatus copied = CopyToNewFile(file, folder_ + "/" + name);
    if (copied.ok()) Say("copied " + name + " into " + folder_ + "/");
    return copied;
  }

 private:
  StoreStatus MakeFolder() {
    const std::tm now = localNow();
    const std::string base = BackupFolderName(now);
    // Two repairs within one second get folders of their own.
    for (int n = 1;; ++n) {
      const std::string name = n == 1 ? base : base + "-" + std::to_string(n);
      const StoreStatus made = MakeDataFolder(name);
      if (made.ok()) {
        folder_ = name;
        return made;
      }
      if (made.error != EEXIST || n == 100) return made;
    }
  }

  std::string folder_;
};

// Mends one file under its lock; false after the message when it failed.
bool RepairFile(FilePlan* plan, const std::vector<LibraryHeader>& headers, bool dryRun, Backup* backup,
                FileLock* held) {
  FileLock own;
  FileLock* lock = held ? held : &own;
  if (!held) {
    const StoreStatus locked = own.Lock(plan->name, false);
    if (!locked.ok()) return Complain(DescribeFailure(locked, plan->name)), false;
  }
  StoreStatus status = Plan(plan, headers);
  if (status.ok() && plan->changes.empty()) return true;
  if (status.ok() && dryRun) {
    Say("would copy " + plan->name + " into a new " + kBackupFolderPrefix + "YYYYMMDD-HHMMSS/ folder");
    for (const Change& change : plan->changes) Say(change.planned);
    return true;
  }
  if (status.ok()) status = backup->Keep(lock->file(), plan->name);
  if (status.ok() && plan->tail > 0) status = CutPartialTail(lock->file(), plan->name, LayoutOf(plan->kind)->size);
  if (status.ok() && plan->rewrite) status = Rewrite(*plan, headers);
  if (!status.ok()) return Complain(DescribeFailure(status, plan->name)), false;
  for (const Change& change : plan->changes) Say(change.done);
  return true;
}

}  // namespace

int RunRepair(const AdminOptions& options) {
  // Said before anything else, so no line after it is read as done.
  if (options.dryRun) Say("dry run: nothing is written");
  // The library's lock first: publishing replaces question files under it.
  FileLock library;
  const bool haveLibrary = DataFileExists(SubjectFile);
  if (haveLibrary) {
    const StoreStatus locked = library.Lock(SubjectFile, false);
    if (!locked.ok()) return Complain(DescribeFailure(locked, SubjectFile)), kExitFailed;
  }
  std::vector<LibraryHeader> headers;
  StoreStatus status = ReadLibraryHeaders(&headers);
  if (!status.ok()) return Complain(DescribeFailure(status, SubjectFile)), kExitFailed;
  std::vector<std::string> names;
  status = ListDataFolder(".", &names);
  if (!status.ok()) return Complain(DescribeFailure(status, "the data folder")), kExitFailed;

  const std::set<std::string> named = NamedQuestionFiles(headers);
  Backup backup;
  bool ok = true;
  bool changed = false;
  // The library comes last: once it is replaced, the lock held on it no
  // longer guards the question files.
  for (const std::string& name : names) {
    FilePlan plan;
    plan.name = name;
    plan.kind = KindOf(name, named);
    // A journal belongs to the seat running its attempt: never changed here.
    if (!LayoutOf(plan.kind) || plan.kind == DataKind::kLibrary || plan.kind == DataKind::kJournal) continue;
    ok = RepairFile(&plan, headers, options.dryRun, &backup, nullptr) && ok;
    changed = changed || !plan.changes.empty();
  }
  if (haveLibrary) {
    FilePlan plan;
    plan.name = SubjectFile;
    plan.kind = DataKind::kLibrary;
    ok = RepairFile(&plan, headers, options.dryRun, &backup, &library) && ok;
    changed = changed || !plan.changes.empty();
  }
  if (options.dryRun) {
    if (!changed) Say("nothing would be changed");
    return ok ? kExitDone : kExitFailed;
  }
  const std::vector<std::string> problems = CheckDataFolder();
  PrintCheckReport(problems, KeptCopies());
  return ok && problems.empty() ? kExitDone : kExitFailed;
}
