#include "photos/core/pngchunks.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace PngChunks {

bool overrunsFile(const QString& path)
{
    QFile file(path); // unmaps the file when it goes
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    const qint64 size = file.size();
    const uchar* data = file.map(0, size);
    if (!data || std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) != 0)
        return false;
    // Each chunk: length (4 bytes), type (4), data (length), CRC (4). A last chunk that lacks
    // its CRC is one Qt reads; a header cut short fails the decoder before it allocates.
    for (qint64 at = 8; at + 8 <= size;) {
        const quint32 length = qFromBigEndian<quint32>(data + at);
        if (qint64(length) > size - at - 8)
            return true;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0)
            return false;
        at += 12 + qint64(length);
    }
    return false;
}

} // namespace PngChunks
