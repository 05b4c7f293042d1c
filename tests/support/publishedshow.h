#pragma once

// A published slideshow read back as a gallery reads it: the configuration's music and photo
// entries in playing order with the bytes each one names, from the "xml" profile's folder or
// from the self-contained movie ("swf", "swf+html"), whose layout after the template's own bytes
// is "$$$$$", the configuration's size (4 bytes, big-endian), the configuration, then every
// music file and every photo in the configuration's order.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QXmlStreamReader>
#include <QtEndian>

namespace PublishedShow {

struct Entry
{
    QXmlStreamAttributes attributes;
    QByteArray bytes;
    QString fileName() const { return attributes.value(QLatin1String("filename")).toString(); }
};

struct Show
{
    QList<Entry> music;
    QList<Entry> photos;
    QString error; // empty when the slideshow was read whole
};

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void readConfig(const QByteArray& xml, Show& show)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("backgroundmusic"))
            show.music << Entry{reader.attributes(), {}};
        else if (reader.name() == QLatin1String("thumbnail"))
            show.photos << Entry{reader.attributes(), {}};
    }
    if (reader.hasError())
        show.error = QStringLiteral("configuration: ") + reader.errorString();
}

// The "xml" profile: `folder` holds <templateName>.xml, photos/ and "background music/".
inline Show readFolder(const QString& folder, const QString& templateName)
{
    Show show;
    readConfig(readAll(folder + QLatin1Char('/') + templateName + QStringLiteral(".xml")), show);
    for (Entry& photo : show.photos)
        photo.bytes = readAll(folder + QStringLiteral("/photos/") + photo.fileName());
    for (Entry& clip : show.music)
        clip.bytes = readAll(folder + QStringLiteral("/background music/") + clip.fileName());
    return show;
}

// The self-contained movie; `templateMovie` is the template's own movie it was built from.
inline Show readBundle(const QString& movie, const QString& templateMovie)
{
    Show show;
    const QByteArray bytes = readAll(movie);
    const qint64 start = QFileInfo(templateMovie).size();
    if (start <= 0 || bytes.size() < start + 9 || bytes.mid(start, 5) != "$$$$$") {
        show.error = QStringLiteral("no appended data after the template's bytes");
        return show;
    }
    const quint32 configSize = qFromBigEndian<quint32>(bytes.constData() + start + 5);
    qint64 at = start + 9;
    readConfig(bytes.mid(at, configSize), show);
    at += configSize;
    for (QList<Entry>* list : {&show.music, &show.photos}) {
        for (Entry& entry : *list) {
            const qint64 size = entry.attributes.value(QLatin1String("size")).toLongLong();
            entry.bytes = bytes.mid(at, size);
            at += size;
        }
    }
    if (at != bytes.size())
        show.error = QStringLiteral("the movie is %1 bytes, its entries end at %2")
                         .arg(bytes.size())
                         .arg(at);
    return show;
}

} // namespace PublishedShow
