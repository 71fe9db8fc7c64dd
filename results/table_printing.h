#pragma once

#include <QString>

class QAbstractItemModel;
class QPrinter;

namespace vorlant {

// Prints the rows of table as it shows them, under its column headers, on as many pages as
// they need; every page is headed by heading and its number. Returns an empty text when the
// pages went out, else why they did not.
QString PrintTable(QPrinter &printer, const QString &heading, const QAbstractItemModel &table);

} // namespace vorlant
