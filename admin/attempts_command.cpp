#include "admin/attempts_command.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "admin/admin_status.h"
#include "admin/result_rows.h"
#include "console/calendar.h"
#include "core/attempts.h"
#include "core/wall_clock.h"
#include "records/data_files.h"
#include "records/whole_files.h"

namespace {

void Say(const std::string& line) {
  const std::string out = line + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
}

bool IsJournal(const std::string& name) {
  const std::string tail = journalExtension;
  return name.size() > tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

// "2026-12-07T09:05:07", the local time of `seconds`.
std::string IsoLocal(int64_t seconds) {
  const std::tm t = LocalTimeOf(seconds);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

double SecondsLeft(const AnswerSheet& sheet, int64_t now) {
  return sheet.allowed - static_cast<double>(now - sheet.started);
}

// Saves the journal `name` when its time is up and no seat holds it.
// Returns false after the message when a save failed.
bool Finish(const std::string& name, bool dryRun, int64_t now) {
  AttemptJournal journal;
  AnswerSheet sheet;
  if (journal.OpenFile(name, &sheet) != AttemptJournal::Found::kHeld) return true;
  if (SecondsLeft(sheet, now) >= 0) return true;
  const std::string date = dateOfToday();
  const std::string time = currentTime();
  CandidateSkeleton record;
  const AttemptSave saved = FinishAttempt(sheet, journal, date.c_str(), time.c_str(), dryRun, &record);
  if (!saved.common.ok()) return Complain(DescribeFailure(saved.common, CandiDatefilex)), false;
  if (!saved.own.ok()) {
    return Complain(DescribeFailure(saved.own, ResultFileName(record.setIDNumber(), record.setCandiNames()))), false;
  }
  if (!saved.answers.ok()) return Complain(DescribeFailure(saved.answers, AnswersFile)), false;
  Say("finished\t" + ToUtf8(record.setIDNumber()) + "\t" + ToUtf8(record.setCandiNames()) + "\t" +
      ToUtf8(sheet.subject) + "\t" + ShortestNumber(sheet.score));
  return true;
}

}  // namespace

std::string AttemptState(const AnswerSheet& sheet, int64_t now) {
  const double left = SecondsLeft(sheet, now);
  if (left < 0) return "time up";
  return "time left " + std::to_string(static_cast<long long>(std::floor(left))) + " s";
}

int RunAttempts(const AdminOptions& options) {
  std::vector<std::string> names;
  const StoreStatus listed = ListDataFolder(".", &names);
  if (!listed.ok()) return Complain(DescribeFailure(listed, "the data folder")), kExitFailed;
  const int64_t now = WallSecondsNow();
  bool ok = true;
  if (!options.finish) Say("id\tname\tsubject\tanswered\tquestions\tstarted\tstate");
  for (const std::string& name : names) {
    if (!IsJournal(name)) continue;
    if (options.finish) {
      ok = Finish(name, options.dryRun, now) && ok;
      continue;
    }
    AnswerSheet sheet;
    bool whole = false, busy = false;
    const StoreStatus read = PeekJournal(name, &sheet, &whole, &busy);
    if (!read.ok()) {
      Complain(DescribeFailure(read, name));
      ok = false;
      continue;
    }
    if (!whole) continue;  // not an attempt: check reports it
    Say(ToUtf8(sheet.id) + "\t" + ToUtf8(sheet.name) + "\t" + ToUtf8(sheet.subject) + "\t" +
        std::to_string(sheet.answered) + "\t" + std::to_string(sheet.questions) + "\t" + IsoLocal(sheet.started) +
        "\t" + (busy ? std::string("on a seat") : AttemptState(sheet, now)));
  }
  return ok ? kExitDone : kExitFailed;
}
