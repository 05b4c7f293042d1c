#pragma once

// A small file system of a test's own (tmpfs of a few hundred KB) on a folder, to fill up or
// make read-only. A test program that includes this moves, as it starts and before any thread
// exists, into a mount namespace of its own (as root directly, otherwise inside a user namespace
// where it is root), so nothing it mounts is seen by other programs or outlives it.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace SmallFs {

namespace detail {
inline bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

inline QString& failure()
{
    static QString text;
    return text;
}

inline bool enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const QByteArray uid = QByteArray::number(::getuid());
        const QByteArray gid = QByteArray::number(::getgid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            failure() = QStringLiteral("no mount namespace: %1").arg(std::strerror(errno));
            return false;
        }
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + uid + " 1\n") ||
            !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1\n")) {
            failure() = QStringLiteral("no user mapping: %1").arg(std::strerror(errno));
            return false;
        }
    }
    // What is mounted from now on stays in this namespace.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        failure() = QStringLiteral("mounts not private: %1").arg(std::strerror(errno));
        return false;
    }
    return true;
}
} // namespace detail

// Entered during static initialisation: a namespace is per thread once threads exist.
inline const bool ownNamespace = detail::enterOwnMountNamespace();

// Why mounting is not possible here ("" when it is); tests QSKIP with it.
inline QString unavailable()
{
    return ownNamespace ? QString() : detail::failure();
}

// Mounts an empty tmpfs of `kilobytes` on `folder` (made when missing).
inline bool mount(const QString& folder, int kilobytes)
{
    QDir().mkpath(folder);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    return ownNamespace && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                                   options.constData()) == 0;
}

// Fills the file system holding `folder` to the last byte with a file called `name`.
inline bool fill(const QString& folder, const QString& name = QStringLiteral("filler"))
{
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, '\0');
    while (file.write(block) == block.size()) {
    }
    const QByteArray byte(1, '\0');
    while (file.write(byte) == 1) {
    }
    return file.error() == QFileDevice::ResourceError || errno == ENOSPC;
}

// Makes the file system mounted on `folder` read-only.
inline bool makeReadOnly(const QString& folder)
{
    return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}

inline bool unmount(const QString& folder)
{
    return ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH) == 0;
}

} // namespace SmallFs
