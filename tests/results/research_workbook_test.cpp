#include "archive_rig.h"
#include "modal_answers.h"
#include "tests/support/scoped_environment.h"
#include "workbook_reader.h"

#include "results/overview_model.h"
#include "results/overview_sheet.h"
#include "results/overview_window.h"
#include "results/research_saving.h"

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QLabel>

#include <cmath>
#include <map>

namespace vorlant {
namespace {

using test::kLogA;
using test::kLogB;
using test::MakeLog;

struct SourceFile
{
    QString name;
    LogRecords log;
};
const SourceFile kFiles[] = {
    {"Novák Jan 2024_03_01 08_00.mem", kLogA},
    {"Novák Jan (2) 2024_03_01 08_00.mem", kLogB},
    {"Novák Jan 2024_03_11 10_30.mem", MakeLog({{6, true, 99}, {6, false, 80}})},
    {"Čapek Karel 2023_12_31 23_59.mem", kLogA},
    {"=HYPERLINK(1) Eva 2024_02_29 12_00.mem", kLogB}, // a name a spreadsheet would run
    {"Dvořák Jiří 2024_01_03 10_00.mem", kLogB},
};
const QString kShort = "Dvořák Jiří 2024_01_02 10_00.mem";
const QString kNames[] = {"Novák Jan", "Čapek Karel", "=HYPERLINK(1) Eva", "Dvořák Jiří"};

class ResearchWorkbookTest : public test::ArchiveRig
{
protected:
    void SetUp() override
    {
        for (const SourceFile &file : kFiles)
            WriteResults(file.name, file.log);
        WriteBytes(kShort, "short");
        ShowArchive();
        ClickFileMenu("Přehled osob");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Overview()));
        sink.messages.clear(); // the overview has named the short file
    }
    OverviewWindow &Overview() { return window.Overview(); }
    void Export() { test::ClickMenuItem(Overview(), "Soubor", "Export pro výzkum…"); }
    // The key file's lines after its header, code → name.
    std::map<QString, QString> Key(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), "kod,osoba");
        std::map<QString, QString> key;
        for (const QString &line : lines.mid(1))
            key[line.section(',', 0, 0)] = line.section(',', 1);
        return key;
    }

    QString workbook = Path("vyzkum.xlsx");
    QString keyFile = Path("klic.csv");
};

TEST_F(ResearchWorkbookTest, EveryPersonIsACodeWithTheOverviewsFiguresAndEveryAttemptByDays)
{
    Overview().SetResearchFileChoosers([&](QWidget *, const QString &) { return workbook; },
                                       [&](QWidget *, const QString &) { return keyFile; });
    Export();

    const test::Workbook overview = test::ReadWorkbook(workbook, 1);
    const test::Workbook attempts = test::ReadWorkbook(workbook, 2);
    ASSERT_EQ(overview.error, "");
    ASSERT_EQ(attempts.error, "");
    EXPECT_EQ(overview.sheetNames, (QStringList{"Přehled", "Pokusy"}));
    std::map<QString, QString> key = Key(keyFile);
    ASSERT_EQ(key.size(), 4u);
    std::map<QString, QString> codeOf;
    for (const auto &[code, name] : key)
        codeOf[name.startsWith("'=") ? name.mid(1) : name] = code; // "'" keeps a formula text
    for (const QString &name : kNames)
        EXPECT_TRUE(codeOf.count(name)) << name.toStdString();

    // "Přehled": the overview's sheet with the code for the name and the days for the dates,
    // whatever columns the overview has.
    const OverviewModel &model = Overview().Model();
    const SheetTable shown = OverviewSheet(model, model);
    std::vector<int> kept; // the overview's columns that stay, in order
    QStringList headers{"Kód"};
    for (int c = 1; c < int(shown.columns.size()); ++c) {
        if (shown.columns[c].numberFormat == kDateFormat) {
            if (c == OverviewModel::FirstColumn)
                headers << "Dnů od prvního do posledního testu";
            continue;
        }
        kept.push_back(c);
        headers << QString::fromStdString(shown.columns[c].header);
    }
    QStringList written;
    for (int c = 0; c < headers.size(); ++c)
        written << overview.Text(0, c);
    EXPECT_EQ(written, headers);
    ASSERT_EQ(overview.RowCount(), 5);
    for (int row = 1; row <= 4; ++row) {
        const QString code = overview.Text(row, 0);
        EXPECT_EQ(code, QStringLiteral("P%1").arg(row, 3, 10, QChar('0'))) << "in code order";
        const QString person = key[code].startsWith("'=") ? key[code].mid(1) : key[code];
        const auto source = std::find_if(shown.rows.begin(), shown.rows.end(), [&](const auto &r) {
            return std::get<std::string>(r[0]) == person.toStdString();
        });
        ASSERT_NE(source, shown.rows.end()) << person.toStdString();
        int column = 1;
        for (const int c : kept) {
            if (c == OverviewModel::LastColumn + 1)
                ++column; // the days stand where the dates stood
            const SheetCell &cell = c < int(source->size()) ? (*source)[c] : SheetCell();
            if (const auto *number = std::get_if<double>(&cell))
                EXPECT_NEAR(overview.Number(row, column), *number, 1e-9)
                    << person.toStdString() << " column " << c;
            else
                EXPECT_EQ(overview.Cell(row, column), nullptr);
            ++column;
        }
        EXPECT_EQ(overview.Number(row, OverviewModel::FirstColumn), person == "Novák Jan" ? 10 : 0)
            << person.toStdString();
    }

    // "Pokusy": code, test, day, attempt, length, success, milliseconds.
    using Row = std::array<double, 6>;
    std::map<QString, std::vector<Row>> rows;
    for (int row = 1; row < attempts.RowCount(); ++row) {
        Row values;
        for (int c = 0; c < 6; ++c)
            values[c] = attempts.Number(row, c + 1);
        rows[attempts.Text(row, 0)].push_back(values);
    }
    EXPECT_EQ(rows[codeOf["Novák Jan"]], (std::vector<Row>{{1, 0, 0, 4, 1, 1500},
                                                           {1, 0, 1, 4, 0, 320},
                                                           {1, 0, 2, 5, 1, 98765},
                                                           {2, 0, 0, 2, 0, 0},
                                                           {2, 0, 1, 3, 1, 1},
                                                           {3, 10, 0, 6, 1, 99},
                                                           {3, 10, 1, 6, 0, 80}}));
    EXPECT_EQ(rows[codeOf["Dvořák Jiří"]],
              (std::vector<Row>{{1, 0, 0, 2, 0, 0}, {1, 0, 1, 3, 1, 1}}));
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, v exportu chybí:\n" +
                                       kShort.toStdString()});
}

// Neither the cells nor any other part of the workbook, its document properties included,
// holds a name, a file name or a date of the source files, nor the day of the export.
TEST_F(ResearchWorkbookTest, NoPartOfTheWorkbookHoldsANameAFileNameOrADate)
{
    Overview().SetResearchFileChoosers([&](QWidget *, const QString &) { return workbook; },
                                       [](QWidget *, const QString &) { return QString(); });
    Export();

    QStringList forbidden{kShort};
    for (const QString &name : kNames)
        forbidden << name;
    std::vector<QDate> dates{QDate::currentDate(), QDate(2024, 1, 2)};
    for (const SourceFile &file : kFiles) {
        forbidden << file.name;
        const QString tail = file.name.right(20); // "YYYY_MM_DD HH_MM.mem"
        dates.push_back(
            QDate(tail.left(4).toInt(), tail.mid(5, 2).toInt(), tail.mid(8, 2).toInt()));
        forbidden << tail.left(16) << tail.left(10);
    }
    for (const QDate &date : dates) {
        forbidden << date.toString(Qt::ISODate) << date.toString("d. M. yyyy")
                  << date.toString("d.M.yyyy")
                  << QString::number(
                         test::SpreadsheetSerial(date.year(), date.month(), date.day()));
    }
    const std::map<QString, QByteArray> parts = test::WorkbookParts(workbook);
    ASSERT_GT(parts.size(), 5u);
    for (const auto &[part, bytes] : parts) {
        const QString text = QString::fromUtf8(bytes);
        for (const QString &word : forbidden)
            EXPECT_FALSE(text.contains(word))
                << part.toStdString() << " holds " << word.toStdString();
    }
    EXPECT_TRUE(QString::fromUtf8(parts.at("docProps/core.xml")).contains("1980-01-01T00:00:00Z"));
    EXPECT_FALSE(QFile::exists(keyFile)) << "the key was declined";
}

// The key's dialog says what the key is; cancelling it keeps the workbook alone.
TEST_F(ResearchWorkbookTest, TheKeysDialogSaysItIsPersonalDataToKeepApart)
{
    QTemporaryDir home;
    const test::ScopedEnvironment homeVariable("HOME", home.path());
    const test::ScopedEnvironment configVariable("XDG_CONFIG_HOME", home.filePath(".config"));
    Overview().SetResearchFileChoosers([&](QWidget *, const QString &) { return workbook; },
                                       ChooseResearchKeyFile);
    QString note, title, suggested;
    {
        const test::ModalAnswers answers({[&](QWidget &modal) {
            auto &dialog = dynamic_cast<QFileDialog &>(modal);
            title = dialog.windowTitle();
            note = dialog.findChild<QLabel *>("saveNote")->text();
            suggested = dialog.selectedFiles().value(0);
            dialog.reject();
        }});
        Export();
        EXPECT_TRUE(answers.AllAnswered());
    }

    EXPECT_EQ(title, "Klíč ke kódům osob (osobní údaje)");
    EXPECT_TRUE(note.contains("osobní údaje") && note.contains("odděleně od sešitu"))
        << note.toStdString();
    EXPECT_EQ(suggested, home.filePath("vyzkum-klic.csv"));
    EXPECT_TRUE(QFile::exists(workbook));
    EXPECT_TRUE(sink.messages.size() == 1) << "only the unreadable file is named";
}

} // namespace
} // namespace vorlant
