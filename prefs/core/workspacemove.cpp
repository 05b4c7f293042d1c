#include "prefs/core/workspacemove.h"

#include "common/logfile.h"
#include "common/workspacelayout.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <vector>

namespace {
constexpr qint64 BlockSize = 256 * 1024;
} // namespace

WorkspaceMove::WorkspaceMove(const QString& from, const QString& to, QObject* parent)
    : QObject(parent), from(QDir::cleanPath(from)), to(QDir::cleanPath(to)),
      makeTarget([](const QString& path) { return std::make_unique<QFile>(path); })
{
}

WorkspaceMove::~WorkspaceMove()
{
    cancel();
    wait();
}

void WorkspaceMove::start()
{
    if (thread)
        return;
    thread.reset(QThread::create([this] { run(); }));
    thread->start();
}

bool WorkspaceMove::isRunning() const
{
    return thread && thread->isRunning();
}

void WorkspaceMove::wait()
{
    if (thread)
        thread->wait();
}

void WorkspaceMove::run()
{
    const int total = entryCount();
    int done = 0;
    const WorkspaceLayout source(from);
    const WorkspaceLayout target(to);
    bool good = makeFolders();
    for (int i = 0; good && i < photos.size(); ++i) {
        const QString& name = photos.at(i);
        qDebug() << source.photos() + name;
        for (const auto& [sourceFolder, targetFolder] :
             {std::pair(source.photos(), target.photos()),
              std::pair(source.backups(), target.backups())}) {
            for (const QString& file : {name, WorkspaceLayout::thumbnailName(name)}) {
                if (good)
                    good = copyChecked(sourceFolder + file, targetFolder + file);
            }
        }
        if (good)
            emit progressChanged(++done, total);
    }
    for (int i = 0; good && i < music.size(); ++i) {
        const QString& name = music.at(i);
        qDebug() << source.music() + name << target.music() + name;
        good = copyChecked(source.music() + name, target.music() + name);
        if (good)
            emit progressChanged(++done, total);
    }
    if (good && cancelRequested)
        good = fail(QString(), QString());
    if (!good)
        rollBack();
    ok = good;
    emit finished(good);
}

bool WorkspaceMove::makeFolders()
{
    const WorkspaceLayout target(to);
    for (const QString& leaf : {target.backups(), target.music()}) {
        const QString wanted = QDir::cleanPath(leaf);
        // Remember each level this run makes, so a roll-back removes exactly those.
        std::vector<QString> missing;
        for (QString folder = wanted; !QFileInfo::exists(folder);
             folder = QFileInfo(folder).path()) {
            missing.push_back(folder);
            if (QFileInfo(folder).path() == folder)
                break;
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
            if (!QDir().mkdir(*it))
                return fail(*it, tr("The folder cannot be created."));
            createdFolders.append(*it);
        }
        if (!QFileInfo(wanted).isDir())
            return fail(wanted, tr("Another file of that name is in the way."));
    }
    return true;
}

bool WorkspaceMove::copyChecked(const QString& source, const QString& target)
{
    if (cancelRequested)
        return fail(QString(), QString());
    const QFileInfo sourceInfo(source);
    // A clip is converted into the workspace only when publishing: a file that is not there
    // has nothing to lose and its entry simply points to the new place.
    if (!sourceInfo.exists()) {
        LUMARO_LOG(qUtf8Printable(QStringLiteral("nothing at ") + source));
        return true;
    }
    const QFileInfo targetInfo(target);
    // A file left at the new place under the same name is stale: this run's copy replaces it.
    // Anything but a plain file or a link is not ours to remove.
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        if (!targetInfo.isSymLink() && !targetInfo.isFile())
            return fail(source, tr("Another file of that name is in the way."));
        QFile stale(target);
        if (!stale.remove())
            return fail(source, stale.errorString());
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(source, in.errorString());
    const std::unique_ptr<QFileDevice> out = makeTarget(target);
    // Unbuffered: a write the system refuses fails at once with the system's reason, instead of
    // in a later flush that no longer knows why.
    if (!out->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(source, out->errorString());
    written.append(target);
    QByteArray block;
    while (!in.atEnd()) {
        if (cancelRequested)
            return fail(QString(), QString());
        block = in.read(BlockSize);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(source, in.errorString());
        // A filling disk takes part of a block and reports nothing; offered the rest, it says
        // why it takes no more.
        for (qint64 done = 0; done < block.size();) {
            const qint64 taken = out->write(block.constData() + done, block.size() - done);
            if (taken <= 0)
                return fail(source, writeFailure(*out));
            done += taken;
        }
    }
    out->close();
    if (out->error() != QFileDevice::NoError)
        return fail(source, writeFailure(*out));
    if (QFileInfo(target).size() != sourceInfo.size())
        return fail(source, tr("The copy is incomplete."));
    return true;
}

QString WorkspaceMove::writeFailure(const QFileDevice& out) const
{
    if (out.error() == QFileDevice::ResourceError)
        return tr("No space left on the device holding \"%1\"").arg(QDir::toNativeSeparators(to));
    return out.errorString();
}

bool WorkspaceMove::fail(const QString& source, const QString& why)
{
    if (source.isEmpty() && why.isEmpty()) {
        cancelled = true;
    } else {
        failedSource = source;
        reason = why;
        LUMARO_LOG(qUtf8Printable(source + QStringLiteral(": ") + why));
    }
    return false;
}

void WorkspaceMove::rollBack()
{
    for (auto it = written.crbegin(); it != written.crend(); ++it)
        QFile::remove(*it);
    written.clear();
    for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
        QDir().rmdir(*it); // only where empty: a folder the run did not fill is not its to clear
    createdFolders.clear();
}
