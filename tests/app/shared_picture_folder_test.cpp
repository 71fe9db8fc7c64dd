// Copies of the real program sharing one picture folder, each in a process of its own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include <sys/stat.h>
#include <sys/syscall.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;

// Long enough for a copy to start on a busy machine; a copy that hangs never gets there.
constexpr int kPatienceMs = 30000;

// Whether the process holds a shared (READ) file lock on folder, as /proc/locks lists them:
// "1: FLOCK  ADVISORY  READ  <pid> <major>:<minor>:<inode> 0 EOF".
bool HoldsSharedLock(qint64 pid, const QString &folder)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(qulonglong(status.st_ino));
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[3] == "READ" &&
            fields[4] == QByteArray::number(pid) && fields[5].endsWith(inode))
            return true;
    }
    return false;
}

// Whether the process's main thread waits for events, as an event loop does between them.
bool WaitsForEvents(qint64 pid)
{
    QFile call(QStringLiteral("/proc/%1/syscall").arg(pid));
    if (!call.open(QIODevice::ReadOnly))
        return false;
    const long number = call.readAll().split(' ').value(0).toLong();
#ifdef SYS_poll
    if (number == SYS_poll)
        return true;
#endif
    return number == SYS_ppoll;
}

// The program copied with its module into a folder of its own (a portable copy), so that its
// settings and results stay there; every copy runs in one shared current folder.
class SharedPictureFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(place.isValid() && program.isValid() && home.isValid());
        for (const QString &file :
             {QStringLiteral(VORLANT_PROGRAM), QStringLiteral(VORLANT_MODULE)})
            ASSERT_TRUE(QFile::copy(file, program.filePath(QFileInfo(file).fileName())));
    }

    void TearDown() override
    {
        for (const auto &copy : copies)
            if (copy->state() != QProcess::NotRunning) {
                copy->kill();
                copy->waitForFinished();
            }
    }

    QProcess &StartCopy()
    {
        auto &copy = *copies.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("share"));
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(place.path());
        copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy.start(program.filePath(QStringLiteral("vorlant")), {});
        EXPECT_TRUE(copy.waitForStarted());
        return copy;
    }

    // Waits until the copy uses the picture folder: it holds its share of it.
    bool Shares(const QProcess &copy) const
    {
        return QTest::qWaitFor([&] { return HoldsSharedLock(copy.processId(), pictures()); },
                               kPatienceMs);
    }

    // Waits until the copy that took its share of the folder shows what unpacking reported:
    // nothing runs between the two but that copy's start-up, so the next wait for events is
    // the box's.
    static bool ShowsItsBox(const QProcess &copy)
    {
        return QTest::qWaitFor([&] { return WaitsForEvents(copy.processId()); }, kPatienceMs);
    }

    // Ends the copy as a session does when the user logs out.
    static bool EndsOnSigterm(QProcess &copy)
    {
        ::kill(pid_t(copy.processId()), SIGTERM);
        return copy.waitForFinished(kPatienceMs) && copy.exitStatus() == QProcess::NormalExit &&
               copy.exitCode() == 0;
    }

    QString pictures() const { return place.filePath(QStringLiteral("obr_deti")); }
    QStringList picturesLeft() const
    {
        return QDir(pictures()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir place;
    QTemporaryDir program;
    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> copies;
};

// A folder where a picture belongs: the first copy shows the write error in a box. Meanwhile
// a second copy starts and uses the folder, and each copy still ends when the session asks.
TEST_F(SharedPictureFolderTest, AnErrorBoxKeepsNoOtherCopyWaitingAndASignalStillEndsIt)
{
    ASSERT_TRUE(QDir().mkpath(pictures() + "/DATA_1.jpg"));
    QProcess &first = StartCopy();
    ASSERT_TRUE(Shares(first));
    ASSERT_TRUE(ShowsItsBox(first));
    QProcess &second = StartCopy();
    EXPECT_TRUE(Shares(second)) << "the second copy waits for the first one's box";

    EXPECT_TRUE(EndsOnSigterm(first)) << "the copy showing the box does not end";
    EXPECT_EQ(second.state(), QProcess::Running);
    EXPECT_TRUE(EndsOnSigterm(second));
    EXPECT_THAT(picturesLeft(), ElementsAre("DATA_1.jpg"));
}

// The same box with the first four pictures written: ended during the box, the copy takes
// away what it unpacked and leaves the obstacle.
TEST_F(SharedPictureFolderTest, ACopyEndedDuringItsErrorBoxRemovesWhatItUnpacked)
{
    ASSERT_TRUE(QDir().mkpath(pictures() + "/DATA_5.jpg"));
    QProcess &copy = StartCopy();
    ASSERT_TRUE(Shares(copy));
    ASSERT_TRUE(ShowsItsBox(copy));
    ASSERT_EQ(picturesLeft().size(), 5);
    EXPECT_TRUE(EndsOnSigterm(copy));
    EXPECT_THAT(picturesLeft(), ElementsAre("DATA_5.jpg"));
}

} // namespace
} // namespace vorlant
