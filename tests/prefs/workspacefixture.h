#pragma once

// A workspace with the files of some photos and clips, the way the import and the converter
// leave them, and a look at what a folder holds.
#include "common/workspace.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QStringList>

#include <unistd.h>

namespace WorkspaceFixture {

// The four files of photo `name`: photos/F, photos/s_F, photos/bak/F, photos/bak/s_F, each
// with its own content.
inline bool writePhoto(const QString& workspace, const QString& name)
{
    bool ok = true;
    for (const QString& sub : {QString("photos/"), QString("photos/bak/")})
        for (const QString& prefix : {QString(), QString("s_")})
            ok = ok && TestFiles::write(workspace + "/" + sub + prefix + name,
                                        (sub + prefix + name).toUtf8().repeated(50));
    return ok;
}

inline bool writeMusic(const QString& workspace, const QString& name, int bytes = 70000)
{
    QByteArray data(bytes, 'm');
    data.prepend(name.toUtf8());
    return TestFiles::write(workspace + "/background music/" + name, data);
}

// Every file under `folder`, relative, sorted.
inline QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

inline QStringList photoFiles(const QStringList& names)
{
    QStringList files;
    for (const QString& name : names)
        files << "photos/" + name << "photos/s_" + name << "photos/bak/" + name
              << "photos/bak/s_" + name;
    files.sort();
    return files;
}

// Permissions bind everyone but root.
inline bool permissionsBind()
{
    return ::geteuid() != 0;
}

} // namespace WorkspaceFixture
