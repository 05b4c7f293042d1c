#pragma once

#include "document/slideshow.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// What a project file (".lumaro") keeps of a slideshow: the original files and what the user did
// with them. Opening one imports the originals again and applies this on top.
struct ProjectPhoto
{
    QString path;               // the original, absolute
    QVector<qint32> operations; // as ImageInfo::operations, newest first
    qint32 bakedOperations = 0; // as ImageInfo::bakedOperations
    bool operator==(const ProjectPhoto& o) const
    {
        return path == o.path && operations == o.operations && bakedOperations == o.bakedOperations;
    }
};

struct ProjectClip
{
    QString path; // the original, absolute
    double start = 0.0;
    double end = 0.0;
    bool operator==(const ProjectClip& o) const
    {
        return path == o.path && start == o.start && end == o.end;
    }
};

struct Project
{
    QList<ProjectPhoto> photos;
    QList<ProjectClip> clips;
    QString templateName;
    Slideshow::MusicOptions music;
    Slideshow::PublishSettings publishing;
    bool operator==(const Project& o) const
    {
        return photos == o.photos && clips == o.clips && templateName == o.templateName &&
               music == o.music && publishing == o.publishing;
    }
};

class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)
public:
    static constexpr int Version = 1;
    static constexpr char Suffix[] = "lumaro";
    // What a project may hold. A file past MaxBytes is refused before it is parsed; entries past
    // the counts are left out (and named in `dropped`); write() refuses to make either.
    static constexpr int MaxBytes = 16 * 1024 * 1024;
    static constexpr int MaxPhotos = 10000;
    static constexpr int MaxClips = 1000;
    static constexpr int MaxPathLength = 4096;      // characters of a stored path
    static constexpr int MaxNameLength = 255;       // characters of the template's name
    static constexpr double MaxClipSeconds = 86400; // a clip's start and end lie within a day

    static Project fromSlideshow(const Slideshow& show);

    // Writes `project` to `path` in one piece (the old file stays whole until the new one is
    // complete); each original is stored with its absolute path and its path relative to the
    // project file's folder. False and the reason in the user's words when it cannot, and when
    // `path` is one of the project's own originals.
    static bool write(const Project& project, const QString& path, QString* reason);

    // Reads a project file. Each original's path is the stored absolute one when that file
    // exists, else the relative one resolved against the project file's folder (a project moved
    // together with its photos); an original found neither way stays, for the import to report
    // with the other files it cannot read. nullopt and the reason when nothing of it can be used;
    // entries that are unsound (see docs/project-format.md) are left out and named in `dropped`
    // as "file (reason)". Never opens anything but the project file, and that only when it is a
    // regular file of at most MaxBytes.
    static std::optional<Project> read(const QString& path, QString* reason,
                                       QStringList* dropped = nullptr);
    // The same for bytes already read; `projectPath` resolves the relative paths.
    static std::optional<Project> parse(const QByteArray& bytes, const QString& projectPath,
                                        QString* reason, QStringList* dropped = nullptr);
};
