#include "store/csv_export.h"

#include "store/file_io.h"
#include "store/results_name.h"
#include "store/test_summary.h"

#include <charconv>
#include <cstdint>

namespace vorlant {
namespace {

void AppendNumber(std::string &out, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// A spreadsheet takes a text beginning with one of these for a formula, and runs it.
bool LooksLikeFormula(std::string_view text)
{
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

} // namespace

std::string CsvField(std::string_view text)
{
    const std::string_view guard = LooksLikeFormula(text) ? "'" : "";
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(guard) + std::string(text);
    std::string quoted = "\"";
    quoted += guard;
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void AppendCsvLines(std::string &csv, std::string_view fileName, const LogRecords &log)
{
    AppendCsvLines(csv, LabelOfResultsFile(fileName), log);
}

void AppendCsvLines(std::string &csv, const TestLabel &label, const LogRecords &log)
{
    // The three fields every line of the test shares.
    std::string test = CsvField(label.person);
    test += ',';
    if (label.time)
        test += IsoLocalTime(*label.time);
    test += ',';
    test += CsvField(label.fileName);
    test += ',';

    const int count = RecordCount(log);
    for (int i = 0; i < count; ++i) {
        csv += test;
        AppendNumber(csv, i);
        csv += ',';
        AppendNumber(csv, log[i].length);
        csv += log[i].success ? ",1," : ",0,";
        AppendNumber(csv, log[i].elapsedMs);
        csv += '\n';
    }
}

CsvOfFiles ComposeCsv(const std::string &folder, const std::vector<std::string> &fileNames)
{
    CsvOfFiles result;
    result.csv = kCsvHeader;
    for (const std::string &name : fileNames) {
        const std::string path = JoinPath(folder, name);
        std::error_code error;
        const std::optional<LogRecords> log = ReadResultsFile(path, error);
        if (log)
            AppendCsvLines(result.csv, name, *log);
        else if (!IsEmptyFile(path)) // an empty one is a save still writing its file
            result.unreadable.push_back(name);
    }
    return result;
}

} // namespace vorlant
