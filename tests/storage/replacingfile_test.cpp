// Replacing a file on a small disk of its own: a replacement that does not fit fails at
// once and leaves the old file whole, one that fits replaces it, and nothing is ever
// left beside it.
#include "common/Files.h"
#include "common/SmallDisk.h"
#include "storage/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using testutil::readFile;
using testutil::SmallDisk;

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ReplacingFile, OnAFullDiskTheOldFileStaysWhole)
{
    struct Case {
        const char* name;
        qsizetype newSize;  // bytes of the new content
        qsizetype piece;    // written in pieces of this size (0: in one go)
        bool fill;          // the disk is full before the write
        bool replaced;
    };
    const Case cases[] = {
        {"fits", 8000, 0, false, true},
        {"fits in pieces", 8000, 1000, false, true},
        {"empty content on a full disk", 0, 0, true, true},
        {"one byte on a full disk", 1, 0, true, false},
        {"many pieces on a full disk", 20000, 512, true, false},
        {"larger than the whole disk", 200 * 1024, 0, false, false},
        {"larger than the disk, in pieces", 200 * 1024, 4096, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmallDisk disk(64 * 1024);
        ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
        const QString path = disk.filePath(QStringLiteral("pelklobby.ini"));
        const QByteArray old = "[lobby]\r\nkeep=this\r\n[agame]\r\nTextsize=10\r\n";
        testutil::writeFile(path, old);
        if (c.fill) {
            ASSERT_TRUE(disk.fill());
        }

        const QByteArray content(c.newSize, 'n');
        ReplacingFile file(path);
        ASSERT_TRUE(file.open()) << file.errorString().toStdString();
        bool wrote = true;
        for (qsizetype at = 0; wrote && at < content.size(); at += c.piece ? c.piece : content.size())
            wrote = file.write(content.mid(at, c.piece ? c.piece : content.size())) >= 0;
        const bool committed = file.commit();

        EXPECT_EQ(committed, c.replaced) << file.errorString().toStdString();
        EXPECT_EQ(readFile(path), c.replaced ? content : old);
        if (!c.replaced) {
            EXPECT_TRUE(file.errorString().contains("No space left")) << file.errorString().toStdString();
        }
        disk.empty();
        EXPECT_EQ(filesIn(disk.path()), QStringList{"pelklobby.ini"}); // nothing beside it
    }
}

TEST(ReplacingFile, KeepsPermissionsAndLinksAndNeedsACommit)
{
    SmallDisk disk;
    ASSERT_TRUE(disk.ok()) << disk.error().toStdString();
    const QString target = disk.filePath(QStringLiteral("agametally.tld"));
    const QString link = disk.filePath(QStringLiteral("link.tld"));
    testutil::writeFile(target, "old");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(target, link));

    QString error;
    ASSERT_TRUE(ReplacingFile::replace(link, "new", &error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(target), "new");
    const QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(target) & modeBits, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // Written but neither committed nor cancelled: the old file stays when it goes away.
    {
        ReplacingFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_EQ(file.write("never"), 5);
    }
    EXPECT_EQ(readFile(target), "new");
    ReplacingFile closed(target);
    ASSERT_TRUE(closed.open());
    closed.write("dropped");
    closed.close();
    EXPECT_FALSE(closed.commit());
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(filesIn(disk.path()), (QStringList{"agametally.tld", "link.tld"}));

    // A folder that does not exist: no file to write, and the reason.
    EXPECT_FALSE(ReplacingFile::replace(disk.filePath(QStringLiteral("no/such.ini")), "x", &error));
    EXPECT_TRUE(error.contains("no/such.ini")) << error.toStdString();
}

} // namespace
