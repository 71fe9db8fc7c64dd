#pragma once

#include "engine/attempt_log.h"
#include "store/results_name.h"
#include "store/sheet_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

// The sheet "Pokusy": one row an attempt, with the columns of the CSV export. The time of the
// test is a date-time cell, success the number 0 or 1.
SheetTable EmptyAttemptsSheet();

// Appends a row for each attempt of log, the records before the first of length 0, each with
// the person, the time and the file name of test; cells it has no value for stay empty.
void AppendAttemptRows(SheetTable &sheet, const TestLabel &test, const LogRecords &log);
// The same for the log of the results file fileName, labelled by its name.
void AppendAttemptRows(SheetTable &sheet, std::string_view fileName, const LogRecords &log);

// The attempts of the results files folder/name, in the given order. Files that cannot be
// read add no row and are named in unreadable; empty files (a save under way) are skipped.
struct AttemptsOfFiles
{
    SheetTable sheet;
    std::vector<std::string> unreadable;
};
AttemptsOfFiles ComposeAttemptsSheet(const std::string &folder,
                                     const std::vector<std::string> &fileNames);

} // namespace vorlant
