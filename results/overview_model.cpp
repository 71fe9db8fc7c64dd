#include "results/overview_model.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace vorlant {
namespace {

const char *const kHeaders[OverviewModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("OverviewModel", "Příjmení, jméno"),
    QT_TRANSLATE_NOOP("OverviewModel", "Testů"),
    QT_TRANSLATE_NOOP("OverviewModel", "Nejlepší řada"),
    QT_TRANSLATE_NOOP("OverviewModel", "Odhad rozpětí"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední test: řada"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední test: průměrná délka"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední test: úspěšnost %"),
    QT_TRANSLATE_NOOP("OverviewModel", "První test"),
    QT_TRANSLATE_NOOP("OverviewModel", "Poslední test"),
    QT_TRANSLATE_NOOP("OverviewModel", "Změna"),
};

// What each column holds, so that no one takes a latest test's figure for an average.
const char *const kHeaderTips[OverviewModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("OverviewModel", "Osoba, jak ji nesou názvy souborů s výsledky"),
    QT_TRANSLATE_NOOP("OverviewModel", "Počet testů osoby, které lze načíst"),
    QT_TRANSLATE_NOOP("OverviewModel", "Nejdelší zopakovaná řada ze všech testů osoby"),
    QT_TRANSLATE_NOOP("OverviewModel",
                      "Odhad rozpětí posledního testu: délka řady, kterou osoba zopakuje zhruba "
                      "v polovině pokusů; „—“, když byl test na odhad příliš krátký"),
    QT_TRANSLATE_NOOP("OverviewModel", "Nejdelší zopakovaná řada posledního testu"),
    QT_TRANSLATE_NOOP("OverviewModel", "Průměrná délka řad v posledním testu"),
    QT_TRANSLATE_NOOP("OverviewModel", "Podíl správně zopakovaných řad v posledním testu"),
    QT_TRANSLATE_NOOP("OverviewModel", "Datum prvního testu"),
    QT_TRANSLATE_NOOP("OverviewModel", "Datum posledního testu"),
    QT_TRANSLATE_NOOP("OverviewModel",
                      "Poslední test proti prvnímu: rozdíl odhadů rozpětí, mají-li ho oba testy, "
                      "jinak rozdíl nejdelších zopakovaných řad"),
};

const char *const kChangeOfSpanTip =
    QT_TRANSLATE_NOOP("OverviewModel", "Změna odhadu rozpětí od prvního testu");
const char *const kChangeOfLengthTip =
    QT_TRANSLATE_NOOP("OverviewModel", "Změna nejdelší zopakované řady od prvního testu (odhad "
                                       "rozpětí jeden z testů nemá)");

const QString kAbsent = QStringLiteral("\u2014");

// Cells without a value sort before every value; a test without a span estimate sorts after
// a person without tests and before every estimate.
constexpr int kNoNumber = std::numeric_limits<int>::min();
constexpr double kNoDecimal = std::numeric_limits<double>::lowest();
constexpr double kNoEstimate = kNoDecimal / 2;
constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();

QString Tr(const char *text)
{
    return QCoreApplication::translate("OverviewModel", text);
}

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
    case Qt::ToolTipRole:
        if (index.column() != ChangeColumn || !Row(index.row()).measured)
            return {};
        return Tr(Row(index.row()).changeOfSpan ? kChangeOfSpanTip : kChangeOfLengthTip);
    default:
        return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        QString header = HeaderText(section);
        const qsizetype colon = header.indexOf(QStringLiteral(": "));
        if (colon >= 0)
            header.replace(colon + 1, 1, u'\n');
        return header;
    }
    if (role == Qt::ToolTipRole)
        return Tr(kHeaderTips[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString OverviewModel::HeaderText(int column)
{
    return column >= 0 && column < ColumnCount ? Tr(kHeaders[column]) : QString();
}

QString OverviewModel::DateText(const QDateTime &when)
{
    //: How the overview writes a date.
    return when.date().toString(tr("d. M. yyyy"));
}

QString OverviewModel::ChangeText(double change, bool ofSpan)
{
    const QString size =
        ofSpan ? DecimalText(std::abs(change)) : QString::number(std::lround(std::abs(change)));
    // A change too small to show is no change, and has no sign.
    if (size == DecimalText(0) || size == QStringLiteral("0"))
        return size;
    return (change > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + size;
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
    case SpanColumn:
        return row.latestSpan ? DecimalText(*row.latestSpan) : kAbsent;
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
        return ChangeText(row.change, row.changeOfSpan);
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
    case SpanColumn:
        return !row.measured ? kNoDecimal : row.latestSpan.value_or(kNoEstimate);
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
        return row.measured ? row.change : kNoDecimal;
    default:
        return {};
    }
}

} // namespace vorlant
