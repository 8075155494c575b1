// quizmora-admin: the companion tool of Quizmora (see admin/admin_commands.h).
#include "admin/admin_commands.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  // Binary standard streams, so the tool's output is the same bytes everywhere.
  platform::PrepareConsole();
  return RunAdmin(argc, argv);
}
