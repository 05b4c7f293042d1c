// The self-contained movie of the "swf" profiles and the page of "swf+html". Layout after the
// template's own bytes: "$$$$$", the configuration's byte size as 4 big-endian bytes, the
// configuration, then every music file and every photo in the configuration's order.
#include "common/fileerror.h"
#include "common/workspacelayout.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/flashmopublish.h"
#include "flashkit/core/flashmores.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>

namespace {
bool writeAll(QFile& file, const QByteArray& data)
{
    return file.write(data) == data.size();
}

// The publish name inside the movie's URL: characters that end a path or start an entity,
// query or fragment are percent-encoded; spaces and other letters stay, as the browser takes
// them.
QString urlPart(const QString& name)
{
    static const QString special = QStringLiteral("%#?&\"'<>\\");
    QString out;
    for (const QChar c : name) {
        if (special.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString htmlText(const QString& name)
{
    return name.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

// Replaces every `from` in `page` by `to`, escaped for where it lands: where the movie's file
// name follows, as part of a URL; anywhere else as HTML text.
QString replaceName(const QString& page, const QString& from, const QString& to)
{
    if (from.isEmpty())
        return page;
    static const QString movieSuffix = QStringLiteral(".swf");
    QString out;
    qsizetype done = 0;
    for (qsizetype at = page.indexOf(from, 0, Qt::CaseSensitive); at >= 0;
         at = page.indexOf(from, done, Qt::CaseSensitive)) {
        out += page.mid(done, at - done);
        const bool inUrl = page.mid(at + from.size(), movieSuffix.size()) == movieSuffix;
        out += inUrl ? urlPart(to) : htmlText(to);
        done = at + from.size();
    }
    return out + page.mid(done);
}
} // namespace

bool FlashmoPublish::publishSelfContained()
{
    if (!makeFolder(outputFolder))
        return false;
    templateSource = res->templateSwfSourcePath();
    const QString swfPath = selfContainedPath();
    int error = 0;
    if (!copyWithRetry(templateSource, swfPath, &error)) {
        failCopy(templateSource, swfPath, error);
        return false;
    }
    if (profile == 2) {
        if (cancelled())
            return false;
        if (!writePage())
            return false;
    }
    if (cancelled())
        return false;
    PublishPlan plan;
    if (!res->readPlayData(plan)) {
        fail(tr("Cannot read %1.").arg(QDir::toNativeSeparators(res->playDataPath())));
        return false;
    }
    total = plan.total;
    if (cancelled())
        return false;

    QFile swf(swfPath);
    if (!swf.open(QIODevice::WriteOnly | QIODevice::Append)) {
        failWriting(swfPath);
        return false;
    }
    qint64 written = swf.size();
    total += written;
    if (!appendHeader(swf, written))
        return false;
    if (cancelled())
        return false;
    const QString musicFolder = WorkspaceLayout(workFolder).music();
    for (const PlayDataEntry& entry : plan.music) {
        if (cancelled())
            return false;
        qDebug() << musicFolder + entry.fileName;
        if (!appendEntry(swf, musicFolder + entry.fileName, entry, written))
            return false;
    }
    const QString photoFolder = WorkspaceLayout(workFolder).photos();
    for (const PlayDataEntry& entry : plan.photos) {
        if (cancelled())
            return false;
        if (!appendEntry(swf, photoFolder + entry.fileName, entry, written))
            return false;
    }
    errno = 0;
    swf.close();
    if (swf.error() != QFileDevice::NoError) {
        failWriting(swfPath);
        return false;
    }
    return true;
}

bool FlashmoPublish::appendHeader(QFile& swf, qint64& written)
{
    QFile config(res->playDataPath());
    if (!config.open(QIODevice::ReadOnly)) {
        failReading(config.fileName());
        return false;
    }
    const QByteArray bytes = config.readAll();
    uchar length[4];
    qToBigEndian(static_cast<quint32>(bytes.size()), length);
    const bool ok = writeAll(swf, QByteArrayLiteral("$$$$$")) &&
                    writeAll(swf, QByteArray(reinterpret_cast<const char*>(length), 4)) &&
                    writeAll(swf, bytes) && swf.flush();
    if (!ok) {
        failWriting(swf.fileName());
        return false;
    }
    written += 5 + 4 + bytes.size();
    total += 5 + 4 + bytes.size();
    return true;
}

// One file read whole and written in one call: only one file is ever held in memory.
bool FlashmoPublish::appendEntry(QFile& swf, const QString& path, const PlayDataEntry& entry,
                                 qint64& written)
{
    QFile source(path);
    QByteArray bytes;
    if (source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    // The configuration announces `size` bytes; anything else would shift every later file.
    if (bytes.size() != entry.size) {
        const int error = errno;
        fail(
            source.isOpen()
                ? tr("%1 changed while it was being published.").arg(QDir::toNativeSeparators(path))
                : FileError::reading(error, path));
        return false;
    }
    if (!writeAll(swf, bytes) || !swf.flush()) {
        failWriting(swf.fileName());
        return false;
    }
    written += bytes.size();
    // 100 belongs to the end of the run alone.
    if (total > 0)
        progress = static_cast<int>(std::min<qint64>(99, written * 100 / total));
    return true;
}

bool FlashmoPublish::writePage()
{
    QString pageSource = templateSource;
    pageSource.replace(QStringLiteral(".swf"), QStringLiteral(".html"), Qt::CaseSensitive);
    QString pageName = outputSwf;
    pageName.replace(QStringLiteral(".swf"), QStringLiteral(".html"), Qt::CaseSensitive);
    const QString pagePath = outputFolder + pageName;
    copyWithRetry(pageSource, pagePath);
    if (cancelled())
        return false;

    QString templateBase = QFileInfo(templateSource).fileName();
    templateBase.remove(QStringLiteral(".swf"), Qt::CaseSensitive);
    QString publishBase = pageName;
    publishBase.remove(QStringLiteral(".html"), Qt::CaseSensitive);

    setTerminationEnabled(false);
    QFile page(pagePath);
    QString text;
    if (page.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(page.readAll()); // pages are UTF-8: Latin-1 would mangle them
    else
        qDebug() << "Cannot open file for Reading";
    text = replaceName(text, templateBase, publishBase);
    page.close();
    page.remove();
    errno = 0;
    bool ok = page.open(QIODevice::WriteOnly);
    if (!ok)
        qDebug() << "Cannot open file for Writing";
    else
        ok = writeAll(page, text.toUtf8()) && page.flush();
    const int error = errno;
    page.close();
    setTerminationEnabled(true);
    if (!ok)
        fail(FileError::writing(error, pagePath));
    return ok;
}

bool FlashmoPublish::writePageAs(const QString& pagePath, const QString& publishBase) const
{
    QString pageSource = templateSource;
    pageSource.replace(QStringLiteral(".swf"), QStringLiteral(".html"), Qt::CaseSensitive);
    QFile source(pageSource);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QString templateBase = QFileInfo(templateSource).fileName();
    templateBase.remove(QStringLiteral(".swf"), Qt::CaseSensitive);
    const QString text =
        replaceName(QString::fromUtf8(source.readAll()), templateBase, publishBase);
    QFile page(pagePath);
    return page.open(QIODevice::WriteOnly | QIODevice::Truncate) && writeAll(page, text.toUtf8()) &&
           page.flush();
}
