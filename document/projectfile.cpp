#include "document/projectfile.h"

#include "common/fileerror.h"
#include "flashkit/core/publishtarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString FormatName = QStringLiteral("lumaro-project");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Where an original stands on disk, learnt from its metadata alone: a pipe, a device or a socket
// is never opened (reading one could block for ever or have effects of its own).
enum class Kind
{
    Missing,
    File,
    Folder,
    Device,
    Pipe,
    Socket,
    Other
};

struct Found
{
    Kind kind = Kind::Missing;
    int error = 0; // why it is missing
    dev_t device = 0;
    ino_t inode = 0;
};

// Follows links, as the import does: a link to a photo is that photo.
Found lookUp(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        Found missing;
        missing.error = errno;
        return missing;
    }
    Found found{Kind::Other, 0, st.st_dev, st.st_ino};
    if (S_ISREG(st.st_mode))
        found.kind = Kind::File;
    else if (S_ISDIR(st.st_mode))
        found.kind = Kind::Folder;
    else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        found.kind = Kind::Device;
    else if (S_ISFIFO(st.st_mode))
        found.kind = Kind::Pipe;
    else if (S_ISSOCK(st.st_mode))
        found.kind = Kind::Socket;
    return found;
}

// Text that can stand for a name: no NUL (the system would cut a name there) and no half of a
// character (JSON escapes can make one; no file is named so, and it would not be saved as read).
bool isPlainText(const QString& text)
{
    return !text.contains(QChar(u'\0')) && text.isValidUtf16();
}

// A path as this program writes it: no empty, "." or ".." parts except the leading ".." of a
// relative path that leaves the project's folder, plain text, no longer than a path may be.
bool isTidy(const QString& path)
{
    if (path.isEmpty() || path.size() > ProjectFile::MaxPathLength || !isPlainText(path))
        return false;
    return QDir::cleanPath(path) == path;
}

// What the reader keeps of one project file: where it is (for relative paths and to tell it
// from its own entries) and what it left out.
class Reader
{
public:
    Reader(const QString& projectPath, QStringList* dropped) : dropped(dropped)
    {
        if (!projectPath.isEmpty()) {
            const QFileInfo info(projectPath);
            projectFile = QDir::cleanPath(info.absoluteFilePath());
            folder = QDir(info.absolutePath());
            self = lookUp(projectFile);
        }
    }

    bool readPhoto(const QJsonValue& value, int number, ProjectPhoto& photo);
    bool readClip(const QJsonValue& value, int number, ProjectClip& clip);
    void readSettings(const QJsonObject& root, Project& project);
    void drop(const QString& what, const QString& reason)
    {
        if (dropped)
            *dropped << what + QStringLiteral(" (") + reason + QLatin1Char(')');
    }

private:
    // The original an entry names, or empty with the entry dropped.
    QString original(const QJsonObject& entry, const QString& label);
    // The entry object and its original's path, or an empty path when the entry was dropped.
    QString entryOf(const QJsonValue& value, const QString& label, QJsonObject& entry);
    QString kindProblem(const Found& found) const;

    QStringList* dropped;
    QString projectFile;
    QDir folder;
    Found self;
};

QString notAFile(Kind kind)
{
    switch (kind) {
    case Kind::Missing:
    case Kind::File:
        break;
    case Kind::Folder:
        return ProjectFile::tr("a folder, not a file");
    case Kind::Device:
        return ProjectFile::tr("a device, not a file");
    case Kind::Pipe:
        return ProjectFile::tr("a pipe, not a file");
    case Kind::Socket:
        return ProjectFile::tr("a socket, not a file");
    case Kind::Other:
        return ProjectFile::tr("not a regular file");
    }
    return {};
}

QString Reader::kindProblem(const Found& found) const
{
    if (found.kind == Kind::Missing)
        return {};
    if (found.kind != Kind::File)
        return notAFile(found.kind);
    if (self.kind == Kind::File && found.device == self.device && found.inode == self.inode)
        return ProjectFile::tr("the project file itself");
    return {};
}

QString Reader::original(const QJsonObject& entry, const QString& label)
{
    const QJsonValue absoluteValue = entry.value(QLatin1String("path"));
    const QJsonValue relativeValue = entry.value(QLatin1String("relativePath"));
    const QString absolute = absoluteValue.toString();
    const QString relative = relativeValue.toString();
    const bool absoluteUsable =
        absoluteValue.isString() && isTidy(absolute) && QDir::isAbsolutePath(absolute);
    // Relative to the project's own folder only: a project read from bytes alone has none.
    const bool relativeUsable = relativeValue.isString() && isTidy(relative) &&
                                QDir::isRelativePath(relative) && !projectFile.isEmpty();
    if (!absoluteUsable && !relativeUsable) {
        const QString named = absoluteValue.isString() && !absolute.isEmpty() ? absolute : relative;
        const bool showable =
            !named.isEmpty() && named.size() <= ProjectFile::MaxPathLength && isPlainText(named);
        drop(showable ? shown(named) : label, named.isEmpty()
                                                  ? ProjectFile::tr("no file named")
                                                  : ProjectFile::tr("not a usable path"));
        return {};
    }

    QString path = absoluteUsable ? absolute : QString();
    Found found = absoluteUsable ? lookUp(absolute) : Found{};
    if (found.kind == Kind::Missing && relativeUsable) {
        const QString moved = QDir::cleanPath(folder.absoluteFilePath(relative));
        const Found there = lookUp(moved);
        if (there.kind != Kind::Missing || path.isEmpty()) {
            path = moved;
            found = there;
        }
    }
    // A missing original stays: the import names it with the other files it cannot read, and
    // the user may only have to plug in the disk that holds it.
    QString problem = kindProblem(found);
    if (problem.isEmpty() && path == projectFile)
        problem = ProjectFile::tr("the project file itself");
    if (!problem.isEmpty()) {
        drop(shown(path), problem);
        return {};
    }
    return path;
}

// A whole number from `low` to `high`, the way JSON writes one.
bool wholeNumber(const QJsonValue& value, qint64 low, qint64 high, qint64& number)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        return false;
    number = static_cast<qint64>(d);
    return true;
}

QString Reader::entryOf(const QJsonValue& value, const QString& label, QJsonObject& entry)
{
    if (!value.isObject()) {
        drop(label, ProjectFile::tr("damaged"));
        return QString();
    }
    entry = value.toObject();
    return original(entry, label);
}

bool Reader::readPhoto(const QJsonValue& value, int number, ProjectPhoto& photo)
{
    QJsonObject entry;
    const QString path = entryOf(value, ProjectFile::tr("Photo %1").arg(number), entry);
    if (path.isEmpty())
        return false;

    const QJsonValue operationsValue = entry.value(QLatin1String("operations"));
    QVector<qint32> operations;
    bool sound = operationsValue.isUndefined() || operationsValue.isArray();
    if (sound) {
        const QJsonArray list = operationsValue.toArray();
        operations.reserve(list.size());
        for (const QJsonValue& code : list) {
            qint64 n = 0;
            if (!wholeNumber(code, 0, 3, n)) {
                sound = false;
                break;
            }
            operations << static_cast<qint32>(n);
        }
    }
    qint64 baked = 0;
    const QJsonValue bakedValue = entry.value(QLatin1String("bakedOperations"));
    if (sound && !bakedValue.isUndefined())
        sound = wholeNumber(bakedValue, 0, operations.size(), baked);
    if (!sound) {
        drop(shown(path), ProjectFile::tr("its turns and flips are damaged"));
        return false;
    }
    photo.path = path;
    photo.operations = operations;
    photo.bakedOperations = static_cast<qint32>(baked);
    return true;
}

// Seconds of a clip: finite, not negative, within a day.
bool seconds(const QJsonValue& value, double& result)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d < 0 || d > ProjectFile::MaxClipSeconds)
        return false;
    result = d;
    return true;
}

bool Reader::readClip(const QJsonValue& value, int number, ProjectClip& clip)
{
    QJsonObject entry;
    const QString path = entryOf(value, ProjectFile::tr("Music clip %1").arg(number), entry);
    if (path.isEmpty())
        return false;
    double start = 0;
    double end = 0;
    if (!seconds(entry.value(QLatin1String("start")), start) ||
        !seconds(entry.value(QLatin1String("end")), end) || start > end) {
        drop(shown(path), ProjectFile::tr("its start and end are damaged"));
        return false;
    }
    clip.path = path;
    clip.start = start;
    clip.end = end;
    return true;
}

void Reader::readSettings(const QJsonObject& root, Project& project)
{
    const QString useDefault = ProjectFile::tr("damaged; the default is used");

    const QJsonValue templ = root.value(QLatin1String("template"));
    if (templ.isString() && templ.toString().size() <= ProjectFile::MaxNameLength &&
        isPlainText(templ.toString()))
        project.templateName = templ.toString();
    else if (!templ.isUndefined())
        drop(ProjectFile::tr("The template"), useDefault);

    const QJsonValue music = root.value(QLatin1String("music"));
    if (music.isObject()) {
        const QJsonObject options = music.toObject();
        bool* flags[] = {&project.music.fadeIn, &project.music.fadeOut, &project.music.loop};
        const char* keys[] = {"fadeIn", "fadeOut", "loop"};
        Slideshow::MusicOptions read;
        bool* readFlags[] = {&read.fadeIn, &read.fadeOut, &read.loop};
        bool sound = true;
        for (int i = 0; i < 3; ++i) {
            const QJsonValue flag = options.value(QLatin1String(keys[i]));
            if (flag.isBool())
                *readFlags[i] = flag.toBool();
            else if (!flag.isUndefined())
                sound = false;
        }
        if (sound) {
            for (int i = 0; i < 3; ++i)
                *flags[i] = *readFlags[i];
        } else {
            drop(ProjectFile::tr("The music options"), useDefault);
        }
    } else if (!music.isUndefined()) {
        drop(ProjectFile::tr("The music options"), useDefault);
    }

    const QJsonValue publish = root.value(QLatin1String("publish"));
    if (publish.isUndefined())
        return;
    const QJsonObject settings = publish.toObject();
    Slideshow::PublishSettings read;
    bool sound = publish.isObject();
    const QJsonValue name = settings.value(QLatin1String("name"));
    if (name.isString() && isPlainText(name.toString()) &&
        (name.toString().isEmpty() || PublishTarget::isUsableName(name.toString())))
        read.name = name.toString();
    else if (!name.isUndefined())
        sound = false;
    const QJsonValue folder = settings.value(QLatin1String("folder"));
    const QString folderText = folder.toString();
    if (folder.isString() &&
        (folderText.isEmpty() || (isTidy(folderText) && QDir::isAbsolutePath(folderText))))
        read.folder = folderText;
    else if (!folder.isUndefined())
        sound = false;
    qint64 n = 0;
    const QJsonValue profile = settings.value(QLatin1String("profile"));
    if (wholeNumber(profile, 0, 4, n))
        read.profile = static_cast<int>(n);
    else if (!profile.isUndefined())
        sound = false;
    const QJsonValue quality = settings.value(QLatin1String("quality"));
    if (wholeNumber(quality, 1, 100, n))
        read.quality = static_cast<int>(n);
    else if (!quality.isUndefined())
        sound = false;
    // Absent from projects written before the larger photo sizes: Standard.
    const QJsonValue photoSize = settings.value(QLatin1String("photoSize"));
    if (wholeNumber(photoSize, 0, 2, n))
        read.photoSize = static_cast<int>(n);
    else if (!photoSize.isUndefined())
        sound = false;
    // The video's choices came later; projects without them take the defaults.
    const QJsonValue videoHeight = settings.value(QLatin1String("videoHeight"));
    if (wholeNumber(videoHeight, 720, 1080, n) && (n == 720 || n == 1080))
        read.videoHeight = static_cast<int>(n);
    else if (!videoHeight.isUndefined())
        sound = false;
    const QJsonValue seconds = settings.value(QLatin1String("secondsPerPhoto"));
    if (wholeNumber(seconds, 0, 10, n) && n != 1)
        read.secondsPerPhoto = static_cast<int>(n);
    else if (!seconds.isUndefined())
        sound = false;
    if (sound)
        project.publishing = read;
    else
        drop(ProjectFile::tr("The publish settings"), useDefault);
}

QString named(const QString& projectPath)
{
    return projectPath.isEmpty() ? ProjectFile::tr("The project file") : shown(projectPath);
}

QString megabytes()
{
    return QString::number(ProjectFile::MaxBytes / (1024 * 1024));
}

QString damaged(const QString& projectPath, const QString& what)
{
    return ProjectFile::tr("%1 is not a Lumaro project, or it is damaged: %2.")
        .arg(named(projectPath), what);
}

void fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}
} // namespace

Project ProjectFile::fromSlideshow(const Slideshow& show)
{
    Project project;
    project.photos.reserve(show.photos().size());
    for (const ImageInfo& info : show.photos()) {
        ProjectPhoto photo;
        photo.path = QDir::cleanPath(QFileInfo(info.path).absoluteFilePath());
        photo.operations = info.operations;
        photo.bakedOperations = info.bakedOperations;
        project.photos << photo;
    }
    project.clips.reserve(show.clips().size());
    for (const AudioInfo& info : show.clips()) {
        ProjectClip clip;
        clip.path = QDir::cleanPath(QFileInfo(info.filePath).absoluteFilePath());
        clip.start = info.startPoint;
        clip.end = info.endPoint;
        project.clips << clip;
    }
    project.templateName = show.templateName();
    project.music = show.musicOptions();
    project.publishing = show.publishSettings();
    return project;
}

namespace {
QByteArray serialize(const Project& project, const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    const auto files = [&folder](const QString& original, QJsonObject& entry) {
        const QString absolute = QDir::cleanPath(QFileInfo(original).absoluteFilePath());
        entry.insert(QLatin1String("path"), absolute);
        entry.insert(QLatin1String("relativePath"), folder.relativeFilePath(absolute));
    };
    QJsonArray photos;
    for (const ProjectPhoto& photo : project.photos) {
        QJsonObject entry;
        files(photo.path, entry);
        QJsonArray operations;
        for (const qint32 code : photo.operations)
            operations.append(code);
        entry.insert(QLatin1String("operations"), operations);
        entry.insert(QLatin1String("bakedOperations"), photo.bakedOperations);
        photos.append(entry);
    }
    QJsonArray clips;
    for (const ProjectClip& clip : project.clips) {
        QJsonObject entry;
        files(clip.path, entry);
        entry.insert(QLatin1String("start"), clip.start);
        entry.insert(QLatin1String("end"), clip.end);
        clips.append(entry);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), ProjectFile::Version);
    root.insert(QLatin1String("photos"), photos);
    root.insert(QLatin1String("clips"), clips);
    root.insert(QLatin1String("template"), project.templateName);
    root.insert(QLatin1String("music"),
                QJsonObject{{QLatin1String("fadeIn"), project.music.fadeIn},
                            {QLatin1String("fadeOut"), project.music.fadeOut},
                            {QLatin1String("loop"), project.music.loop}});
    root.insert(
        QLatin1String("publish"),
        QJsonObject{{QLatin1String("name"), project.publishing.name},
                    {QLatin1String("folder"), project.publishing.folder},
                    {QLatin1String("profile"), project.publishing.profile},
                    {QLatin1String("quality"), project.publishing.quality},
                    {QLatin1String("photoSize"), project.publishing.photoSize},
                    {QLatin1String("videoHeight"), project.publishing.videoHeight},
                    {QLatin1String("secondsPerPhoto"), project.publishing.secondsPerPhoto}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
} // namespace

bool ProjectFile::write(const Project& project, const QString& path, QString* reason)
{
    if (project.photos.size() > MaxPhotos || project.clips.size() > MaxClips) {
        fail(reason, tr("Cannot save the project %1: a project holds at most %2 photos and %3 "
                        "music clips.")
                         .arg(shown(path), QString::number(MaxPhotos), QString::number(MaxClips)));
        return false;
    }
    // Saved under the name of one of its own originals (by any spelling or link), the project
    // would take that photo's or that music's place for good.
    if (const Found target = lookUp(path); target.kind == Kind::File) {
        const auto isTarget = [&target](const QString& original) {
            const Found found = lookUp(original);
            return found.kind == Kind::File && found.device == target.device &&
                   found.inode == target.inode;
        };
        QString original;
        for (const ProjectPhoto& photo : project.photos)
            if (original.isEmpty() && isTarget(photo.path))
                original = photo.path;
        for (const ProjectClip& clip : project.clips)
            if (original.isEmpty() && isTarget(clip.path))
                original = clip.path;
        if (!original.isEmpty()) {
            fail(reason, tr("Cannot save the project as %1: that is %2, one of the slideshow's "
                            "originals.")
                             .arg(shown(path), shown(original)));
            return false;
        }
    }
    const QByteArray bytes = serialize(project, path);
    if (bytes.size() > MaxBytes) {
        fail(reason, tr("Cannot save the project %1: it would be larger than %2 MB.")
                         .arg(shown(path), megabytes()));
        return false;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        fail(reason, FileError::writing(errno, path));
        return false;
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        fail(reason, FileError::writing(error, path));
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        fail(reason, FileError::writing(errno, path));
        return false;
    }
    return true;
}

std::optional<Project> ProjectFile::read(const QString& path, QString* reason, QStringList* dropped)
{
    // Looked at before it is opened, and opened without waiting: a pipe or a device given as a
    // project must not hang the program, and a huge file is refused before it fills the memory.
    const Found found = lookUp(path);
    if (found.kind == Kind::Missing) {
        fail(reason, FileError::reading(found.error, path));
        return std::nullopt;
    }
    if (found.kind != Kind::File) {
        fail(reason, tr("Cannot open %1: %2.").arg(shown(path), notAFile(found.kind)));
        return std::nullopt;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(reason, FileError::reading(errno, path));
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fail(reason, tr("%1 is not a project file.").arg(shown(path)));
        return std::nullopt;
    }
    const QString tooLarge =
        tr("%1 is too large for a project file (more than %2 MB).").arg(shown(path), megabytes());
    if (st.st_size > MaxBytes) {
        ::close(fd);
        fail(reason, tooLarge);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(reason, FileError::reading(0, path));
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew since it was looked at.
    const QByteArray bytes = file.read(qint64(MaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        fail(reason, FileError::reading(0, path));
        return std::nullopt;
    }
    if (bytes.size() > MaxBytes) {
        fail(reason, tooLarge);
        return std::nullopt;
    }
    return parse(bytes, path, reason, dropped);
}

std::optional<Project> ProjectFile::parse(const QByteArray& bytes, const QString& projectPath,
                                          QString* reason, QStringList* dropped)
{
    if (bytes.size() > MaxBytes) {
        fail(reason, tr("%1 is too large for a project file (more than %2 MB).")
                         .arg(named(projectPath), megabytes()));
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        fail(reason,
             damaged(projectPath,
                     tr("%1 at byte %2").arg(error.errorString(), QString::number(error.offset))));
        return std::nullopt;
    }
    if (!document.isObject()) {
        fail(reason, damaged(projectPath, tr("it holds no project")));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != FormatName) {
        fail(reason, damaged(projectPath, tr("it does not name the Lumaro project format")));
        return std::nullopt;
    }
    const QJsonValue versionValue = root.value(QLatin1String("version"));
    qint64 version = 0;
    if (!wholeNumber(versionValue, 1, std::numeric_limits<int>::max(), version)) {
        fail(reason, damaged(projectPath, tr("its format version is unknown")));
        return std::nullopt;
    }
    if (version > Version) {
        fail(reason,
             tr("%1 was saved by a newer Lumaro (project format version %2); this one "
                "reads up to version %3.")
                 .arg(named(projectPath), QString::number(version), QString::number(Version)));
        return std::nullopt;
    }
    const QJsonValue photos = root.value(QLatin1String("photos"));
    const QJsonValue clips = root.value(QLatin1String("clips"));
    if ((!photos.isUndefined() && !photos.isArray()) ||
        (!clips.isUndefined() && !clips.isArray())) {
        fail(reason, damaged(projectPath, tr("its list of photos or of music clips is damaged")));
        return std::nullopt;
    }

    Reader reader(projectPath, dropped);
    Project project;
    const QJsonArray photoList = photos.toArray();
    const qsizetype photoCount = std::min<qsizetype>(photoList.size(), MaxPhotos);
    project.photos.reserve(photoCount);
    for (qsizetype i = 0; i < photoCount; ++i) {
        ProjectPhoto photo;
        if (reader.readPhoto(photoList.at(i), int(i + 1), photo))
            project.photos << photo;
    }
    if (photoList.size() > MaxPhotos)
        reader.drop(tr("Photos %1 to %2").arg(MaxPhotos + 1).arg(photoList.size()),
                    tr("a project holds at most %1 photos").arg(MaxPhotos));
    const QJsonArray clipList = clips.toArray();
    const qsizetype clipCount = std::min<qsizetype>(clipList.size(), MaxClips);
    project.clips.reserve(clipCount);
    for (qsizetype i = 0; i < clipCount; ++i) {
        ProjectClip clip;
        if (reader.readClip(clipList.at(i), int(i + 1), clip))
            project.clips << clip;
    }
    if (clipList.size() > MaxClips)
        reader.drop(tr("Music clips %1 to %2").arg(MaxClips + 1).arg(clipList.size()),
                    tr("a project holds at most %1 music clips").arg(MaxClips));
    reader.readSettings(root, project);
    return project;
}
