#pragma once

#include "flashkit/core/flashkitrecords.h"

#include <QList>
#include <QString>

#include <memory>

class QFile;
class QXmlStreamReader;
class QXmlStreamWriter;

// One file named in the configuration, as read back by the publish worker.
struct PlayDataEntry
{
    QString fileName;
    int size = 0; // bytes; an unreadable size attribute counts 0
};

// What the publish worker appends or copies: the music and photo entries in document order and
// the sum of their sizes. The sum is 64-bit so a large publish never loses bytes to rounding.
struct PublishPlan
{
    QList<PlayDataEntry> music;
    QList<PlayDataEntry> photos;
    qint64 total = 0;
};

// The "playdata" XML file a gallery template reads beside its movie. Written as
// openForWrite, writeHeader, writeMusic, writeThumbnails, closeFile; read back with
// openForRead, readEntries, closeFile.
class PlayDataFile
{
public:
    PlayDataFile();
    ~PlayDataFile();
    PlayDataFile(const PlayDataFile&) = delete;
    PlayDataFile& operator=(const PlayDataFile&) = delete;

    // `folder` must end with a separator.
    void setFolder(const QString& folder);
    void setFileName(const QString& name);
    QString folder() const { return folderPath; }
    QString fileName() const { return name; }
    QString fullPath() const { return path; }
    int fileSize() const { return sizeWhenOpened; }

    bool openForWrite();
    bool writeHeader();
    void writeMusic(const QList<FlashKitAudio>& music);
    void writeThumbnails(const QList<FlashKitPhoto>& photos);
    bool closeFile();

    // Opens the file and checks it whole before anything is read from it: a document cut short
    // or damaged, or a file name that is not a plain name inside its folder, makes it false.
    bool openForRead();
    // False (with the lists emptied) for a document that is cut short or damaged and for a name
    // that is not a plain file name ("../x", "/etc/x", "a/b", "..", empty): the names end up in
    // copy paths. A file whose root is not `playdata` reads as empty lists and is no error.
    bool readEntries(PublishPlan& plan);

    // A name the template resolves inside its own folder and nothing else.
    static bool isPlainFileName(const QString& name);

private:
    QString folderPath;
    QString name = QStringLiteral("config.xml");
    QString path;
    std::unique_ptr<QXmlStreamWriter> writer;
    std::unique_ptr<QXmlStreamReader> reader;
    std::unique_ptr<QFile> file;
    int sizeWhenOpened = 0;
};
