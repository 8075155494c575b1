#include "core/wall_clock.h"

#include "platform/pinned_clock.h"

namespace {

int64_t testSeconds = -1;

}  // namespace

int64_t WallSecondsNow() {
  if (testSeconds >= 0) return testSeconds;
  std::tm pinned;
  if (PinnedMoment(&pinned)) return static_cast<int64_t>(std::mktime(&pinned));
  return static_cast<int64_t>(std::time(nullptr));
}

void SetWallSecondsForTesting(int64_t seconds) { testSeconds = seconds; }

std::tm LocalTimeOf(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  // The programs are single-threaded: the shared result is copied at once.
  const std::tm* local = std::localtime(&t);
  return local ? *local : std::tm{};
}
