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
};

struct ProjectClip
{
    QString path; // the original, absolute
    double start = 0.0;
    double end = 0.0;
};

struct Project
{
    QList<ProjectPhoto> photos;
    QList<ProjectClip> clips;
    QString templateName;
    Slideshow::MusicOptions music;
    Slideshow::PublishSettings publishing;
};

class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)
public:
    static constexpr int Version = 1;
    static constexpr char Suffix[] = "lumaro";

    static Project fromSlideshow(const Slideshow& show);

    // Writes `project` to `path` in one piece (the old file stays whole until the new one is
    // complete); each original is stored with its absolute path and its path relative to the
    // project file's folder. False and the reason in the user's words when it cannot.
    static bool write(const Project& project, const QString& path, QString* reason);

    // Reads a project file. Each original's path is the stored absolute one when that file
    // exists, else the relative one resolved against the project file's folder (a project moved
    // together with its photos). nullopt and the reason when nothing of it can be used; entries
    // that are unsound are left out and named in `dropped`.
    static std::optional<Project> read(const QString& path, QString* reason,
                                       QStringList* dropped = nullptr);
    // The same for bytes already read; `projectPath` resolves the relative paths.
    static std::optional<Project> parse(const QByteArray& bytes, const QString& projectPath,
                                        QString* reason, QStringList* dropped = nullptr);
};
