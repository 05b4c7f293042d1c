#pragma once

// Small file, picture and tool helpers shared by the test programs.
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdlib>

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

inline bool closeColour(const QColor& a, const QColor& b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) < tolerance && std::abs(a.green() - b.green()) < tolerance &&
           std::abs(a.blue() - b.blue()) < tolerance;
}

// Mean absolute difference per channel of two pictures of the same size, 0..255.
inline double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace TestFiles
