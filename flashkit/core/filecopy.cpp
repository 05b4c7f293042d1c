#include "flashkit/core/filecopy.h"

#include <QFile>
#include <QFileInfo>

namespace {
void makeOwnerWritable(const QString& path)
{
    QFile file(path);
    const QFileDevice::Permissions permissions = file.permissions();
    if (!permissions.testFlag(QFileDevice::WriteOwner))
        file.setPermissions(permissions | QFileDevice::WriteOwner);
}
} // namespace

bool copyWithRetry(const QString& from, const QString& to)
{
    bool copied = QFile::copy(from, to);
    if (!copied) {
        QFile::remove(to);
        copied = QFile::copy(from, to);
    }
    if (copied)
        makeOwnerWritable(to);
    return copied;
}

bool copyKeepingExisting(const QString& from, const QString& to)
{
    if (QFile::copy(from, to))
        return true;
    return QFileInfo::exists(to) || !QFileInfo::exists(from);
}
