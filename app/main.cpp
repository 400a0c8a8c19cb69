// Quillor's entry point.
#include "app/ServeMode.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // The headless host needs no display: it must decide before any GUI object exists.
    if (serve::requested(argc, argv)) {
        QCoreApplication app(argc, argv);
        return serve::runFromArguments(app.arguments());
    }

    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--version"))) {
        out << "1.0.4\n";
        return 0;
    }
    out << "Usage: quillor [NAME HOST true|false] [--port N]\n";
    return 0;
}
