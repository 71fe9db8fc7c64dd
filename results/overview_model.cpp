#include "results/overview_model.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <numeric>

namespace vorlant {
namespace {

const char *const kHeaders[OverviewModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("OverviewModel", "Příjmení, jméno"),
    QT_TRANSLATE_NOOP("OverviewModel", "Testů"),
    QT_TRANSLATE_NOOP("OverviewModel", "Nejlepší řada"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední řada"),
    QT_TRANSLATE_NOOP("OverviewModel", "Průměrná délka"),
    QT_TRANSLATE_NOOP("OverviewModel", "Úspěšnost %"),
    QT_TRANSLATE_NOOP("OverviewModel", "První test"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední test"),
    QT_TRANSLATE_NOOP("OverviewModel", "Změna"),
};

// Cells without a value sort before every value.
constexpr int kNoNumber = std::numeric_limits<int>::min();
constexpr double kNoDecimal = std::numeric_limits<double>::lowest();
constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();

} // namespace

OverviewModel::OverviewModel(QObject *parent) : QAbstractTableModel(parent) {}

void OverviewModel::SetRows(std::vector<OverviewRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    // Sorted once here, so that the proxy compares plain numbers: C < Č < D, H < Ch < I.
    QCollator czech{QLocale(QLocale::Czech, QLocale::CzechRepublic)};
    czech.setNumericMode(true);
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return czech.compare(rows_[static_cast<std::size_t>(a)].person,
                             rows_[static_cast<std::size_t>(b)].person) < 0;
    });
    nameRanks_.assign(rows_.size(), 0);
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        nameRanks_[static_cast<std::size_t>(order[rank])] = static_cast<int>(rank);
    endResetModel();
}

int OverviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int OverviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(Row(index.row()), index.column());
    case SortRole:
        return SortValue(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == PersonColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                              : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QCoreApplication::translate("OverviewModel", kHeaders[section]);
}

QString OverviewModel::DateText(const QDateTime &when)
{
    //: How the overview writes a date.
    return when.date().toString(tr("d. M. yyyy"));
}

QString OverviewModel::ChangeText(int change)
{
    if (change > 0)
        return QStringLiteral("+%1").arg(change);
    if (change < 0)
        return QStringLiteral("\u2212%1").arg(-change);
    return QStringLiteral("0");
}

QString OverviewModel::DecimalText(double value)
{
    //: The locale whose decimal separator the overview's numbers use.
    return QLocale(tr("cs_CZ")).toString(value, 'f', 1);
}

QString OverviewModel::Text(const OverviewRow &row, int column) const
{
    if (column == PersonColumn)
        return row.person;
    if (column == TestsColumn)
        return QString::number(row.tests);
    if (!row.measured)
        return {};
    switch (column) {
    case BestColumn:
        return QString::number(row.bestLength);
    case LatestColumn:
        return QString::number(row.latestLength);
    case MeanColumn:
        return DecimalText(row.meanLength);
    case SuccessColumn:
        return DecimalText(row.successPercent);
    case FirstColumn:
        return DateText(row.first);
    case LastColumn:
        return DateText(row.last);
    case ChangeColumn:
        return ChangeText(row.change);
    default:
        return {};
    }
}

QVariant OverviewModel::SortValue(int rowIndex, int column) const
{
    const OverviewRow &row = Row(rowIndex);
    switch (column) {
    case PersonColumn:
        return nameRanks_[static_cast<std::size_t>(rowIndex)];
    case TestsColumn:
        return row.tests;
    case BestColumn:
        return row.measured ? row.bestLength : kNoNumber;
    case LatestColumn:
        return row.measured ? row.latestLength : kNoNumber;
    case MeanColumn:
        return row.measured ? row.meanLength : kNoDecimal;
    case SuccessColumn:
        return row.measured ? row.successPercent : kNoDecimal;
    case FirstColumn:
        return row.measured ? row.first.toMSecsSinceEpoch() : kNoTime;
    case LastColumn:
        return row.measured ? row.last.toMSecsSinceEpoch() : kNoTime;
    case ChangeColumn:
        return row.measured ? row.change : kNoNumber;
    default:
        return {};
    }
}

} // namespace vorlant
