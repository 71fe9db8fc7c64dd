#pragma once

#include "engine/user_text.h"
#include "store/local_time.h"

#include <string>
#include <variant>
#include <vector>

namespace vorlant {

// One cell of a sheet: empty, a text (never read as a formula), a number, or a local time
// shown in its column's format.
using SheetCell = std::variant<std::monostate, std::string, double, LocalTime>;

// A column: its header and the spreadsheet number format of its cells (empty: general).
struct SheetColumn
{
    std::string header;
    std::string numberFormat;
};

// A table for one sheet of a workbook: a header row, then the rows in order.
struct SheetTable
{
    std::string sheetName;
    std::vector<SheetColumn> columns;
    std::vector<std::vector<SheetCell>> rows;
};

// Number formats the exports share, as Czech writes a date; whoever saves a workbook
// translates them (context "WorkbookSaving") into the way the program's language does.
inline constexpr const char *kDateTimeFormat =
    VORLANT_TRANSLATE_NOOP("WorkbookSaving", "d. m. yyyy h:mm");
inline constexpr const char *kDateFormat = VORLANT_TRANSLATE_NOOP("WorkbookSaving", "d. m. yyyy");

} // namespace vorlant
