#pragma once

// Small file and tool helpers shared by the test programs (QtCore only; pictures are in
// support/testimages.h).
#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace TestFiles {

// Writes `content` to `path`, making its folder first; false when it cannot.
inline bool write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything under `folder`, hidden entries too, one sorted line each: folders end in "/",
// files carry a hash of their bytes. Two listings are equal only when nothing changed.
inline QStringList listing(const QString& folder)
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(folder.size() + 1);
        const QFileInfo info = it.fileInfo();
        if (info.isDir() && !info.isSymLink())
            lines << relative + QLatin1Char('/');
        else
            lines
                << relative + QLatin1Char('\t') +
                       QString::fromLatin1(
                           QCryptographicHash::hash(read(path), QCryptographicHash::Sha1).toHex());
    }
    lines.sort();
    return lines;
}

// The diagnostic log this test program writes (the program's name, ".1.log", in TMPDIR).
inline QString logPath()
{
    return QDir::tempPath() + QLatin1Char('/') +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName() + QStringLiteral(".1.log");
}

// A shell script called `tool` in folder `bin`, put first on PATH ahead of `basePath`, so the
// program finds it the way it finds the real tool.
inline bool installStandIn(const QString& bin, const QString& tool, const QString& body,
                           const QByteArray& basePath)
{
    const QString script = bin + QLatin1Char('/') + tool;
    if (!write(script, "#!/bin/sh\n" + body.toUtf8()))
        return false;
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner | QFile::ExeUser);
    qputenv("PATH", QFile::encodeName(bin) + ':' + basePath);
    return true;
}

} // namespace TestFiles
