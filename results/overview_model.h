#pragma once

#include "results/overview_reading.h"

#include <QAbstractTableModel>

#include <vector>

namespace vorlant {

// The rows of "Přehled osob" as a table. Under SortRole every cell gives the value it sorts
// by: numbers and dates as numbers, names as their rank in Czech collation. Every header, and
// every change, says in its tooltip what it holds.
class OverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        PersonColumn,
        TestsColumn,
        BestColumn,
        SpanColumn,
        LatestColumn,
        MeanColumn,
        SuccessColumn,
        FirstColumn,
        LastColumn,
        ChangeColumn,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit OverviewModel(QObject *parent = nullptr);

    void SetRows(std::vector<OverviewRow> rows);
    const OverviewRow &Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A column's header in one line, "Poslední test: průměrná délka"; the table shows it
    // broken after its colon, so that the columns stay narrow.
    static QString HeaderText(int column);

    // The texts a cell shows: "3. 10. 2026" for a date; "+3", "0", "−1" for a change of
    // lengths, "+0,5", "0,0", "−1,3" for one of span estimates.
    static QString DateText(const QDateTime &when);
    static QString ChangeText(double change, bool ofSpan);
    static QString DecimalText(double value);

private:
    QString Text(const OverviewRow &row, int column) const;
    QVariant SortValue(int row, int column) const;

    std::vector<OverviewRow> rows_;
    std::vector<int> nameRanks_; // each row's place when the names are sorted the Czech way
};

} // namespace vorlant
