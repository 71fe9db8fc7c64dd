// Draws the README's pictures from the program's own windows: the main window with the picture
// faces during a test, the chart of that test, the archive listing it beside earlier tests, and
// the progress of a person over those tests and the overview of all persons, then the dialogs
// of the commands on a person. Run on a real window system (`make screenshots` starts a virtual
// one), in the desktop's language as the program picks it (LANG=en_US.UTF-8 draws the English
// windows):
//   vorlant_screenshots <folder>   writes main-window.png, chart.png, archive.png, progress.png,
//                                  overview.png, rename-person.png, delete-person.png,
//                                  delete-for-good.png and research-key.png
#include "app/application.h"
#include "engine/sequence.h"
#include "results/archive_window.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/person_report_dialog.h"
#include "results/progress_window.h"
#include "results/research_saving.h"
#include "store/local_time.h"
#include "store/results_file.h"
#include "tests/app/program_rig.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

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

using Step = std::function<void(QWidget &)>;

// Runs open, which opens modal windows one after another, each answered by the next step.
void AnswerModals(const std::function<void()> &open, std::vector<Step> steps)
{
    std::size_t next = 0;
    QPointer<QWidget> answered; // a window at the same address later is another one
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == answered || next >= steps.size())
            return;
        answered = modal;
        steps[next++](*modal);
    });
    poll.start(50);
    open();
}

// A step that saves the modal window as file (saved tells whether it could), then runs then.
Step SaveThen(const QString &file, bool &saved, Step then)
{
    return [&saved, file, then](QWidget &modal) {
        QTest::qWait(300); // let the window system draw it
        saved = modal.grab().save(file) && saved;
        std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(file));
        then(modal);
    };
}

void Decline(QWidget &modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(&modal))
        box->defaultButton()->click(); // "Ne"
    else
        static_cast<QDialog &>(modal).reject();
}

void Confirm(QWidget &modal)
{
    auto &box = dynamic_cast<QMessageBox &>(modal);
    for (QAbstractButton *button : box.buttons())
        if (button != box.defaultButton())
            button->click();
}

void SelectPerson(QTableWidget &list, const QString &person)
{
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.item(row, 0) && list.item(row, 0)->text() == person) {
            list.setCurrentCell(row, 0);
            return;
        }
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
    if (!overview)
        return 1;

    // The commands on a person, each declined in the end: nothing changes.
    overview->hide();
    SelectPerson(*list, QStringLiteral("Svoboda Petr"));
    const Step saveRename =
        SaveThen(out.filePath(QStringLiteral("rename-person.png")), saved, Decline);
    AnswerModals([&] { archive->findChild<QAction *>(QStringLiteral("renamePerson"))->trigger(); },
                 {[&](QWidget &dialog) {
                     dialog.findChild<QLineEdit *>(QStringLiteral("newName"))
                         ->setText(QStringLiteral("Novák Jan"));
                     saveRename(dialog);
                 }});
    SelectPerson(*list, QStringLiteral("Novák Jan"));
    QAction *remove = archive->findChild<QAction *>(QStringLiteral("deletePerson"));
    AnswerModals([&] { remove->trigger(); },
                 {SaveThen(out.filePath(QStringLiteral("delete-person.png")), saved, Decline)});
    {
        // A folder without a trash: here because the user's data folder cannot be made.
        QTemporaryDir noTrash;
        QFile(noTrash.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", noTrash.filePath(QStringLiteral("file/share")).toUtf8());
        AnswerModals([&] { remove->trigger(); },
                     {Confirm, SaveThen(out.filePath(QStringLiteral("delete-for-good.png")), saved,
                                        Decline)});
        qputenv("XDG_DATA_HOME", dataHome);
    }
    // The research export's second dialog, which offers the key, in a home of its own.
    QTemporaryDir exports;
    qputenv("HOME", exports.path().toUtf8());
    overview->SetResearchFileChoosers(
        [&](QWidget *, const QString &) { return exports.filePath(QStringLiteral("vyzkum.xlsx")); },
        vorlant::ChooseResearchKeyFile);
    overview->show();
    AnswerModals(
        [&] { overview->findChild<QAction *>(QStringLiteral("exportResearch"))->trigger(); },
        {SaveThen(out.filePath(QStringLiteral("research-key.png")), saved, Decline)});
    return saved ? 0 : 1;
}
