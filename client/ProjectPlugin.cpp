#include "client/ProjectPlugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProjectPlugin::ProjectPlugin(const QString& name) : m_name(name) {}

ProjectPlugin::ProjectPlugin(const QString& name, const QStringList& folders) : m_name(name), m_folders(folders) {}

QString ProjectPlugin::fileName(const QString& name)
{
    return QStringLiteral("lib") + name + QStringLiteral(".so");
}

QString ProjectPlugin::installedFolderFrom(const QString& programFolder)
{
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(QUILLOR_PLUGIN_DIR_FROM_BINDIR));
}

QStringList ProjectPlugin::defaultFolders()
{
    QStringList folders = QCoreApplication::libraryPaths();
    folders << installedFolderFrom(QCoreApplication::applicationDirPath()) << QStringLiteral(QUILLOR_PLUGIN_DIR);
    folders.removeDuplicates();
    return folders;
}

QObject* ProjectPlugin::instance()
{
    if (m_tried)
        return m_root;
    m_tried = true;
    // Worked out now rather than at construction: the program's start needs none of it.
    const QStringList folders = m_folders ? *m_folders : defaultFolders();
    const QString file = fileName(m_name);
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path))
            continue;
        m_loader.setFileName(path);
        m_root = m_loader.instance();
        if (m_root)
            return m_root;
        m_failure = path + QStringLiteral(" cannot be loaded: ") + m_loader.errorString();
        return nullptr;
    }
    m_failure = file + QStringLiteral(" is in none of ") + folders.join(QStringLiteral(", "));
    return nullptr;
}
