#pragma once
// One of the program's own plugins: a library that brings large system libraries with it
// (Qt Multimedia and PulseAudio, Qt Network), so that the program starts without them and
// loads the plugin only when its work is first wanted.
//
// The library is looked for by its file name in the folders Qt looks in for libraries
// (QCoreApplication::libraryPaths(): the program's own folder first, which is where the
// build puts it; the test programs add the build folder), then where `make install` puts
// it, found from the program's folder (a staged or moved install) and as configured.
#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <optional>

class ProjectPlugin {
public:
    // `name` is the library's name without "lib" and ".so", such as "quillor_audio".
    explicit ProjectPlugin(const QString& name);
    // Looks only in the given folders, in order.
    ProjectPlugin(const QString& name, const QStringList& folders);
    ProjectPlugin(const ProjectPlugin&) = delete;
    ProjectPlugin& operator=(const ProjectPlugin&) = delete;

    // The plugin's root object, loaded on the first call (later calls only return it);
    // null when the library is missing or cannot be loaded.
    QObject* instance();
    // The root object as the plugin's interface; null when the plugin cannot be loaded or
    // offers another interface (another version of it).
    template <typename Interface>
    Interface* as()
    {
        QObject* root = instance();
        auto* backend = qobject_cast<Interface*>(root);
        if (root && !backend && m_failure.isEmpty())
            m_failure = m_loader.fileName() + QStringLiteral(" is a plugin of another version");
        return backend;
    }
    // Why the plugin could not be loaded; empty while it is loaded or not yet tried.
    const QString& failure() const { return m_failure; }

    // The file name of the library `name` ("libquillor_audio.so").
    static QString fileName(const QString& name);
    // Where plugins are looked for unless told otherwise, in order.
    static QStringList defaultFolders();
    // The install's plugin folder seen from a program in `programFolder`.
    static QString installedFolderFrom(const QString& programFolder);

private:
    QString m_name;
    std::optional<QStringList> m_folders;
    QPluginLoader m_loader;
    QObject* m_root = nullptr;
    bool m_tried = false;
    QString m_failure;
};
