#pragma once

// A folder that runs out of space: a small tmpfs mounted inside a mount namespace of the test
// program's own, so the mount is seen by nothing else and goes away with the program.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace FullFolder {

namespace detail {
inline bool writeProc(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

inline bool& entered()
{
    static bool value = false;
    return value;
}
} // namespace detail

// Call first in main(), before any thread starts: as root the program gets a mount namespace of
// its own, otherwise a user namespace in which it may mount too. False when neither is allowed;
// the tests that need a full folder then skip.
inline bool enterOwnMountNamespace()
{
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray gid = QByteArray::number(::getgid());
    bool ok = ::unshare(CLONE_NEWNS) == 0;
    if (!ok && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
        detail::writeProc("/proc/self/setgroups", "deny");
        ok = detail::writeProc("/proc/self/uid_map", "0 " + uid + " 1") &&
             detail::writeProc("/proc/self/gid_map", "0 " + gid + " 1");
    }
    // Mounts made from now on stay inside the namespace.
    ok = ok && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    detail::entered() = ok;
    return ok;
}

inline bool available()
{
    return detail::entered();
}

// A file system of `bytes` on `path` (made when missing).
inline bool mount(const QString& path, qint64 bytes)
{
    if (!available() || !QDir().mkpath(path))
        return false;
    const QByteArray options = "size=" + QByteArray::number(bytes);
    return ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, options.constData()) ==
           0;
}

inline void unmount(const QString& path)
{
    ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
}

} // namespace FullFolder
