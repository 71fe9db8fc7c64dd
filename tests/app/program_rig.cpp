#include "program_rig.h"

#include "app/name_dialog.h"
#include "board/board.h"
#include "board/cell_widget.h"
#include "engine/clock.h"
#include "widget_lookup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

namespace vorlant::testing {

ProgramRig::ProgramRig(const Setup &setup) : previousFolder_(QDir::currentPath())
{
    EXPECT_TRUE(current_.isValid() && programDir_.isValid());
    EXPECT_TRUE(QDir::setCurrent(current_.path()));
    if (setup.before)
        setup.before(current_.path(), programDir_.path());

    MainWindowOptions options;
    options.programFolder = programDir_.path() + u'/';
    if (!setup.realClock)
        options.clock = [this] { return now; };
    options.seed = 20240305;
    options.localClock = [] { return LocalTime{2024, 3, 5, 9, 7}; };
    program_ = std::make_unique<Program>(sink, std::move(options));
}

ProgramRig::~ProgramRig()
{
    program_.reset();
    QDir::setCurrent(previousFolder_);
}

QPushButton *ProgramRig::button(const char *name) const
{
    return Child<QPushButton>(main(), name);
}

QLabel *ProgramRig::label(const char *name) const
{
    return Child<QLabel>(main(), name);
}

QTimer *ProgramRig::timer(const char *name) const
{
    auto *found = main().findChild<QTimer *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no timer " << name;
    return found;
}

QAction *ProgramRig::action(const char *name) const
{
    auto *found = main().findChild<QAction *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no menu item " << name;
    return found;
}

QWidget *ProgramRig::textCell(CellPosition cell) const
{
    return main().GameBoard()->textCell(CellIndex(cell));
}

void ProgramRig::fire(QTimer *timer)
{
    ASSERT_TRUE(timer->isActive()) << timer->objectName().toStdString() << " is not running";
    now += timer->interval();
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
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
    bool answered = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<NameDialog *>(QApplication::activeModalWidget());
        if (!dialog || answered)
            return;
        answered = true;
        auto *box = Child<QLineEdit>(*dialog, "_jmeno");
        box->setText(name);
        QTest::mouseClick(Child<QPushButton>(*dialog, "Button1"), Qt::LeftButton);
    });
    poll.start();
    run();
    EXPECT_TRUE(answered) << "the name dialog did not open";
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
    QTest::mouseClick(textCell(cell), Qt::LeftButton);
}

void ProgramRig::finishAttempt(std::int64_t elapsedMs)
{
    now = main().Controller().InputStart() + elapsedMs - timer("_2")->interval();
    fire("_2");
    for (int tick = 0; tick < 3; ++tick)
        fire("_3");
}

std::optional<CellPosition> LitCell(const MainWindow &main)
{
    std::optional<CellPosition> lit;
    int count = 0;
    for (int index = 0; index < kCellCount; ++index) {
        if (main.GameBoard()->textCell(index)->background() == QColor(0xFF, 0xFF, 0x00)) {
            lit = CellAt(index);
            ++count;
        }
    }
    return count == 1 ? lit : std::nullopt;
}

} // namespace vorlant::testing
