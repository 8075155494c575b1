#ifndef QUIZMORA_PLATFORM_WINDOWS_NAMES_H_
#define QUIZMORA_PLATFORM_WINDOWS_NAMES_H_

#include <string>

// Windows' rules for file names, compiled on every system so that they are
// tested everywhere; only the Windows build applies them.

// Returns `name` with each character Windows forbids in a file name
// (`<>:"|?*` and the control bytes 1 to 31) replaced by '_', and with a '_'
// in front when the part before its first dot (trailing blanks aside) is a
// device name, in any case: CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9.
std::string WindowsSafeName(std::string name);

#endif  // QUIZMORA_PLATFORM_WINDOWS_NAMES_H_
