// Where the files the program writes are kept: beside the program when it may write
// there, else in the user's own folders for the game.
#include "app/StorageFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Points the user's configuration and data folders somewhere of the test's own.
class UserFolders {
public:
    UserFolders()
        : m_config(qgetenv("XDG_CONFIG_HOME")), m_data(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QByteArray(m_home.filePath("config").toUtf8()));
        qputenv("XDG_DATA_HOME", QByteArray(m_home.filePath("data").toUtf8()));
    }
    ~UserFolders()
    {
        restore("XDG_CONFIG_HOME", m_config);
        restore("XDG_DATA_HOME", m_data);
    }
    QString path(const QString& sub) const { return m_home.filePath(sub); }

private:
    static void restore(const char* name, const QByteArray& value)
    {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QTemporaryDir m_home;
    QByteArray m_config, m_data;
};

} // namespace

TEST(StorageFolder, AWritableProgramFolderKeepsEveryFile)
{
    UserFolders user;
    QTemporaryDir program;
    for (StoredFile kind : {StoredFile::Settings, StoredFile::Tally, StoredFile::Download})
        EXPECT_EQ(storageFolder(kind, program.path()), QFileInfo(program.path()).absoluteFilePath());
    EXPECT_FALSE(QFileInfo::exists(user.path("config/quillor")));
}

TEST(StorageFolder, OtherwiseSettingsGoToConfigurationAndTheRestToData)
{
    UserFolders user;
    const QString unusable = user.path("no/such/program/folder");
    EXPECT_EQ(storageFolder(StoredFile::Settings, unusable), user.path("config/quillor"));
    EXPECT_EQ(storageFolder(StoredFile::Tally, unusable), user.path("data/quillor"));
    EXPECT_EQ(storageFolder(StoredFile::Download, unusable), user.path("data/quillor"));
    // Made on first use, so a file can be written there at once.
    EXPECT_TRUE(QFileInfo(user.path("config/quillor")).isDir());
    EXPECT_TRUE(QFileInfo(user.path("data/quillor")).isDir());
}

TEST(StorageFolder, SystemProgramFoldersAreTheUsrTreeAndItsAliases)
{
    const struct {
        const char* path;
        bool system;
    } cases[] = {
        {"/usr", true},          {"/usr/bin", true},       {"/usr/local/games", true},
        {"/bin", true},          {"/sbin", true},          {"/lib/quillor", true},
        {"/usr2/bin", false},    {"/usrlocal", false},     {"/library", false},
        {"/tmp/usr/bin", false}, {"/opt/quillor", false},  {"/home/ann/quillor", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSystemProgramFolder(QString::fromLatin1(c.path)), c.system) << c.path;
}

// Run as root, an installed copy may write to /usr/bin; its files still go to the user's
// folders. A link to the system folder is seen through.
TEST(StorageFolder, AnInstalledCopyKeepsNothingBesideItselfEvenWhenItMayWriteThere)
{
    UserFolders user;
    QTemporaryDir links;
    const QString viaLink = links.filePath("bin");
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/bin"), viaLink));
    for (const QString& folder : {QStringLiteral("/usr/bin"), viaLink}) {
        EXPECT_EQ(storageFolder(StoredFile::Settings, folder), user.path("config/quillor")) << folder.toStdString();
        EXPECT_EQ(storageFolder(StoredFile::Tally, folder), user.path("data/quillor")) << folder.toStdString();
    }
}
