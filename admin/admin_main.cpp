// quizmora-admin: the companion tool of Quizmora (see admin/admin_commands.h).
#include "admin/admin_commands.h"

int main(int argc, char** argv) { return RunAdmin(argc, argv); }
