// The cost of keeping one answer: the running attempt's journal rewritten
// whole (written beside it, synced, locked, renamed over it, its folder
// synced) 1000 times in a folder on the machine's disk, as a seat does
// after every answer. Prints the median and the worst of the 1000, wall
// and CPU.
//
// Usage: quizmora_journal_bench DIR

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "core/answer_sheets.h"
#include "core/attempt_journal.h"
#include "records/field_text.h"

namespace {

double cpuSeconds() {
  std::timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-5s median %.3f ms, worst %.3f ms (%zu answers)\n", what, ms[ms.size() / 2], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quizmora_journal_bench DIR\n");
    return 2;
  }
  std::filesystem::current_path(argv[1]);  // the journal lies in DIR
  AnswerSheet sheet;
  StoreText(sheet.id, "C1");
  StoreText(sheet.name, "Ann Lee");
  sheet.questions = 1000;
  sheet.allowed = 120000;
  for (int i = 0; i < 1000; ++i) sheet.key[i] = static_cast<char>('A' + i % 4);
  AttemptJournal journal;
  std::vector<double> wall, cpu;
  for (int i = 0; i < 1000; ++i) {
    KeepAnswer(sheet, static_cast<size_t>(i), 1 + i % 4);
    const auto start = std::chrono::steady_clock::now();
    const double startCpu = cpuSeconds();
    if (!journal.Keep(sheet).ok()) {
      std::fprintf(stderr, "the journal could not be written\n");
      return 1;
    }
    cpu.push_back((cpuSeconds() - startCpu) * 1000);
    wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  journal.Remove();
  report("wall", wall);
  report("cpu", cpu);
  return 0;
}
