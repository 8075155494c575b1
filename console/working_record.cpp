#include "console/working_record.h"

namespace {

WorkingRecord makeWorkingRecord() {
  WorkingRecord record{};
  record.maxPapers = 500;
  record.maxResults = 500;
  record.maxAccounts = 500;
  return record;
}

}  // namespace

WorkingRecord abcdData = makeWorkingRecord();
