#pragma once

#include "engine/attempt_log.h"
#include "store/results_name.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

// Attempts as CSV for spreadsheets and statistics programs: RFC 4180, UTF-8 without BOM,
// comma-separated, LF line ends, one header line, then one line per attempt.
inline constexpr std::string_view kCsvHeader = "osoba,cas_testu,soubor,pokus,delka,uspech,cas_ms\n";

// text as one field: in quotes, with its quotes doubled, when it holds a comma, a quote or a
// line break; as it is otherwise. A text beginning with "=", "+", "-", "@", a tab or a carriage
// return gets a leading "'", so that a spreadsheet shows it rather than running it: file names
// in a shared folder are anyone's choice. Numbers and times are not texts and never pass here.
std::string CsvField(std::string_view text);

// Appends a line for each attempt of log, the records before the first of length 0, in
// record order, each with the person, the ISO time and the file name of test (empty fields
// where it has none); attempts are numbered from 0, as the chart numbers its bars.
void AppendCsvLines(std::string &csv, const TestLabel &test, const LogRecords &log);
// The same for the log of the results file fileName, labelled by its name.
void AppendCsvLines(std::string &csv, std::string_view fileName, const LogRecords &log);

// The CSV of the results files folder/name, in the given order. Files that cannot be read
// add no line and are named in unreadable; empty ones (saves under way) add nothing.
struct CsvOfFiles
{
    std::string csv;
    std::vector<std::string> unreadable;
};
CsvOfFiles ComposeCsv(const std::string &folder, const std::vector<std::string> &fileNames);

} // namespace vorlant
