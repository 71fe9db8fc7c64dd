#include "store/attempt_sheet.h"

#include "store/file_io.h"
#include "store/results_name.h"
#include "store/test_summary.h"

namespace vorlant {

SheetTable EmptyAttemptsSheet()
{
    return {"Pokusy",
            {{"osoba", ""},
             {"cas_testu", kDateTimeFormat},
             {"soubor", ""},
             {"pokus", ""},
             {"delka", ""},
             {"uspech", ""},
             {"cas_ms", ""}},
            {}};
}

void AppendAttemptRows(SheetTable &sheet, const TestLabel &test, const LogRecords &log)
{
    const SheetCell person = test.person;
    const SheetCell time = test.time ? SheetCell(*test.time) : SheetCell();
    const SheetCell file = test.fileName;
    const int count = RecordCount(log);
    for (int i = 0; i < count; ++i) {
        sheet.rows.push_back({person, time, file, double(i), double(log[i].length),
                              log[i].success ? 1.0 : 0.0, double(log[i].elapsedMs)});
    }
}

void AppendAttemptRows(SheetTable &sheet, std::string_view fileName, const LogRecords &log)
{
    AppendAttemptRows(sheet, LabelOfResultsFile(fileName), log);
}

AttemptsOfFiles ComposeAttemptsSheet(const std::string &folder,
                                     const std::vector<std::string> &fileNames)
{
    AttemptsOfFiles result{EmptyAttemptsSheet(), {}};
    for (const std::string &name : fileNames) {
        const std::string path = JoinPath(folder, name);
        std::error_code error;
        if (const std::optional<LogRecords> log = ReadResultsFile(path, error))
            AppendAttemptRows(result.sheet, name, *log);
        else if (!IsEmptyFile(path))
            result.unreadable.push_back(name);
    }
    return result;
}

} // namespace vorlant
