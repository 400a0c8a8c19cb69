#include "app/StorageFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool isSystemProgramFolder(const QString& absolutePath)
{
    for (const char* root : {"/usr", "/bin", "/sbin", "/lib"}) {
        const QString folder = QString::fromLatin1(root);
        if (absolutePath == folder || absolutePath.startsWith(folder + QLatin1Char('/')))
            return true;
    }
    return false;
}

QString storageFolder(StoredFile kind, const QString& programFolder)
{
    const QFileInfo program(programFolder);
    // The folder as it really is, so that a link to a system folder counts as one.
    const QString real = program.canonicalFilePath();
    if (program.isDir() && program.isWritable() && !isSystemProgramFolder(real))
        return program.absoluteFilePath();

    const auto base = kind == StoredFile::Settings ? QStandardPaths::GenericConfigLocation
                                                   : QStandardPaths::GenericDataLocation;
    const QString folder = QStandardPaths::writableLocation(base) + QStringLiteral("/quillor");
    // A folder that cannot be made shows up later, as the failure of the write itself.
    QDir().mkpath(folder);
    return folder;
}
