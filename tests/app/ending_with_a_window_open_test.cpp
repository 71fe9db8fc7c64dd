// A session that ends while one of the program's windows waits for an answer: the real program,
// in a process of its own, is sent the signal a logout sends.
#include "store/results_file.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>

#include <unistd.h>

namespace vorlant {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

// Long enough for the program to start and open its window on a busy machine.
constexpr int kPatienceMs = 30000;
// Enough tests of one person that reading them still goes on when the signal comes.
constexpr int kProgressTests = 40000;

// The program with its module in a folder of its own (a portable copy, so that the settings
// stay there), run in a current folder of its own that receives its pictures.
class EndingWithAWindowOpenTest : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(place.isValid() && program.isValid() && home.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORLANT_WINDOW_PROGRAM),
                                program.filePath(QStringLiteral("vorlant"))));
        const QString module = QStringLiteral(VORLANT_MODULE);
        ASSERT_TRUE(QFile::copy(module, program.filePath(QFileInfo(module).fileName())));
    }

    void TearDown() override
    {
        if (copy.state() != QProcess::NotRunning) {
            copy.kill();
            copy.waitForFinished();
        }
    }

    // Many tests of one person, each a link to one results file.
    void WriteTestsOfOnePerson(int count) const
    {
        const QString data = program.filePath(QStringLiteral("data"));
        ASSERT_TRUE(QDir().mkpath(data));
        LogRecords log{};
        log[0] = {4, true, 2000};
        const ResultsBlock block = EncodeResults(log);
        const QString first = data + QStringLiteral("/first.bin");
        QFile file(first);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(reinterpret_cast<const char *>(block.data()), block.size()),
                  qint64(block.size()));
        file.close();
        const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
        for (int n = 0; n < count; ++n) {
            const QString name = QStringLiteral("Eva ") +
                                 start.addSecs(60LL * n).toString("yyyy_MM_dd HH_mm") + ".mem";
            ASSERT_EQ(::link(QFile::encodeName(first).constData(),
                             QFile::encodeName(data + u'/' + name).constData()),
                      0);
        }
    }

    // Starts the program with the window open; false when the window never came up.
    bool StartWithWindow(const char *kind)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("share"));
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(place.path());
        copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy.start(program.filePath(QStringLiteral("vorlant")), {QString::fromLatin1(kind)});
        if (!copy.waitForStarted())
            return false;
        QByteArray output;
        QElapsedTimer waited;
        waited.start();
        while (!output.contains("shown") && waited.elapsed() < kPatienceMs &&
               copy.state() == QProcess::Running)
            if (copy.waitForReadyRead(1000))
                output += copy.readAllStandardOutput();
        return output.contains("shown");
    }

    QString Pictures() const { return place.filePath(QStringLiteral("obr_deti")); }

    QTemporaryDir place;
    QTemporaryDir program;
    QTemporaryDir home;
    QProcess copy;
};

// Whatever waits, the program ends at once, as from its own window: the settings written, the
// pictures removed.
TEST_P(EndingWithAWindowOpenTest, ASignalEndsTheProgramAndItCleansUp)
{
    const QString kind = QString::fromLatin1(GetParam());
    if (kind == QLatin1String("progress"))
        WriteTestsOfOnePerson(kProgressTests);
    ASSERT_TRUE(StartWithWindow(GetParam()));
    ASSERT_TRUE(QFileInfo::exists(Pictures() + "/DATA_42.jpg")) << "the start-up is complete";

    QElapsedTimer ending;
    ending.start();
    ::kill(pid_t(copy.processId()), SIGTERM);
    ASSERT_TRUE(copy.waitForFinished(kPatienceMs)) << "the program does not end";
    RecordProperty("ms_to_end", int(ending.elapsed()));
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(Pictures()));
    QFile settings(program.filePath(QStringLiteral("Vorlant.ini")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_THAT(settings.readAll().toStdString(), HasSubstr("DE="));
    EXPECT_THAT(QDir(home.filePath("share/vorlant/neulozene")).entryList(QDir::Files), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EndingWithAWindowOpenTest,
                         ::testing::Values("name", "about", "message", "print", "file",
                                           "progress"));

} // namespace
} // namespace vorlant
