#pragma once

#include "results/archive_window.h"
#include "results/chart_window.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>

// Lets GoogleTest show the texts it compares.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vorlant::test {

// The archive window over a temporary folder, with the chart window it opens files in.
class ArchiveRig : public ::testing::Test
{
protected:
    void WriteResults(const QString &name, const LogRecords &log)
    {
        const ResultsBlock block = EncodeResults(log);
        WriteBytes(name, std::string(reinterpret_cast<const char *>(block.data()), block.size()));
    }
    void WriteBytes(const QString &name, const std::string &bytes)
    {
        std::ofstream out(Path(name).toStdString(), std::ios::binary);
        out << bytes;
        ASSERT_TRUE(out.good()) << name.toStdString();
    }
    QString Path(const QString &name) const { return root.filePath(name); }

    // Lists the folder and shows the window.
    void ShowArchive()
    {
        window.SetDirectory(root.path());
        window.ShowArchive();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QTableWidget &SG1() { return *window.findChild<QTableWidget *>("SG1"); }
    QComboBox &CB1() { return *window.findChild<QComboBox *>("CB1"); }
    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < SG1().rowCount(); ++row)
            texts << (SG1().item(row, column) ? SG1().item(row, column)->text() : QString());
        return texts;
    }
    int RowOf(const QString &fileName) { return static_cast<int>(Column(2).indexOf(fileName)); }
    QPoint CellCentre(int row, int column)
    {
        return SG1().visualRect(SG1().model()->index(row, column)).center();
    }
    // Clicks a cell of the row, by default the person's, which makes that row current.
    void ClickRow(int row, int column = 0)
    {
        QTest::mouseClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // What a double-click delivers: press and release, then the double-click.
    void DoubleClickCell(int row, int column)
    {
        ClickRow(row, column);
        QTest::mouseDClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // Opens the menu "Soubor" of the menu bar and clicks the item with the given text.
    void ClickFileMenu(const QString &text)
    {
        QMenu *file = window.findChild<QMenu *>("Soubor1");
        ASSERT_NE(file, nullptr);
        QMenuBar *bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
        for (QAction *action : file->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(action).center());
                return;
            }
        }
        file->close();
        FAIL() << "no item " << text.toStdString();
    }
    static QStringList Texts(const QMenu &menu)
    {
        QStringList texts;
        for (const QAction *action : menu.actions())
            texts << action->text();
        return texts;
    }

    QTemporaryDir root;
    testing::RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{2024, 5, 6, 7, 8}; }, root.path().toStdString()};
    ChartWindow chart{sink};
    ArchiveWindow window{store, &chart};
};

} // namespace vorlant::test
