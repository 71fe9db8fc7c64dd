#include "archive_rig.h"
#include "tests/app/gui_test_helpers.h"
#include "tests/support/scoped_environment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

namespace vorlant {
namespace {

using test::MakeLog;

// Names with commas, quotes, Czech letters, a line break and a copy number.
const QString kDvorak = QStringLiteral("Dvořák, \"Jiří\" 2024_03_05 09_07.mem");
const QString kDvorakCopy = QStringLiteral("Dvořák, \"Jiří\" (2) 2024_03_05 09_07.mem");
const QString kDvorakLines = QStringLiteral("Dvořák Řehoř\nml. 2023_12_31 23_59.mem");
const QString kDvorakShort = QStringLiteral("Dvořáková Eva 2024_01_01 00_00.mem");
const QString kAdam = QStringLiteral("Adam Petr 2024_03_04 10_00.mem");

using test::FullLog;
using test::kLogA;
using test::kLogB;

class CsvExportTest : public test::ArchiveRig
{
protected:
    // Both windows' save dialogs note what they suggest and choose the target.
    void SetUp() override
    {
        const auto chooser = [this](QWidget *, const QString &suggested) {
            suggestions << suggested;
            return target;
        };
        window.SetSaveFileChooser(chooser);
        chart.SetSaveFileChooser(chooser);
    }
    // What Python's csv module finds wrong in the CSV at path, compared with the results
    // files (names in the root folder, "anonymous:name" for a log without a file name); empty if
    // nothing.
    QString PythonCheck(const QString &path, const QStringList &files)
    {
        QProcess python;
        python.start(VORLANT_PYTHON, QStringList{VORLANT_CSV_CHECK, path, root.path()} + files);
        if (!python.waitForFinished(60000))
            return "python did not finish";
        const QString output =
            QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError());
        return python.exitCode() == 0 ? output : output + " (failed)";
    }
    void TriggerChartExport() { chart.findChild<QAction *>("exportCsv")->trigger(); }

    QString target = Path("export/vysledky.csv");
    QStringList suggestions;
};

TEST_F(CsvExportTest, TheArchiveExportsTheFilesItShowsAsAnIndependentReaderReadsThem)
{
    ASSERT_TRUE(QDir(root.path()).mkdir("export"));
    WriteResults(kDvorak, kLogA);
    WriteResults(kDvorakCopy, kLogB);
    WriteResults(kDvorakLines, FullLog());
    WriteBytes(kDvorakShort, std::string(100, '\1'));
    WriteResults(kAdam, kLogA);
    ShowArchive();
    // The filter leaves Adam's file out of the list and the export.
    QLineEdit &filter = *CB1().lineEdit();
    filter.clear();
    QTest::keyClicks(&filter, "Dvo");
    const QStringList shown = Column(2);
    ASSERT_EQ(shown.size(), 4);
    ASSERT_FALSE(shown.contains(kAdam));

    ClickFileMenu("Export do CSV…");

    EXPECT_EQ(suggestions, QStringList{QDir::homePath() + "/vysledky.csv"});
    QStringList readable = shown;
    readable.removeOne(kDvorakShort);
    EXPECT_EQ(PythonCheck(target, readable), "");
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, v exportu chybí:\n" +
                                       kDvorakShort.toStdString()});
    // Saved like a results file: no temporary file is left beside it.
    EXPECT_EQ(QDir(Path("export")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"vysledky.csv"});
}

// Anyone may name a file in a shared folder: a name that a spreadsheet would run as a
// formula arrives there as text, while the numbers and the time stay numbers.
TEST_F(CsvExportTest, NamesThatSpreadsheetsWouldRunAsFormulasAreExportedAsText)
{
    ASSERT_TRUE(QDir(root.path()).mkdir("export"));
    const QStringList names = {QStringLiteral("=1+1 2024_03_05 09_07.mem"),
                               QStringLiteral("@SUM(A1) 2024_03_05 09_08.mem"),
                               QStringLiteral("+420 777 2024_03_05 09_09.mem"),
                               QStringLiteral("-2+3 (2) 2024_03_05 09_10.mem"),
                               QStringLiteral("\t=A1,B1 2024_03_05 09_11.mem"),
                               QStringLiteral("=HYPERLINK(\"x\") 2024_03_05 09_12.mem")};
    for (const QString &name : names)
        WriteResults(name, kLogA);
    ShowArchive();
    QStringList shown = Column(2);
    ASSERT_EQ(shown.size(), names.size());

    ClickFileMenu("Export do CSV…");

    EXPECT_EQ(PythonCheck(target, shown), "");
    QFile csv(target);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.contains(
        QStringLiteral("\n'=1+1,2024-03-05T09:07,'=1+1 2024_03_05 09_07.mem,0,4,1,1500\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\n\"'\t=A1,B1\",2024-03-05T09:11,")))
        << text.toStdString();
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CsvExportTest, TheChartExportsTheLogItShows)
{
    WriteResults(kDvorakCopy, kLogA);
    WriteBytes(kDvorakShort, "short");
    ShowArchive();
    const auto doubleClick = [this](const QString &file) {
        DoubleClickCell(RowOf(file), 0);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
    };
    doubleClick(kDvorakCopy);
    ASSERT_TRUE(chart.isVisible());

    target = Path("opened.csv");
    TriggerChartExport();
    EXPECT_EQ(PythonCheck(target, {kDvorakCopy}), "");

    // A file that cannot be opened leaves the chart, and its file, as they were.
    doubleClick(kDvorakShort);
    ASSERT_EQ(sink.messages.size(), 1u);
    sink.messages.clear();
    TriggerChartExport();
    EXPECT_EQ(PythonCheck(target, {kDvorakCopy}), "");

    // The current test's log comes without a file: person, time and file stay empty.
    chart.ShowResultsChart(FullLog());
    WriteResults("current.log", FullLog());
    target = Path("current.csv");
    TriggerChartExport();
    EXPECT_EQ(PythonCheck(target, {"anonymous:current.log"}), "");

    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(CsvExportTest, TheSaveDialogSuggestsTheHomeFolderAndAsksBeforeReplacing)
{
    // The dialog reads the home folder and keeps its state below it: a home of our own.
    QTemporaryDir home;
    const test::ScopedEnvironment homeVariable("HOME", home.path());
    const test::ScopedEnvironment configVariable("XDG_CONFIG_HOME", home.filePath(".config"));
    WriteResults(kAdam, kLogA);
    WriteBytes("existing.csv", "old");
    ShowArchive();
    window.SetSaveFileChooser(ChooseCsvFile);
    QString suggested;
    bool asked = false;
    // The dialogs run modally; the timer answers them as a user would.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked = box->text().contains("existing.csv");
            box->button(QMessageBox::Yes)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (suggested.isEmpty())
                suggested = dialog->selectedFiles().value(0);
            ChooseInFileDialog(*dialog, Path("existing.csv"));
        }
    });
    user.start(10);

    ClickFileMenu("Export do CSV…");

    EXPECT_EQ(suggested, home.filePath("vysledky.csv"));
    EXPECT_TRUE(asked);
    EXPECT_EQ(PythonCheck(Path("existing.csv"), {kAdam}), "");
}

} // namespace
} // namespace vorlant
