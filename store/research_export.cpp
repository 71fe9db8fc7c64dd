#include "store/research_export.h"

#include "store/csv_export.h"
#include "store/file_io.h"
#include "store/person_files.h"
#include "store/results_name.h"
#include "store/test_summary.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace vorlant {
namespace {

constexpr std::size_t kLeastCodeDigits = 3;

// The codes in their own order, each with its person.
std::vector<std::pair<std::string, std::string>> ByCode(const ResearchCodes &codes)
{
    std::vector<std::pair<std::string, std::string>> byCode;
    for (const auto &[person, code] : codes)
        byCode.emplace_back(code, person);
    std::sort(byCode.begin(), byCode.end());
    return byCode;
}

bool IsDateColumn(const SheetColumn &column)
{
    return column.numberFormat == kDateFormat || column.numberFormat == kDateTimeFormat;
}

// One readable test of a person.
struct Test
{
    LocalTime time;
    LogRecords log;
};

} // namespace

ResearchCodes DrawResearchCodes(const std::vector<std::string> &persons, std::mt19937 &random)
{
    std::vector<std::size_t> order(persons.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    const std::size_t digits = std::max(kLeastCodeDigits, std::to_string(persons.size()).size());
    ResearchCodes codes;
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::string number = std::to_string(i + 1);
        codes[persons[order[i]]] = 'P' + std::string(digits - number.size(), '0') + number;
    }
    return codes;
}

SheetTable ResearchOverviewSheet(const SheetTable &overview, const ResearchCodes &codes,
                                 const std::string &codeHeader, const std::string &daysHeader)
{
    std::vector<std::size_t> dates;
    for (std::size_t c = 0; c < overview.columns.size(); ++c) {
        if (IsDateColumn(overview.columns[c]))
            dates.push_back(c);
    }
    const auto isDate = [&](std::size_t c) {
        return std::find(dates.begin(), dates.end(), c) != dates.end();
    };

    SheetTable sheet{overview.sheetName, {}, {}};
    for (std::size_t c = 0; c < overview.columns.size(); ++c) {
        if (c == 0)
            sheet.columns.push_back({codeHeader, ""});
        else if (!dates.empty() && c == dates.front())
            sheet.columns.push_back({daysHeader, "0"});
        else if (!isDate(c))
            sheet.columns.push_back(overview.columns[c]);
    }

    std::vector<std::pair<std::string, const std::vector<SheetCell> *>> rows;
    for (const std::vector<SheetCell> &row : overview.rows) {
        const auto *person = row.empty() ? nullptr : std::get_if<std::string>(&row.front());
        const auto code = person ? codes.find(*person) : codes.end();
        if (code != codes.end())
            rows.emplace_back(code->second, &row);
    }
    std::sort(rows.begin(), rows.end());
    for (const auto &[code, row] : rows) {
        std::vector<SheetCell> cells{code};
        std::optional<LocalTime> earliest, latest;
        for (std::size_t c = 1; c < row->size(); ++c) {
            const SheetCell &cell = (*row)[c];
            if (!isDate(c)) {
                cells.push_back(cell);
                continue;
            }
            if (const auto *time = std::get_if<LocalTime>(&cell)) {
                if (!earliest || *time < *earliest)
                    earliest = *time;
                if (!latest || *latest < *time)
                    latest = *time;
            }
            if (c == dates.front())
                cells.emplace_back(); // the days, once all the dates are known
        }
        // Every column before the first date column is kept, so the days stand where it stood.
        if (earliest)
            cells[dates.front()] = double(DaysBetween(*earliest, *latest));
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

ResearchAttempts ResearchAttemptsSheet(const std::string &folder, const ResearchCodes &codes,
                                       const std::string &sheetName)
{
    ResearchAttempts result{{sheetName,
                             {{"kod", ""},
                              {"test", ""},
                              {"den", ""},
                              {"pokus", ""},
                              {"delka", ""},
                              {"uspech", ""},
                              {"cas_ms", ""}},
                             {}},
                            {}};
    for (const auto &[code, person] : ByCode(codes)) {
        std::vector<Test> tests;
        for (const std::string &name : FindPersonFiles(folder, person)) {
            const std::optional<LocalTime> time = ParseResultsFileName(name).time;
            std::error_code error;
            std::optional<LogRecords> log =
                time ? ReadResultsFile(JoinPath(folder, name), error) : std::nullopt;
            if (log)
                tests.push_back({*time, *log});
            else
                result.unreadable.push_back(name);
        }
        const auto first = std::find_if(tests.begin(), tests.end(),
                                        [](const Test &test) { return RecordCount(test.log) > 0; });
        if (first == tests.end())
            continue; // no attempts, no rows
        for (std::size_t t = 0; t < tests.size(); ++t) {
            const LogRecords &log = tests[t].log;
            const int count = RecordCount(log);
            for (int i = 0; i < count; ++i) {
                result.sheet.rows.push_back({code, double(t + 1),
                                             double(DaysBetween(first->time, tests[t].time)),
                                             double(i), double(log[i].length),
                                             log[i].success ? 1.0 : 0.0, double(log[i].elapsedMs)});
            }
        }
    }
    return result;
}

std::string ResearchKeyCsv(const ResearchCodes &codes)
{
    std::string csv = "kod,osoba\n";
    for (const auto &[code, person] : ByCode(codes))
        csv += CsvField(code) + ',' + CsvField(person) + '\n';
    return csv;
}

} // namespace vorlant
