// The one place that speaks to libxlsxwriter; its handles live in RAII owners here and its
// types go no further.
#include "store/workbook_file.h"

#include "store/file_io.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

#include <unistd.h>

namespace vorlant {
namespace {

// Excel's limit for a column's width, in characters.
constexpr double kWidestColumn = 60;
// Room for the autofilter's button beside a header.
constexpr double kFilterButtonCharacters = 3;

// libxlsxwriter's own failures, with its own texts.
class WorkbookErrorCategory : public std::error_category
{
public:
    const char *name() const noexcept override { return "xlsxwriter"; }
    std::string message(int code) const override
    {
        return lxw_strerror(static_cast<lxw_error>(code));
    }
};

std::error_code WorkbookError(lxw_error code)
{
    static const WorkbookErrorCategory category;
    return {static_cast<int>(code), category};
}

// A workbook not yet closed is closed, and freed, when its owner goes.
struct WorkbookCloser
{
    void operator()(lxw_workbook *workbook) const { workbook_close(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

// A temporary file of our own that the workbook is written to; removed when done.
class TemporaryFile
{
public:
    explicit TemporaryFile(std::error_code &error)
    {
        std::string pattern =
            (std::filesystem::temp_directory_path(error) / "vorlant-workbook-XXXXXX").string();
        if (error)
            return;
        const int descriptor = ::mkstemp(pattern.data());
        if (descriptor < 0) {
            error.assign(errno, std::generic_category());
            return;
        }
        ::close(descriptor);
        path_ = std::move(pattern);
    }
    ~TemporaryFile()
    {
        if (!path_.empty())
            std::remove(path_.c_str());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    const std::string &Path() const { return path_; }

private:
    std::string path_;
};

std::size_t CharacterCount(const std::string &utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// How many characters a cell shows, near enough to size its column.
std::size_t ShownCharacters(const SheetCell &cell, const SheetColumn &column)
{
    if (const auto *text = std::get_if<std::string>(&cell))
        return CharacterCount(*text);
    if (const auto *number = std::get_if<double>(&cell)) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, *number).ptr;
        return static_cast<std::size_t>(end - digits);
    }
    if (std::holds_alternative<LocalTime>(cell))
        return column.numberFormat.size() + 2; // "d. m. yyyy" shows "31. 12. 2026"
    return 0;
}

lxw_datetime DateTimeOf(const LocalTime &time)
{
    return {time.year, time.month, time.day, time.hour, time.minute, 0};
}

lxw_error WriteCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const SheetCell &cell,
                    lxw_format *format)
{
    if (const auto *text = std::get_if<std::string>(&cell))
        return worksheet_write_string(sheet, row, column, text->c_str(), format);
    if (const auto *number = std::get_if<double>(&cell))
        return worksheet_write_number(sheet, row, column, *number, format);
    if (const auto *time = std::get_if<LocalTime>(&cell)) {
        lxw_datetime when = DateTimeOf(*time);
        return worksheet_write_datetime(sheet, row, column, &when, format);
    }
    return LXW_NO_ERROR;
}

// Writes table as the next sheet of workbook.
lxw_error WriteSheet(lxw_workbook *workbook, const SheetTable &table, lxw_format *bold)
{
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, table.sheetName.c_str());
    if (!sheet)
        return LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
    const std::size_t columns = table.columns.size();
    std::vector<lxw_format *> formats(columns, nullptr);
    std::vector<double> widths(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        const SheetColumn &column = table.columns[c];
        if (!column.numberFormat.empty()) {
            formats[c] = workbook_add_format(workbook);
            format_set_num_format(formats[c], column.numberFormat.c_str());
        }
        widths[c] = static_cast<double>(CharacterCount(column.header)) + kFilterButtonCharacters;
        for (const std::vector<SheetCell> &row : table.rows) {
            if (c < row.size())
                widths[c] = std::max(widths[c], ShownCharacters(row[c], column) + 1.0);
        }
    }
    // Widths belong before the rows, which constant memory writes out at once.
    for (std::size_t c = 0; c < columns; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        if (lxw_error error = worksheet_set_column(sheet, column, column,
                                                   std::min(widths[c], kWidestColumn), nullptr))
            return error;
    }
    worksheet_freeze_panes(sheet, 1, 0);
    if (columns > 0)
        worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.rows.size()),
                             static_cast<lxw_col_t>(columns - 1));

    for (std::size_t c = 0; c < columns; ++c) {
        if (lxw_error error = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c),
                                                     table.columns[c].header.c_str(), bold))
            return error;
    }
    lxw_row_t rowNumber = 1;
    for (const std::vector<SheetCell> &row : table.rows) {
        for (std::size_t c = 0; c < row.size() && c < columns; ++c) {
            if (lxw_error error =
                    WriteCell(sheet, rowNumber, static_cast<lxw_col_t>(c), row[c], formats[c]))
                return error;
        }
        ++rowNumber;
    }
    return LXW_NO_ERROR;
}

// 1 January 1980, 00:00 UTC: the date the parts of every workbook carry in its zip directory.
constexpr std::time_t kNoDate = 315532800;

// Writes the tables, a sheet each, into a new workbook at path.
lxw_error WriteWorkbook(const std::string &path, const std::vector<SheetTable> &tables,
                        WorkbookDate date)
{
    // Rows go out as they are written, so a large table needs little memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    WorkbookHandle workbook(workbook_new_opt(path.c_str(), &options));
    if (!workbook)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    if (date == WorkbookDate::None) {
        // Left unset, the creation date is the moment of writing.
        lxw_doc_properties properties{};
        properties.created = kNoDate;
        if (lxw_error error = workbook_set_properties(workbook.get(), &properties))
            return error;
    }
    lxw_format *bold = workbook_add_format(workbook.get());
    format_set_bold(bold);
    for (const SheetTable &table : tables) {
        if (lxw_error error = WriteSheet(workbook.get(), table, bold))
            return error;
    }
    return workbook_close(workbook.release());
}

} // namespace

std::optional<std::string> WorkbookBytes(const SheetTable &table, std::error_code &error)
{
    return WorkbookBytes({table}, WorkbookDate::Today, error);
}

bool SaveWorkbook(const std::string &path, const SheetTable &table, std::error_code &error)
{
    return SaveWorkbook(path, {table}, WorkbookDate::Today, error);
}

std::optional<std::string> WorkbookBytes(const std::vector<SheetTable> &tables, WorkbookDate date,
                                         std::error_code &error)
{
    const TemporaryFile file(error);
    if (error)
        return std::nullopt;
    if (const lxw_error written = WriteWorkbook(file.Path(), tables, date)) {
        error = WorkbookError(written);
        return std::nullopt;
    }
    return ReadWholeFile(file.Path(), error);
}

bool SaveWorkbook(const std::string &path, const std::vector<SheetTable> &tables, WorkbookDate date,
                  std::error_code &error)
{
    const std::optional<std::string> bytes = WorkbookBytes(tables, date, error);
    return bytes && ReplaceFileAtomically(path, *bytes, error);
}

} // namespace vorlant
