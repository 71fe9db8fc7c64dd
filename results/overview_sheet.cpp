#include "results/overview_sheet.h"

#include "results/overview_model.h"

#include <QAbstractProxyModel>
#include <QCoreApplication>

namespace vorlant {
namespace {

LocalTime DayOf(const QDateTime &when)
{
    const QDate date = when.date();
    return {date.year(), date.month(), date.day(), 0, 0};
}

// The model's row behind the view's row.
int SourceRow(const QAbstractItemModel &view, int row)
{
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(&view);
    return proxy ? proxy->mapToSource(proxy->index(row, 0)).row() : row;
}

} // namespace

SheetTable OverviewSheet(const OverviewModel &model, const QAbstractItemModel &view)
{
    // A change of span estimates has decimals, one of lengths none: General shows either.
    static const char *const formats[OverviewModel::ColumnCount] = {
        "",    "0",   "0",         "0.0",       "0",
        "0.0", "0.0", kDateFormat, kDateFormat, "+General;\"\u2212\"General;0"};
    SheetTable sheet;
    sheet.sheetName =
        QCoreApplication::translate("vorlant::OverviewWindow", "Přehled").toStdString();
    for (int column = 0; column < OverviewModel::ColumnCount; ++column)
        sheet.columns.push_back({OverviewModel::HeaderText(column).toStdString(), formats[column]});
    sheet.rows.reserve(static_cast<std::size_t>(view.rowCount()));
    for (int shown = 0; shown < view.rowCount(); ++shown) {
        const OverviewRow &row = model.Row(SourceRow(view, shown));
        std::vector<SheetCell> cells{row.person.toStdString(), double(row.tests)};
        if (row.measured) {
            const SheetCell span =
                row.latestSpan ? SheetCell(*row.latestSpan) : SheetCell(std::monostate());
            cells.insert(cells.end(),
                         {double(row.bestLength), span, double(row.latestLength), row.meanLength,
                          row.successPercent, DayOf(row.first), DayOf(row.last), row.change});
        }
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

} // namespace vorlant
