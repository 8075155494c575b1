#include <iostream>

#include "home/home.h"
#include "platform/platform.h"

// The score board's count of listed candidates.
static int _totalCandidates = 0;

int main() {
  // Output is flushed before every read and at every end of the program.
  std::ios::sync_with_stdio(false);
  platform::PrepareConsole();
  runHomeLoop(_totalCandidates);
}
