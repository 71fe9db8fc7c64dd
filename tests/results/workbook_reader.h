#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace vorlant::test {

// One cell as the sheet's XML stores it.
struct WorkbookCell
{
    QString type;  // "n" (also when left out), "s", "inlineStr", "str", "b", ...
    QString value; // the number as written, or the string itself
    int style = 0; // index into the cell formats
    bool formula = false;
};

// What a test needs to know of one sheet of an .xlsx file, read with minizip and Qt's XML
// reader: nothing here shares code with the writer.
struct Workbook
{
    QString error;                                     // empty when the file was read
    QStringList sheetNames;                            // in the workbook's order
    std::map<std::pair<int, int>, WorkbookCell> cells; // by (row, column), from 0
    QString autoFilter;                                // its range, "A1:G10"
    std::vector<QString> formatOfStyle;                // number format code, "" for general

    int RowCount() const;
    const WorkbookCell *Cell(int row, int column) const;
    QString Text(int row, int column) const;  // a string cell's text, else ""
    double Number(int row, int column) const; // a number cell's value, else NaN
    QString Format(int row, int column) const;
};

// The sheet of the given number, from 1.
Workbook ReadWorkbook(const QString &path, int sheetNumber = 1);

// Every part of the workbook, uncompressed, by its name in the zip file.
std::map<QString, QByteArray> WorkbookParts(const QString &path);

// The spreadsheet's serial number of a local date and time (days since 30 December 1899).
double SpreadsheetSerial(int year, int month, int day, int hour = 0, int minute = 0);

} // namespace vorlant::test
