#pragma once

#include "menu_clicks.h"
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
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

// Lets GoogleTest show the texts it compares.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vorlant::test {

// Logs that the export tests write and read back.
const LogRecords kLogA = MakeLog({{4, true, 1500}, {4, false, 320}, {5, true, 98765}});
const LogRecords kLogB = MakeLog({{2, false, 0}, {3, true, 1}});
inline LogRecords FullLog()
{
    LogRecords log{};
    for (int i = 0; i < kLogRecords; ++i)
        log[i] = {2 + i % 9, i % 4 != 0, 1000LL * i};
    return log;
}

// The archive window over a temporary folder, with the chart window it opens files in.
class ArchiveRig : public ::testing::Test
{
protected:
    void WriteResults(const QString &name, const LogRecords &log) { WriteBytes(name, Block(log)); }
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
    void ClickFileMenu(const QString &text) { ClickMenuItem(window, "Soubor", text); }
    // Runs open, which reads results files, with a timer of the program's own running: the
    // reading dialog below owner must show and the timer go on meanwhile.
    static void ExpectDialogWhileReading(const QWidget &owner, const std::function<void()> &open)
    {
        int ticks = 0;
        bool dialogSeen = false;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            ++ticks;
            dialogSeen |= owner.findChild<QProgressDialog *>("progressReading") != nullptr;
        });
        ticker.start(0);
        open();
        EXPECT_TRUE(dialogSeen);
        EXPECT_GT(ticks, 0) << "the program's timers ran during the reading";
    }
    // Runs open, cancelling the reading dialog below owner as soon as it shows.
    static void CancelReading(const QWidget &owner, const std::function<void()> &open)
    {
        QTimer canceller;
        QObject::connect(&canceller, &QTimer::timeout, [&] {
            if (auto *dialog = owner.findChild<QProgressDialog *>("progressReading"))
                QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        });
        canceller.start(0);
        open();
    }
    // Export targets that cannot be written (below the regular file "plain", a folder standing
    // there, below a missing folder), each with the message that reports it.
    std::vector<std::pair<QString, std::string>> UnwritableTargets(const QString &extension)
    {
        const std::pair<QString, std::string> targets[] = {
            {Path("plain/out." + extension), "Část cesty není složka."},
            {Path("folder." + extension), "Na tom místě je složka."},
            {Path("missing/out." + extension), "Složka nebo soubor neexistuje."}};
        std::vector<std::pair<QString, std::string>> cases;
        for (const auto &[path, why] : targets)
            cases.emplace_back(path, "Soubor " + path.toStdString() + " nelze uložit\n" + why);
        return cases;
    }

    QTemporaryDir root;
    testing::RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{2024, 5, 6, 7, 8}; }, root.path().toStdString()};
    ChartWindow chart{sink};
    ArchiveWindow window{store, &chart};
};

} // namespace vorlant::test
