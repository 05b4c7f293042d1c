#include "common/runlock.h"

#include "common/workspace.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

RunLock::~RunLock()
{
    release();
}

bool RunLock::hold(const QString& folder)
{
    release();
    // Locked under a passing name, then given its real one: a folder is never seen with a lock
    // file that nobody holds while its run is still starting.
    const QByteArray passing = QFile::encodeName(folder + QStringLiteral("/.lumaro-run.new"));
    const QByteArray lockName =
        QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(FileName));
    const int file = ::open(passing.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    if (::flock(file, LOCK_EX | LOCK_NB) != 0 ||
        ::rename(passing.constData(), lockName.constData())) {
        ::close(file);
        ::unlink(passing.constData());
        return false;
    }
    fd = file;
    return true;
}

void RunLock::release()
{
    if (fd < 0)
        return;
    ::close(fd); // closing the only descriptor gives the lock up
    fd = -1;
}

int RunLock::removeStale(const QString& parent, const QString& prefix)
{
    const QRegularExpression ours(QLatin1Char('^') + QRegularExpression::escape(prefix) +
                                  QStringLiteral("[A-Za-z0-9]{6}$"));
    const QStringList entries = QDir(parent).entryList(
        QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Unsorted);
    int removed = 0;
    for (const QString& entry : entries) {
        if (!ours.match(entry).hasMatch())
            continue;
        const QString folder = parent + QLatin1Char('/') + entry;
        const QByteArray lockPath =
            QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(FileName));
        struct stat folderInfo = {};
        struct stat lockInfo = {};
        if (::lstat(QFile::encodeName(folder).constData(), &folderInfo) != 0 ||
            !S_ISDIR(folderInfo.st_mode) || folderInfo.st_uid != ::geteuid() ||
            ::lstat(lockPath.constData(), &lockInfo) != 0 || !S_ISREG(lockInfo.st_mode))
            continue;
        const int file = ::open(lockPath.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (file < 0)
            continue;
        // Held while the folder goes, so that two runs cleaning up at once do not meet in it.
        if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
            deleteTree(folder);
            ++removed;
        }
        ::close(file);
    }
    return removed;
}
