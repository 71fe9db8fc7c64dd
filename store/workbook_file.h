#pragma once

#include "store/sheet_table.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace vorlant {

// The bytes of an Excel workbook (.xlsx) holding table as its one sheet: typed cells, a bold
// header row that stays in view, an autofilter over the table and columns as wide as their
// content. Nothing, and error says why, when the workbook could not be made.
std::optional<std::string> WorkbookBytes(const SheetTable &table, std::error_code &error);

// Saves the workbook of table at path the way results files are saved: complete or not at
// all. Returns whether path now holds it; error says why not.
bool SaveWorkbook(const std::string &path, const SheetTable &table, std::error_code &error);

// Whether a workbook's document properties carry the day it was made (as they do by default)
// or none: a fixed date, 1 January 1980, the date its parts carry in every workbook.
enum class WorkbookDate
{
    Today,
    None,
};

// The same for several tables, a sheet each, in order.
std::optional<std::string> WorkbookBytes(const std::vector<SheetTable> &tables, WorkbookDate date,
                                         std::error_code &error);
bool SaveWorkbook(const std::string &path, const std::vector<SheetTable> &tables, WorkbookDate date,
                  std::error_code &error);

} // namespace vorlant
