#include "tests/app/program_rig.h"

#include "app/name_dialog.h"
#include "board/board.h"
#include "board/cell_widget.h"
#include "results/chart_window.h"
#include "store/results_file.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimerEvent>

#include <span>

#include <gtest/gtest.h>

namespace vorlant::testing {

ProgramRig::ProgramRig(const Prepare &prepare, const QString &programSubfolder,
                       const QString &userHome, RigStartUp startUp)
    : previousFolder_(QDir::currentPath()),
      programFolder_(programSubfolder.isEmpty() ? programDir_.path()
                                                : programDir_.filePath(programSubfolder)),
      userHome_(userHome.isEmpty() ? ownUserHome_.path() : userHome)
{
    EXPECT_TRUE(current_.isValid() && programDir_.isValid() && ownUserHome_.isValid());
    EXPECT_TRUE(QDir().mkpath(programFolder_));
    EXPECT_TRUE(QDir::setCurrent(current_.path()));
    if (prepare)
        prepare(current_.path(), programFolder_);
    MainWindowOptions options;
    options.programFolder = programFolder_ + u'/';
    options.clock = [this] { return now; };
    options.seed = 20240305;
    options.localClock = [] { return LocalTime{2024, 3, 5, 9, 7}; };
    program_ = std::make_unique<Program>(sink, std::move(startUp.late), std::move(options));
    if (startUp.completeAtOnce)
        program_->CompleteStartUp();
}

ProgramRig::~ProgramRig()
{
    program_.reset();
    QDir::setCurrent(previousFolder_);
}

void ProgramRig::fire(const char *name)
{
    QTimer *fired = timer(name);
    ASSERT_TRUE(fired->isActive()) << name << " is not running";
    now += fired->interval();
    QTimerEvent tick(fired->timerId());
    QCoreApplication::sendEvent(fired, &tick);
}

std::string ProgramRig::buttons() const
{
    std::string state;
    for (const char *name : {"_start", "_Pause", "_Konec"})
        state += button(name)->isEnabled() ? '1' : '0';
    return state + ' ' + button("_Pause")->text().toStdString();
}

std::vector<std::string> ProgramRig::runningTimers() const
{
    std::vector<std::string> running;
    for (const char *name : {"T1", "_1", "_2", "_3"})
        if (timer(name)->isActive())
            running.emplace_back(name);
    return running;
}

void ProgramRig::startWithName(const std::function<void()> &run, const QString &name)
{
    WhileModal(run, [&](QWidget &dialog) {
        ASSERT_TRUE(qobject_cast<NameDialog *>(&dialog)) << "the name dialog did not open";
        Find<QLineEdit>(dialog, "_jmeno")->setText(name);
        QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
    });
}

std::vector<CellPosition> ProgramRig::showRound()
{
    std::vector<CellPosition> shown;
    fire("_1");
    for (int tick = 0; tick < 2 * kSequenceSlots + 2 && timer("T1")->isActive(); ++tick) {
        fire("T1");
        if (const auto lit = LitCell(main()))
            shown.push_back(*lit);
    }
    EXPECT_TRUE(main().Controller().InputOpen());
    return shown;
}

void ProgramRig::click(CellPosition cell) const
{
    QTest::mouseClick(main().GameBoard()->textCell(CellIndex(cell)), Qt::LeftButton);
}

void ProgramRig::rest()
{
    for (int tick = 0; tick < 3; ++tick)
        fire("_3");
}

QString ProgramRig::chartCsvLine() const
{
    QTemporaryDir out;
    const QString csv = out.filePath(QStringLiteral("test.csv"));
    program().Chart().SetSaveFileChooser([&](QWidget *, const QString &) { return csv; });
    Find<QAction>(program().Chart(), "exportCsv")->trigger();
    QFile file(csv);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).split(u'\n').value(1);
}

QStringList ProgramRig::archiveRowsAfterArchiv() const
{
    action("Archiv1")->trigger();
    const auto *list = Find<QTableWidget>(main(), "SG1");
    QStringList rows;
    for (int row = 0; list && row < list->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << (list->item(row, column) ? list->item(row, column)->text() : QString());
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

LogRecords ReadResultsFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 16016);
    bytes.resize(kResultsFileBytes, '\0');
    return DecodeResults(std::span<const unsigned char, kResultsFileBytes>(
        reinterpret_cast<const unsigned char *>(bytes.constData()), kResultsFileBytes));
}

std::optional<CellPosition> LitCell(const MainWindow &main)
{
    std::vector<CellPosition> lit;
    for (int index = 0; index < kCellCount; ++index)
        if (main.GameBoard()->textCell(index)->background() == QColor(0xFF, 0xFF, 0x00))
            lit.push_back(CellAt(index));
    return lit.size() == 1 ? std::optional(lit[0]) : std::nullopt;
}

} // namespace vorlant::testing
