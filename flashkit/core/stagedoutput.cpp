#include "flashkit/core/stagedoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Give up after this many names taken one after the other while moving into place.
constexpr int MaxAttempts = 1000;

enum class Claim
{
    Done,
    Taken,
    Failed
};

// Moves `from` to `to` only when `to` does not exist, in one step: a name another run or the
// user took meanwhile is never replaced.
Claim claim(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return Claim::Done;
    if (errno == EEXIST)
        return Claim::Taken;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Claim::Failed;
    // A file system that cannot rename without replacing: the name is claimed by creating it
    // empty (a folder, a file), then the output replaces that empty placeholder of our own.
    struct stat info = {};
    if (::lstat(source.constData(), &info) != 0)
        return Claim::Failed;
    const bool folder = S_ISDIR(info.st_mode);
    const int made =
        folder ? ::mkdir(target.constData(), 0777)
               : ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (made < 0)
        return errno == EEXIST ? Claim::Taken : Claim::Failed;
    if (!folder)
        ::close(made);
    if (std::rename(source.constData(), target.constData()) == 0)
        return Claim::Done;
    if (folder)
        ::rmdir(target.constData());
    else
        ::unlink(target.constData());
    return Claim::Failed;
}

QString withSuffix(const QString& folder, const QString& name, const QString& suffix)
{
    return folder + QLatin1Char('/') + name + QLatin1Char('.') + suffix;
}
} // namespace

StagedOutput::~StagedOutput()
{
    discard();
}

bool StagedOutput::prepare(const QString& folder, const QString& name, int value)
{
    discard();
    destination = QDir::cleanPath(folder);
    requested = name;
    profile = value;
    tried.clear();
    placement = PublishTarget::place(name, destination, profile);
    if (!placement.isValid()) {
        errorText =
            tr("The name \"%1\" cannot be used: %2").arg(name, PublishTarget::nameProblem(name));
        return false;
    }
    QStringList missing;
    for (QString path = destination; !QFileInfo::exists(path); path = QFileInfo(path).path()) {
        missing.prepend(path);
        if (QFileInfo(path).path() == path)
            break;
    }
    for (const QString& path : missing) {
        if (!QDir().mkdir(path)) {
            // Another publish into the same new folder may have made it since it was looked at:
            // that one is not ours to remove afterwards, and not a failure.
            if (QFileInfo(path).isDir())
                continue;
            errorText = tr("Cannot create the folder %1").arg(path);
            discard();
            return false;
        }
        createdFolders << path;
    }
    RunLock::removeStale(destination, hiddenPrefix());
    hidden = std::make_unique<QTemporaryDir>(destination + QLatin1Char('/') + hiddenPrefix() +
                                             QStringLiteral("XXXXXX"));
    if (!hidden->isValid() || !lock.hold(hidden->path())) {
        errorText = tr("Cannot write into the folder %1").arg(destination);
        discard();
        return false;
    }
    return true;
}

QString StagedOutput::kitFolder() const
{
    if (!hidden)
        return QString();
    if (profile == 0)
        return hidden->path() + QLatin1Char('/') + QFileInfo(placement.folder).fileName();
    return hidden->path();
}

// The name to try after `taken` was found taken: the next one free now, never one tried before.
QString StagedOutput::nextName(const QString& taken)
{
    tried << taken;
    const PublishTarget::Placement fresh = PublishTarget::place(requested, destination, profile);
    QString name = profile == 0 ? QFileInfo(fresh.folder).fileName() : fresh.name;
    for (qint64 counter = 1; name.isEmpty() || tried.contains(name); ++counter)
        name = PublishTarget::numbered(requested, counter);
    return name;
}

bool StagedOutput::commit(QString& published, const Renamer& rename)
{
    if (!hidden)
        return false;
    const bool ok = profile == 0 ? commitFolder(published) : commitFiles(published, rename);
    if (ok)
        done();
    return ok;
}

bool StagedOutput::commitFolder(QString& published)
{
    const QString staged = kitFolder();
    QString name = QFileInfo(placement.folder).fileName();
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        const QString target = destination + QLatin1Char('/') + name;
        switch (claim(staged, target)) {
        case Claim::Done:
            published = target;
            return true;
        case Claim::Taken:
            name = nextName(name);
            continue;
        case Claim::Failed:
            break;
        }
        errorText = tr("Cannot move the slideshow to %1").arg(target);
        return false;
    }
    errorText = tr("Cannot move the slideshow to %1").arg(destination);
    return false;
}

bool StagedOutput::commitFiles(QString& published, const Renamer& rename)
{
    const QString folder = hidden->path();
    const QStringList suffixes = PublishTarget::outputSuffixes(profile);
    QString staged = placement.name;
    QString name = staged;
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        if (name != staged) {
            const bool renamed = rename ? rename(folder, staged, name) : [&] {
                for (const QString& suffix : suffixes) {
                    if (!QFile::rename(withSuffix(folder, staged, suffix),
                                       withSuffix(folder, name, suffix)))
                        return false;
                }
                return true;
            }();
            if (!renamed) {
                errorText = tr("Cannot move the slideshow to %1")
                                .arg(withSuffix(destination, name, suffixes.last()));
                return false;
            }
            staged = name;
        }
        // Every file lands under the same name or none does.
        QStringList moved;
        Claim result = Claim::Done;
        QString failedTarget;
        for (const QString& suffix : suffixes) {
            const QString target = withSuffix(destination, name, suffix);
            result = claim(withSuffix(folder, name, suffix), target);
            if (result != Claim::Done) {
                failedTarget = target;
                break;
            }
            moved << suffix;
        }
        if (result == Claim::Done) {
            published = withSuffix(destination, name, suffixes.last());
            return true;
        }
        for (const QString& suffix : moved)
            claim(withSuffix(destination, name, suffix), withSuffix(folder, name, suffix));
        if (result == Claim::Failed) {
            errorText = tr("Cannot move the slideshow to %1").arg(failedTarget);
            return false;
        }
        name = nextName(name);
    }
    errorText = tr("Cannot move the slideshow to %1").arg(destination);
    return false;
}

// The slideshow is in place: the folders made for it hold it now, the hidden one goes.
void StagedOutput::done()
{
    createdFolders.clear();
    hidden.reset();
    lock.release();
}

void StagedOutput::discard()
{
    hidden.reset(); // QTemporaryDir removes it with everything in it
    lock.release();
    for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
        QDir().rmdir(*it); // only succeeds while empty
    createdFolders.clear();
}
