#include "tests/app/program_rig.h"

#include <QTest>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ProgramRig;

// The object names of the checked items among the named ones.
QStringList Marked(const ProgramRig &rig, std::initializer_list<const char *> names)
{
    QStringList marked;
    for (const char *name : names)
        if (rig.action(name)->isChecked())
            marked << QString::fromLatin1(name);
    return marked;
}

TEST(MainWindowMenu, StartingLengthCountsWhileIdleAndOnlyMovesTheMarkDuringATest)
{
    const auto items = {"N21", "N31", "N41", "N51", "N61"};
    ProgramRig rig;
    rig.action("N41")->trigger();
    EXPECT_THAT(Marked(rig, items), IsEmpty()) << "choosing the marked item unmarks it";
    rig.action("N21")->trigger();
    EXPECT_THAT(Marked(rig, items), ElementsAre("N21"));
    EXPECT_EQ(rig.main().Controller().Log().records[0].length, 2);
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    EXPECT_EQ(rig.showRound().size(), 2u) << "the first attempt has the chosen length";

    rig.action("N61")->trigger();
    EXPECT_THAT(Marked(rig, items), ElementsAre("N61"));
    QTest::mouseClick(rig.button("_Pause"), Qt::LeftButton);
    rig.action("N31")->trigger(); // paused is still a test under way
    EXPECT_EQ(rig.label("_poc")->text(), "2");
    EXPECT_EQ(rig.main().Controller().Log().records[0].length, 2);
}

TEST(MainWindowMenu, NewSpeedRestartsARunningT1AndTheSpeedInForceLeavesItsRhythm)
{
    const auto items = {"Nejrychlej1", "Rychl1", "Normln1", "Pomalej1", "Nejpomalej1"};
    ProgramRig rig;
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    rig.fire("_1");
    QTimer *t1 = rig.timer("T1");

    QThread::msleep(200); // no events: T1 cannot fire meanwhile
    rig.action("Normln1")->trigger();
    EXPECT_THAT(Marked(rig, items), IsEmpty()) << "choosing the marked item unmarks it";
    EXPECT_LE(t1->remainingTime(), 320) << "the speed in force must not restart T1";

    QThread::msleep(200);
    rig.action("Nejpomalej1")->trigger();
    EXPECT_THAT(Marked(rig, items), ElementsAre("Nejpomalej1"));
    EXPECT_GT(t1->remainingTime(), t1->interval() - 100) << "a new speed restarts T1";
}

} // namespace
} // namespace vorlant
