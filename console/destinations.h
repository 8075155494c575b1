#ifndef QUIZMORA_CONSOLE_DESTINATIONS_H_
#define QUIZMORA_CONSOLE_DESTINATIONS_H_

// Where a flow started from the logged-in tutor menu hands control back.
enum class TutorDestination {
  kLoggedInMenu,
  kLoggedOutMenu,
  kViewAllPapers,
};

#endif  // QUIZMORA_CONSOLE_DESTINATIONS_H_
