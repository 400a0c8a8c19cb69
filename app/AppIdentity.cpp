#include "app/AppIdentity.h"

#include "app/AppIcon.h"

#include <QGuiApplication>

void setApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("Quillor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.quillor"));
}

void setApplicationIcon()
{
    QGuiApplication::setWindowIcon(appIcon());
}
