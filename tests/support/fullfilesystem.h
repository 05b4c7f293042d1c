#pragma once

// A small file system that is full after a known number of bytes, for what a full disk does to
// the program. The tmpfs is mounted in a mount namespace of its own (unshare: no privileges
// needed, and nothing stays mounted after the test); this process reaches it through the root
// of the process that holds that namespace open, /proc/PID/root.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class FullFilesystem
{
public:
    explicit FullFilesystem(qint64 bytes)
    {
        // The holder waits on its standard input: it ends with this object, or with the test.
        holder.start("unshare", {"-rm", "sh", "-c",
                                 "mount -t tmpfs -o size=\"$1\" tmpfs \"$2\" && echo mounted && "
                                 "read -r _",
                                 "sh", QString::number(bytes), mountPoint.path()});
        if (!holder.waitForStarted(10000)) {
            why = QStringLiteral("unshare cannot be started: ") + holder.errorString();
            return;
        }
        QByteArray said;
        while (holder.waitForReadyRead(10000) && !said.contains('\n'))
            said += holder.readAllStandardOutput();
        if (said.startsWith("mounted\n"))
            top = QStringLiteral("/proc/%1/root%2").arg(holder.processId()).arg(mountPoint.path());
        else
            why = QStringLiteral("no tmpfs can be mounted here: ") +
                  QString::fromLocal8Bit(holder.readAllStandardError()).trimmed();
    }
    ~FullFilesystem()
    {
        holder.closeWriteChannel();
        if (!holder.waitForFinished(5000))
            holder.kill();
        holder.waitForFinished(5000);
    }
    FullFilesystem(const FullFilesystem&) = delete;
    FullFilesystem& operator=(const FullFilesystem&) = delete;

    bool isValid() const { return !top.isEmpty(); }
    // The top folder of the empty file system, as this process sees it.
    QString path() const { return top; }
    // Why there is none, for QSKIP.
    QString whyNot() const { return why; }

private:
    QTemporaryDir mountPoint;
    QProcess holder;
    QString top;
    QString why;
};
