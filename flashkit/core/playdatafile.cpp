#include "flashkit/core/playdatafile.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
// Moves to the next start element, skipping whitespace, end tags and anything else.
bool nextStartElement(QXmlStreamReader& xml)
{
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return true;
    }
    return false;
}

PlayDataEntry entryOf(const QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    bool ok = false;
    const int size = attributes.value(QLatin1String("size")).toInt(&ok, 10);
    return {attributes.value(QLatin1String("filename")).toString(), ok ? size : 0};
}
} // namespace

PlayDataFile::PlayDataFile()
{
    path = folderPath + name;
}

PlayDataFile::~PlayDataFile() = default;

void PlayDataFile::setFolder(const QString& folder)
{
    folderPath = folder;
    path = folderPath + name;
}

void PlayDataFile::setFileName(const QString& fileName)
{
    name = fileName;
    path = folderPath + name;
}

bool PlayDataFile::openForWrite()
{
    reader.reset();
    if (!file)
        file = std::make_unique<QFile>(path);
    else if (file->fileName() != path) {
        // A file object kept after a failed close must not write to a stale place.
        file->close();
        file->setFileName(path);
    }
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    if (!writer)
        writer = std::make_unique<QXmlStreamWriter>(file.get());
    return true;
}

bool PlayDataFile::writeHeader()
{
    if (!writer)
        return false;
    writer->setAutoFormatting(true);
    writer->writeStartDocument();
    writer->writeStartElement(QStringLiteral("playdata"));
    return true;
}

void PlayDataFile::writeMusic(const QList<FlashKitAudio>& music)
{
    if (!writer)
        return;
    for (const FlashKitAudio& clip : music) {
        writer->writeEmptyElement(QStringLiteral("backgroundmusic"));
        writer->writeAttribute(QStringLiteral("filename"), clip.fileName);
        writer->writeAttribute(QStringLiteral("size"), clip.size);
        writer->writeAttribute(QStringLiteral("fadein"), clip.fadeIn);
        writer->writeAttribute(QStringLiteral("fadeout"), clip.fadeOut);
        writer->writeAttribute(QStringLiteral("time"), clip.time);
        writer->writeAttribute(QStringLiteral("loop"), clip.loop);
        writer->writeAttribute(QStringLiteral("starttime"), clip.startTime);
        writer->writeAttribute(QStringLiteral("endtime"), clip.endTime);
    }
}

void PlayDataFile::writeThumbnails(const QList<FlashKitPhoto>& photos)
{
    if (!writer)
        return;
    writer->writeStartElement(QStringLiteral("thumbnails"));
    for (const FlashKitPhoto& photo : photos) {
        writer->writeEmptyElement(QStringLiteral("thumbnail"));
        writer->writeAttribute(QStringLiteral("filename"), photo.fileName);
        writer->writeAttribute(QStringLiteral("target"), QStringLiteral("_parent"));
        writer->writeAttribute(QStringLiteral("title"), QStringLiteral("Photo No. 1"));
        writer->writeAttribute(QStringLiteral("size"), photo.size);
    }
    writer->writeEndDocument();
}

bool PlayDataFile::closeFile()
{
    const bool writerFailed = writer && writer->hasError();
    writer.reset();
    reader.reset();
    if (!file)
        return true;
    bool ok = !writerFailed;
    if (file->isOpen() && file->openMode().testFlag(QIODevice::WriteOnly))
        ok = file->flush() && ok;
    file->close();
    if (!ok || file->error() != QFileDevice::NoError)
        return false;
    file.reset();
    return true;
}

bool PlayDataFile::openForRead()
{
    writer.reset();
    reader.reset();
    file = std::make_unique<QFile>(path);
    sizeWhenOpened = static_cast<int>(file->size());
    if (!file->open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    reader = std::make_unique<QXmlStreamReader>(file.get());
    return reader != nullptr;
}

void PlayDataFile::readEntries(PublishPlan& plan)
{
    plan.music.clear();
    plan.photos.clear();
    if (!reader)
        return;
    QXmlStreamReader& xml = *reader;
    if (!nextStartElement(xml) || xml.name() != QLatin1String("playdata"))
        return;
    if (!nextStartElement(xml))
        return;
    for (;;) {
        if (xml.name() == QLatin1String("backgroundmusic")) {
            const PlayDataEntry entry = entryOf(xml);
            plan.music.append(entry);
            plan.total += entry.size;
            if (!nextStartElement(xml))
                return;
        } else if (xml.name() == QLatin1String("thumbnails")) {
            if (!nextStartElement(xml))
                return;
            while (xml.name() == QLatin1String("thumbnail")) {
                const PlayDataEntry entry = entryOf(xml);
                plan.photos.append(entry);
                plan.total += entry.size;
                if (!nextStartElement(xml))
                    return;
            }
        } else {
            return;
        }
    }
}
