#ifndef QUIZMORA_ADMIN_EXPORT_PAPER_H_
#define QUIZMORA_ADMIN_EXPORT_PAPER_H_

#include "admin/admin_options.h"

// export-paper: writes a paper of the library as Aiken or GIFT text, for
// its author only (the answers are in it). Questions go out in the order of
// its question file; importing the text again gives the same records.
int RunExportPaper(const AdminOptions& options);

#endif  // QUIZMORA_ADMIN_EXPORT_PAPER_H_
