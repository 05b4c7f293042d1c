#include "common/fileerror.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A full, read-only or failing device is the folder's matter, not the one file's.
QString folderOf(const QString& path)
{
    const QFileInfo info(path);
    return shown(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}
} // namespace

QString FileError::reading(int error, const QString& path)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return tr("%1 does not exist.").arg(shown(path));
    case EACCES:
    case EPERM:
        return tr("No permission to read %1.").arg(shown(path));
    case EISDIR:
        return tr("%1 is a folder, not a file.").arg(shown(path));
    case EIO:
        return tr("The device holding %1 could not be read.").arg(folderOf(path));
    case 0:
        return tr("Cannot read %1.").arg(shown(path));
    default:
        return tr("Cannot read %1: %2").arg(shown(path), qt_error_string(error));
    }
}

QString FileError::writing(int error, const QString& path)
{
    switch (error) {
    case ENOSPC:
        return tr("No space left on the device holding %1.").arg(folderOf(path));
    case EDQUOT:
        return tr("The disk quota is used up on the device holding %1.").arg(folderOf(path));
    case EROFS:
        return tr("The device holding %1 is read-only.").arg(folderOf(path));
    case EIO:
        return tr("The device holding %1 could not be written.").arg(folderOf(path));
    case EACCES:
    case EPERM:
        return tr("No permission to write %1.").arg(shown(path));
    case ENOENT:
        return tr("The folder of %1 does not exist.").arg(shown(path));
    case ENOTDIR:
        return tr("Part of the path %1 is a file, not a folder.").arg(shown(path));
    case ENAMETOOLONG:
        return tr("The name %1 is too long.").arg(shown(path));
    case EISDIR:
        return tr("%1 is a folder, not a file.").arg(shown(path));
    case 0:
        return tr("Cannot write %1.").arg(shown(path));
    default:
        return tr("Cannot write %1: %2").arg(shown(path), qt_error_string(error));
    }
}
