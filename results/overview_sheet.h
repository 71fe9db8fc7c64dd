#pragma once

#include "store/sheet_table.h"

class QAbstractItemModel;

namespace vorlant {

class OverviewModel;

// The sheet "Přehled": the overview's rows in the order shown by view, a proxy over model (or
// model itself), with the table's headers. Counts, lengths, span estimates and the change are
// numbers, the dates date cells, an absent span estimate an empty cell; a person without
// attempts has only a name and a count.
SheetTable OverviewSheet(const OverviewModel &model, const QAbstractItemModel &view);

} // namespace vorlant
