#pragma once

#include "results/archive_window.h"
#include "results/chart_window.h"
#include "results/results_file.h"
#include "results/results_store.h"
#include "tests/support/recording_sink.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
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

// A log of the given attempts; the rest of the records are zero.
inline LogRecords MakeLog(std::initializer_list<AttemptRecord> attempts)
{
    LogRecords log{};
    std::size_t i = 0;
    for (const AttemptRecord &attempt : attempts)
        log[i++] = attempt;
    return log;
}

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
    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < SG1().rowCount(); ++row)
            texts << (SG1().item(row, column) ? SG1().item(row, column)->text() : QString());
        return texts;
    }
    int RowOf(const QString &fileName) { return static_cast<int>(Column(2).indexOf(fileName)); }
    // Clicks the cell of the row's person, which makes that row current.
    void ClickRow(int row)
    {
        const QPoint centre = SG1().visualRect(SG1().model()->index(row, 0)).center();
        QTest::mouseClick(SG1().viewport(), Qt::LeftButton, {}, centre);
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
    ArchiveWindow window{store, chart};
};

} // namespace vorlant::test
