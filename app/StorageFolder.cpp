#include "app/StorageFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString storageFolder(StoredFile kind, const QString& programFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return program.absoluteFilePath();

    const auto base = kind == StoredFile::Settings ? QStandardPaths::GenericConfigLocation
                                                   : QStandardPaths::GenericDataLocation;
    const QString folder = QStandardPaths::writableLocation(base) + QStringLiteral("/quillor");
    // A folder that cannot be made shows up later, as the failure of the write itself.
    QDir().mkpath(folder);
    return folder;
}
