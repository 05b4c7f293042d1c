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

// Reads the whole document into `plan`; false for a damaged or unsafe one.
bool readPlan(QXmlStreamReader& xml, PublishPlan& plan);

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
    // The publish worker copies and appends what the file names: a cut or tampered file must stop
    // the publish here, not turn into a shorter slideshow or a copy from somewhere else.
    {
        QXmlStreamReader check(file.get());
        PublishPlan scratch;
        if (!readPlan(check, scratch))
            return false;
    }
    if (!file->seek(0))
        return false;
    reader = std::make_unique<QXmlStreamReader>(file.get());
    return reader != nullptr;
}

bool PlayDataFile::readEntries(PublishPlan& plan)
{
    if (!reader) {
        plan.music.clear();
        plan.photos.clear();
        return false;
    }
    return readPlan(*reader, plan);
}

bool PlayDataFile::isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

namespace {
bool readPlan(QXmlStreamReader& xml, PublishPlan& plan)
{
    plan.music.clear();
    plan.photos.clear();
    const qint64 totalBefore = plan.total;
    const auto refuse = [&plan, totalBefore] {
        plan.music.clear();
        plan.photos.clear();
        plan.total = totalBefore;
        return false;
    };
    // The rest of the document must still be well-formed up to its end: a file cut short stops
    // with a premature-end error, which is what tells it from a complete one.
    const auto finish = [&xml, &refuse] {
        while (!xml.atEnd())
            xml.readNext();
        return xml.hasError() ? refuse() : true;
    };
    if (!nextStartElement(xml))
        return finish();
    if (xml.name() != QLatin1String("playdata"))
        return finish();
    const auto take = [&plan](QList<PlayDataEntry>& list, const PlayDataEntry& entry) {
        if (!PlayDataFile::isPlainFileName(entry.fileName))
            return false;
        list.append(entry);
        plan.total += entry.size;
        return true;
    };
    if (!nextStartElement(xml))
        return finish();
    for (;;) {
        if (xml.name() == QLatin1String("backgroundmusic")) {
            if (!take(plan.music, entryOf(xml)))
                return refuse();
            if (!nextStartElement(xml))
                return finish();
        } else if (xml.name() == QLatin1String("thumbnails")) {
            if (!nextStartElement(xml))
                return finish();
            while (xml.name() == QLatin1String("thumbnail")) {
                if (!take(plan.photos, entryOf(xml)))
                    return refuse();
                if (!nextStartElement(xml))
                    return finish();
            }
        } else {
            return finish();
        }
    }
}
} // namespace
