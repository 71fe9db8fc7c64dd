#include "engine/attempt_log.h"

namespace vorlant {

void ClearLog(AttemptLog &log)
{
    log.records.fill(AttemptRecord{});
}

int RecordCount(const LogRecords &records)
{
    int n = 0;
    while (n < kLogRecords && records[n].length != 0)
        ++n;
    return n;
}

} // namespace vorlant
