#include "app/termination_signals.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

namespace vorlant {
namespace {

// Signals can come in numbers before the program gets round to them (a session ending while a
// box is open): none may block the program inside its handler or change what errno holds for
// the code it interrupted, and the program ends once.
TEST(TerminationSignals, ManySignalsNeitherBlockNorTouchErrnoAndEndTheProgramOnce)
{
    int ended = 0;
    TerminationSignals termination([&] { ++ended; });
    for (int count = 0; count < 20000; ++count) {
        errno = EDOM;
        std::raise(count % 2 ? SIGTERM : SIGHUP);
        ASSERT_EQ(errno, EDOM) << count;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended > 0; }));
    std::raise(SIGINT);
    QTest::qWait(50);
    EXPECT_EQ(ended, 1) << "a signal while closing does nothing more";
}

} // namespace
} // namespace vorlant
