#include "photos/core/pngchunks.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace PngChunks {

bool overrunsFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < 8)
        return false;
    const uchar* data = file.map(0, size);
    if (!data)
        return false;
    static const char* const signatures[] = {"\x89PNG\r\n\x1a\n", "\x8aMNG\r\n\x1a\n",
                                             "\x8bJNG\r\n\x1a\n"};
    bool chunked = false;
    for (const char* signature : signatures)
        chunked = chunked || std::memcmp(data, signature, 8) == 0;
    bool overruns = false;
    // Each chunk: length (4 bytes), type (4), data (length), CRC (4). A last chunk that lacks
    // its CRC is one Qt reads; a header cut short fails the decoder before it allocates.
    for (qint64 at = 8; chunked && at + 8 <= size;) {
        const quint32 length = qFromBigEndian<quint32>(data + at);
        if (qint64(length) > size - at - 8) {
            overruns = true;
            break;
        }
        const char* type = reinterpret_cast<const char*>(data + at + 4);
        if (std::memcmp(type, "IEND", 4) == 0 || std::memcmp(type, "MEND", 4) == 0)
            break;
        at += 12 + qint64(length);
    }
    file.unmap(const_cast<uchar*>(data));
    return overruns;
}

} // namespace PngChunks
