#pragma once

#include <QString>

class QAbstractItemModel;
class QPrinter;

namespace vorlant {

// Prints the rows of table as it shows them, under its column headers, on as many pages as
// they need; every page is headed by heading and its number and holds at least one row. Returns
// an empty text when the pages went out, else why they did not (a page too small for a row
// prints nothing).
QString PrintTable(QPrinter &printer, const QString &heading, const QAbstractItemModel &table);

} // namespace vorlant
