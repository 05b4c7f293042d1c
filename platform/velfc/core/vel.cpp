#include "platform/velfc/core/vel.h"

#include <QCoreApplication>

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString Vel::applicationFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void Vel::setApplicationFolder(const QString& folder)
{
    overriddenFolder() = folder;
}
