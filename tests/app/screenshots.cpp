// Draws the README's pictures from the program's own windows: the main window with the picture
// faces during a test, the chart of that test, the archive listing it beside earlier tests, and
// the progress of a person over those tests and the overview of all persons. Run on a real
// window system (`make screenshots` starts a virtual one), in the desktop's language as the
// program picks it (LANG=en_US.UTF-8 draws the English windows):
//   vorlant_screenshots <folder>   writes main-window.png, chart.png, archive.png, progress.png
//                                  and overview.png
#include "app/application.h"
#include "engine/sequence.h"
#include "results/archive_window.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/person_report_dialog.h"
#include "results/progress_window.h"
#include "store/local_time.h"
#include "store/results_file.h"
#include "tests/app/program_rig.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

using vorlant::CellPosition;
using vorlant::testing::ProgramRig;

bool Save(QWidget &window, const QString &file)
{
    window.raise();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300); // let the window system draw it
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(file));
    return saved;
}

// Plays one round: clicks back what was shown, the last cell wrong when fail is set.
void PlayRound(ProgramRig &rig, bool fail)
{
    std::vector<CellPosition> shown = rig.showRound();
    if (fail && !shown.empty())
        shown.back() = {(shown.back().row + 1) % 4, shown.back().column};
    for (const CellPosition cell : shown)
        rig.click(cell);
    // About two thirds of a second a cell, as a child answers.
    rig.now = rig.main().Controller().InputStart() + 650 * std::int64_t(shown.size());
    for (const char *timer : {"_2", "_3", "_3", "_3"})
        if (rig.timer(timer)->isActive())
            rig.fire(timer);
}

// The records of an earlier test: 24 attempts, a length step after each three of them, up after
// a success and down after a failure, around a length that grows from firstLength by one every
// third test.
vorlant::LogRecords EarlierTest(int firstLength, int test)
{
    const int ability = firstLength + test / 3;
    vorlant::LogRecords records{};
    int length = std::max(firstLength, ability - 1);
    for (int attempt = 0; attempt < 24; ++attempt) {
        const bool success =
            length < ability || (length == ability && (attempt * 7 + test * 3) % 10 < 6);
        records[std::size_t(attempt)] = {length, success, 2500 + 400 * length};
        if (attempt % 3 == 2)
            length += success ? 1 : (length > 2 ? -1 : 0);
    }
    return records;
}

void WriteTest(const QString &dataFolder, const char *person, const vorlant::LocalTime &time,
               const vorlant::LogRecords &records)
{
    const vorlant::ResultsBlock block = vorlant::EncodeResults(records);
    QFile file(dataFolder + u'/' + QString::fromStdString(vorlant::ResultsFileName(person, time)));
    if (file.open(QIODevice::WriteOnly))
        file.write(reinterpret_cast<const char *>(block.data()), qint64(block.size()));
}

// Earlier tests in the data folder: a person who trained for some weeks and grew, two more, and
// one test of Eva, whose test on the pictures beats it.
void WriteEarlierTests(const QString &dataFolder)
{
    QDir().mkpath(dataFolder);
    struct Person
    {
        const char *name;
        int tests;
        int firstLength;
    };
    for (const Person &person : {Person{"Novák Jan", 14, 3}, Person{"Dvořáková Eva", 5, 4},
                                 Person{"Svoboda Petr", 3, 3}}) {
        for (int test = 0; test < person.tests; ++test) {
            const vorlant::LocalTime time{2026, 9 + (test * 4) / 30, 1 + (test * 4) % 30,
                                          8 + test % 6, (test * 13) % 60};
            WriteTest(dataFolder, person.name, time, EarlierTest(person.firstLength, test));
        }
    }
    WriteTest(dataFolder, "Eva", {2024, 2, 20, 16, 30}, EarlierTest(3, 0));
}

// The page of the report that the progress window offers, saved as a PDF with a note and
// drawn into file by pdftoppm.
bool SaveReport(vorlant::ProgressWindow &progress, const QString &file)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QTimer::singleShot(0, [&] {
        auto *dialog =
            qobject_cast<vorlant::PersonReportDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QPlainTextEdit *>(QStringLiteral("reportNote"))
            ->setPlainText(QLocale::system().language() == QLocale::Czech
                               ? QStringLiteral("Trénuje doma dvakrát týdně.")
                               : QStringLiteral("Trains at home twice a week."));
        dialog->SetPdfFileChooser([&](QWidget *, const QString &) { return pdf; });
        dialog->findChild<QPushButton *>(QStringLiteral("savePdf"))->click();
        dialog->reject();
    });
    progress.findChild<QAction *>(QStringLiteral("reportOfPerson"))->trigger();
    const QString base = file.chopped(4); // pdftoppm adds ".png"
    const bool saved =
        QFile::exists(pdf) &&
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                           QStringLiteral("-r"), QStringLiteral("80"), pdf, base}) == 0;
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(file));
    return saved;
}

template <typename Window> Window *TopLevel()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Window *>(window))
            return found;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    vorlant::Application app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vorlant_screenshots <folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    ProgramRig rig([](const QString &, const QString &program) {
        WriteEarlierTests(program + QStringLiteral("/data"));
    });
    vorlant::MainWindow &main = rig.main();
    main.show();
    rig.action("Obrzky1")->trigger();
    rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Eva"));
    // Up to 6 cells and back to 5: long enough for a span estimate.
    for (const bool fail : {false, false, false, false, false, false, false, true, true, true, true,
                            false, false, false, false, true, false})
        PlayRound(rig, fail);
    // The next round, halfway through showing its sequence.
    rig.fire("_1");
    for (int step = 0; step < 6 || !vorlant::testing::LitCell(main); ++step)
        rig.fire("T1");
    bool saved = Save(main, out.filePath(QStringLiteral("main-window.png")));

    // Konec drops the round under way, saves the test and shows its chart.
    rig.button("_Konec")->click();
    saved = Save(rig.program().Chart(), out.filePath(QStringLiteral("chart.png"))) && saved;

    // A second person's test, so that the archive lists more than one.
    rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Adam"));
    for (const bool fail : {false, true, false})
        PlayRound(rig, fail);
    rig.button("_Konec")->click();
    rig.program().Chart().hide();

    rig.action("Archiv1")->trigger();
    auto *archive = TopLevel<vorlant::ArchiveWindow>();
    saved = archive && Save(*archive, out.filePath(QStringLiteral("archive.png"))) && saved;
    if (!archive)
        return 1;

    // The progress of the person with the most tests.
    auto *list = archive->findChild<QTableWidget *>(QStringLiteral("SG1"));
    for (int row = 0; row < list->rowCount(); ++row)
        if (list->item(row, 0) && list->item(row, 0)->text() == QStringLiteral("Novák Jan"))
            list->setCurrentCell(row, 0);
    archive->findChild<QAction *>(QStringLiteral("progressOfPerson"))->trigger();
    auto *progress = TopLevel<vorlant::ProgressWindow>();
    saved = progress && Save(*progress, out.filePath(QStringLiteral("progress.png"))) && saved;
    saved = progress && SaveReport(*progress, out.filePath(QStringLiteral("report.png"))) && saved;
    if (progress)
        progress->hide();

    // Every person of the folder at a glance.
    archive->findChild<QAction *>(QStringLiteral("overviewOfPersons"))->trigger();
    auto *overview = TopLevel<vorlant::OverviewWindow>();
    saved = overview && Save(*overview, out.filePath(QStringLiteral("overview.png"))) && saved;
    return saved ? 0 : 1;
}
