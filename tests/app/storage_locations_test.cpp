#include "app/storage_locations.h"
#include "tests/app/program_rig.h"
#include "tests/support/scoped_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vorlant {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ProgramRig;

// Points the user's base folders ($XDG_CONFIG_HOME, $XDG_DATA_HOME) into a temporary home
// for the life of the object.
class ScopedUserHome
{
public:
    QString path() const { return home_.path(); }
    QString config() const { return home_.filePath("config/vorlant"); }
    QString data() const { return home_.filePath("share/vorlant"); }

private:
    QTemporaryDir home_;
    test::ScopedEnvironment configHome_{"XDG_CONFIG_HOME", home_.filePath("config")};
    test::ScopedEnvironment dataHome_{"XDG_DATA_HOME", home_.filePath("share")};
};

void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

unsigned ModeOf(const QString &path)
{
    struct stat info
    {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(StorageLocations, AnInstalledTreeUnderAnyPrefixUsesTheUsersFoldersAnyOtherItsOwn)
{
    struct Case
    {
        const char *executableFolder;
        const char *desktopEntry; // made in the tree; empty: none
        bool perUser;
    };
    const Case cases[] = {
        {"usr/bin", "usr/share/applications/vorlant.desktop", true},
        {"opt/vorlant/bin", "opt/vorlant/share/applications/vorlant.desktop", true},
        {"bin", "", false}, // an unpacked copy
        {"build/bin", "build/share/applications/other.desktop", false},
        {"tools", "share/applications/vorlant.desktop", false}, // not a bin folder
    };
    const ScopedUserHome home;
    for (const Case &c : cases) {
        QTemporaryDir tree;
        const QString folder = tree.filePath(c.executableFolder);
        ASSERT_TRUE(QDir().mkpath(folder));
        if (*c.desktopEntry)
            Touch(tree.filePath(c.desktopEntry));

        const StorageLocations chosen = ChooseStorageLocations(folder + u'/');

        SCOPED_TRACE(c.executableFolder);
        EXPECT_EQ(chosen.perUser, c.perUser);
        if (c.perUser) {
            EXPECT_EQ(chosen.settingsFolder, home.config());
            EXPECT_EQ(chosen.defaultDataDirectory, home.data() + "/data");
            EXPECT_EQ(chosen.pictureParent, home.data());
        } else {
            EXPECT_EQ(chosen.settingsFolder, folder + u'/');
            EXPECT_EQ(chosen.defaultDataDirectory, folder + "/data");
            EXPECT_EQ(chosen.pictureParent, QDir::currentPath());
        }
    }
}

// An installed program started from a launcher, whose current folder is the home folder:
// nothing goes beside the executable or into the current folder, everything into the user's
// own folders, and the next start reads the settings this one wrote.
TEST(InstalledProgram, KeepsSettingsResultsAndPicturesInTheUsersFolders)
{
    const ScopedUserHome home;
    const auto installed = [](const QString &, const QString &program) {
        Touch(program + "/../share/applications/vorlant.desktop");
    };
    QString programFolder;
    {
        ProgramRig rig(installed, QStringLiteral("usr/bin"), home.path());
        programFolder = rig.programFolder();
        EXPECT_EQ(QDir(home.data() + "/obr_deti").entryList(QDir::Files).size(), 42);

        rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
        rig.showRound();
        rig.button("_Konec")->click();
        EXPECT_EQ(QFileInfo(home.data() + "/data/Eva 2024_03_05 09_07.mem").size(), 16016);
        // Children's results: other accounts of the computer see nothing of them.
        for (const QString &folder : {home.config(), home.data(), home.data() + "/data"})
            EXPECT_EQ(ModeOf(folder), 0700u) << folder.toStdString();
        EXPECT_EQ(ModeOf(home.data() + "/data/Eva 2024_03_05 09_07.mem"), 0600u);

        EXPECT_TRUE(rig.main().close());
        EXPECT_THAT(Entries(rig.currentFolder()), IsEmpty());
        EXPECT_THAT(rig.sink.errors, IsEmpty());
    }
    EXPECT_EQ(Entries(programFolder), QStringList());
    QFile settings(home.config() + "/Vorlant.ini");
    ASSERT_TRUE(settings.open(QIODevice::ReadWrite | QIODevice::Text));
    EXPECT_THAT(
        settings.readAll().toStdString(),
        AllOf(HasSubstr("[Form5]"), HasSubstr("DE=" + home.data().toStdString() + "/data")));

    const QString elsewhere = home.path() + "/elsewhere";
    settings.resize(0);
    settings.seek(0);
    settings.write(("[Form5]\nDE=" + elsewhere + "\n").toUtf8());
    settings.close();
    ProgramRig second(installed, QStringLiteral("usr/bin"), home.path());
    EXPECT_EQ(second.main().Store().DataDirectory(), elsewhere.toStdString());
    EXPECT_TRUE(QFileInfo(elsewhere).isDir());
}

} // namespace
} // namespace vorlant
