#include "common/workspace.h"

#include "common/imageinfo.h"
#include "common/naturalorder.h"
#include "common/workspacelayout.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

QString workspaceFolder()
{
    VelPref* pref = VelPref::instance();
    const QString stored = pref->value(QLatin1String(PrefKey::Temporary), QString()).toString();
    if (!stored.isEmpty())
        return stored;

    // Only the path is worked out and remembered here; whoever needs the folder creates it.
    const QString parent =
        QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    pref->setValue(QLatin1String(PrefKey::TemporaryDir), parent, false);
    const QString workspace = parent + QDir::separator() + QLatin1String(WorkspaceFolderName);
    pref->setValue(QLatin1String(PrefKey::Temporary), workspace, false);
    return workspace;
}

QString photosFolder()
{
    return WorkspaceLayout(workspaceFolder()).photos();
}

QString photoBackupFolder()
{
    return WorkspaceLayout(workspaceFolder()).backups();
}

QString musicFolder()
{
    return WorkspaceLayout(workspaceFolder()).music();
}

namespace {
QString createdRecordPath(const QString& workspace)
{
    return workspace + QLatin1Char('/') + QLatin1String(WorkspaceCreatedRecord);
}
} // namespace

bool forgetForeignWorkspace()
{
    VelPref* pref = VelPref::instance();
    const QString stored = pref->value(QLatin1String(PrefKey::Temporary), QString()).toString();
    if (stored.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(stored);
    if (!QDir::isRelativePath(clean) &&
        QFileInfo(clean).fileName() == QLatin1String(WorkspaceFolderName))
        return false;
    pref->remove(QLatin1String(PrefKey::Temporary));
    pref->remove(QLatin1String(PrefKey::TemporaryDir));
    return true;
}

bool ensureWorkspaceFolder()
{
    // Photos are read several at a time: a second thread working out the folders above while the
    // first is making them would record only part of them, and the clean-up would miss the rest.
    static QMutex making;
    const QMutexLocker lock(&making);
    const QString workspace = QDir::cleanPath(workspaceFolder());
    if (QDir::isRelativePath(workspace))
        return false;
    if (QFileInfo(workspace).isDir())
        return true;
    // The folders above the workspace that do not exist yet are the program's own from now on;
    // they are written down so that the close clean-up removes those and no others.
    QStringList created;
    for (QString folder = QFileInfo(workspace).path();
         !QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink() &&
         folder != QFileInfo(folder).path();
         folder = QFileInfo(folder).path())
        created.append(folder);
    if (!QDir().mkpath(workspace))
        return false;
    QFile record(createdRecordPath(workspace));
    if (!created.isEmpty() && record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        record.write(created.join(QLatin1Char('\n')).toUtf8() + '\n');
    return true;
}

QStringList createdWorkspaceParents(const QString& workspace)
{
    QFile record(createdRecordPath(workspace));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    const QString clean = QDir::cleanPath(workspace);
    QStringList parents;
    // The record lives inside a folder anyone with access could write to: take only folders
    // that really lie above this workspace.
    const QStringList lines = QString::fromUtf8(record.read(64 * 1024)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString folder = QDir::cleanPath(line);
        if (!line.isEmpty() && !QDir::isRelativePath(folder) && folder != QLatin1String("/") &&
            clean.startsWith(folder + QLatin1Char('/')) && !parents.contains(folder))
            parents.append(folder);
    }
    return parents;
}

bool ensurePhotoFolders()
{
    ensureWorkspaceFolder();
    QDir dir;
    const QString photos = photosFolder();
    const QString backup = photoBackupFolder();
    if (!dir.exists(photos))
        dir.mkpath(photos);
    if (!dir.exists(backup))
        dir.mkpath(backup);
    return QFileInfo(photos).isDir() && QFileInfo(backup).isDir();
}

QString fittedStem(const QString& stem, int reservedBytes)
{
    constexpr int MaxNameBytes = 255;
    QString fitted = stem;
    while (!fitted.isEmpty() && fitted.toUtf8().size() + reservedBytes > MaxNameBytes) {
        fitted.chop(1);
        if (!fitted.isEmpty() && fitted.back().isHighSurrogate())
            fitted.chop(1); // never half a character
    }
    return fitted;
}

namespace {
// B + U: the source's complete base name followed by the record's id in braces. The thumbnails
// add "s_", the copies re-encoded for publishing "p_", every copy ".jpg": 46 bytes with the id.
QString photoFileStem(const ImageInfo& info)
{
    const QString id = info.id.toString(QUuid::WithBraces);
    return fittedStem(QFileInfo(info.path).completeBaseName(), int(id.size()) + 8) + id;
}
} // namespace

QString workingCopyPath(const ImageInfo& info)
{
    return photosFolder() + photoFileStem(info) + QStringLiteral(".jpg");
}

QString backupCopyPath(const ImageInfo& info)
{
    return photoBackupFolder() + photoFileStem(info) + QStringLiteral(".jpg");
}

QString thumbnailPath(const ImageInfo& info)
{
    return photosFolder() +
           WorkspaceLayout::thumbnailName(photoFileStem(info) + QStringLiteral(".jpg"));
}

QString backupThumbnailPath(const ImageInfo& info)
{
    return photoBackupFolder() +
           WorkspaceLayout::thumbnailName(photoFileStem(info) + QStringLiteral(".jpg"));
}

QString musicCopyPath(const QString& audioPath)
{
    return musicFolder() + fittedStem(QFileInfo(audioPath).completeBaseName(), MusicNameReserve) +
           QStringLiteral(".mp3");
}

bool isValidFolderPath(const QString& path)
{
    if (path.isEmpty())
        return false;

    QString p = path;
    if (p.endsWith(QLatin1Char('/')))
        p.chop(1);
    // The bare root has nothing left to judge; it is no place for the program's folders.
    if (p.isEmpty())
        return false;

    QString native = QDir::toNativeSeparators(p);
    QString absolute = QDir::toNativeSeparators(QDir::cleanPath(QDir(p).absolutePath()));
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    if (!absolute.endsWith(QDir::separator()))
        absolute += QDir::separator();
    // A relative or unclean path changes when made absolute and clean.
    if (absolute != native)
        return false;

    qsizetype rootLength = -1;
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo& drive : drives) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
        if (native.startsWith(root, Qt::CaseInsensitive)) {
            rootLength = root.length();
            break;
        }
    }
    if (rootLength < 0)
        return false;

    // Characters that other systems refuse in folder names; published folders must travel.
    static const QRegularExpression forbidden(QStringLiteral("[\"*:<>`!#?|]"));
    return native.indexOf(forbidden, rootLength) < 0;
}

namespace {
// The shared walk of the two unique-name rules: `sameName` tells an entry that is the plain
// name itself, `numbered` captures the counter of a numbered one. Every numbered match adds one
// to the highest counter seen so far, so the proposal never repeats a listed numbered name.
void makeUnique(QString& name, const QStringList& entries, const QString& plainName,
                const QRegularExpression& numbered)
{
    if (entries.isEmpty())
        return;
    qint64 counter = 0;
    for (const QString& entry : entries) {
        if (!entry.contains(name, Qt::CaseSensitive))
            continue;
        if (entry.compare(plainName, Qt::CaseInsensitive) == 0) {
            if (counter == 0)
                counter = 1;
        } else {
            const QRegularExpressionMatch match = numbered.match(entry);
            if (match.hasMatch()) {
                bool ok = false;
                const qint64 found = match.captured(1).toLongLong(&ok);
                counter = std::max(counter, ok ? found : 0) + 1;
            }
        }
    }
    if (counter > 0)
        name = QStringLiteral("%1(%2)").arg(name).arg(counter);
}
} // namespace

void uniqueFileName(QString& name, const QString& folder, const QString& suffix)
{
    const QString fullName = QStringLiteral("%1.%2").arg(name, suffix);
    const QRegularExpression numbered(QStringLiteral("\\((\\d+)\\)\\.") +
                                      QRegularExpression::escape(suffix) + QStringLiteral("$"));
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted);
    makeUnique(name, entries, fullName, numbered);
}

void uniqueFolderName(QString& name, const QString& folder)
{
    static const QRegularExpression numbered(QStringLiteral("\\((\\d+)\\)$"));
    const QStringList entries = QDir(folder).entryList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
    makeUnique(name, entries, name, numbered);
}

void deleteTree(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    // A symbolic link is removed as a link: following it would delete whatever it points to,
    // possibly far outside the tree.
    if (info.isSymLink()) {
        QFile::remove(path);
        return;
    }
    if (info.isDir()) {
        QDir dir(path);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Unsorted);
        if (entries.size() > 2) {
            for (const QString& entry : entries) {
                if (entry != QLatin1String(".") && entry != QLatin1String(".."))
                    deleteTree(dir.filePath(entry));
            }
        }
        // The containing folder stays: it may be the user's own, and only the close clean-up
        // knows which folders above the workspace the program made.
        info.absoluteDir().rmdir(info.fileName());
    } else if (info.exists()) {
        QFile::remove(info.absoluteFilePath());
    }
}

namespace {
void scanInto(QStringList& found, const QString& path, const QStringList& nameFilters,
              QStringList& ancestors)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        // A link back to a folder already being walked would recurse for ever.
        const QString canonical = info.canonicalFilePath();
        if (ancestors.contains(canonical))
            return;
        ancestors.append(canonical);

        // The disk's own order differs between file systems and copies of a folder: the window
        // and the command line take a folder's files in natural name order, then its
        // sub-folders in that order too, so the same folder always makes the same slideshow.
        QDir dir(path);
        QStringList files = dir.entryList(nameFilters, QDir::Files, QDir::Unsorted);
        sortNaturally(files);
        for (const QString& file : std::as_const(files))
            found.append(dir.absoluteFilePath(file));
        QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
        sortNaturally(folders);
        for (const QString& folder : std::as_const(folders))
            scanInto(found, path + QDir::separator() + folder, nameFilters, ancestors);

        ancestors.removeLast();
    } else {
        const QString pattern = QStringLiteral("*.") + info.suffix().toLower();
        if (nameFilters.contains(pattern))
            found.append(path);
    }
}
} // namespace

QStringList scanMediaFiles(const QList<QUrl>& urls, const QStringList& nameFilters)
{
    QStringList paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile());

    QStringList found;
    for (const QString& path : paths) {
        QStringList ancestors;
        scanInto(found, path, nameFilters, ancestors);
    }
    return found;
}
