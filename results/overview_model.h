#pragma once

#include "results/overview_reading.h"

#include <QAbstractTableModel>

#include <vector>

namespace vorlant {

// The rows of "Přehled osob" as a table. Under SortRole every cell gives the value it sorts
// by: numbers and dates as numbers, names as their rank in Czech collation.
class OverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        PersonColumn,
        TestsColumn,
        BestColumn,
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

    // The texts a cell shows: "3. 10. 2026" for a date, "+3", "0", "−1" for a change.
    static QString DateText(const QDateTime &when);
    static QString ChangeText(int change);
    static QString DecimalText(double value);

private:
    QString Text(const OverviewRow &row, int column) const;
    QVariant SortValue(int row, int column) const;

    std::vector<OverviewRow> rows_;
    std::vector<int> nameRanks_; // each row's place when the names are sorted the Czech way
};

} // namespace vorlant
