#include "flashkit/core/filecopy.h"

#include "common/fileerror.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {
void makeOwnerWritable(const QString& path)
{
    QFile file(path);
    const QFileDevice::Permissions permissions = file.permissions();
    if (!permissions.testFlag(QFileDevice::WriteOwner))
        file.setPermissions(permissions | QFileDevice::WriteOwner);
}
} // namespace

bool copyWithRetry(const QString& from, const QString& to, int* error)
{
    bool copied = QFile::copy(from, to);
    if (!copied) {
        QFile::remove(to);
        errno = 0;
        copied = QFile::copy(from, to);
    }
    if (error)
        *error = copied ? 0 : errno;
    if (copied)
        makeOwnerWritable(to);
    return copied;
}

QString copyFailureText(const QString& from, const QString& to, int error)
{
    QFile source(from);
    errno = 0;
    if (!source.open(QIODevice::ReadOnly))
        return FileError::reading(errno, from);
    return FileError::writing(error, to);
}

bool copyKeepingExisting(const QString& from, const QString& to, int* error)
{
    errno = 0;
    if (QFile::copy(from, to))
        return true;
    if (error)
        *error = errno;
    return QFileInfo::exists(to) || !QFileInfo::exists(from);
}
