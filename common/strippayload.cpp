#include "common/strippayload.h"

QByteArray encodeStripPayload(const QList<qint64>& keys)
{
    QByteArray bytes = QByteArray::number(keys.size());
    bytes.append('\0');
    for (const qint64 key : keys) {
        bytes.append(QByteArray::number(key));
        bytes.append('\0');
    }
    return bytes;
}

std::optional<QList<qint64>> decodeStripPayload(const QByteArray& payload)
{
    if (payload.isEmpty() || !payload.endsWith('\0'))
        return std::nullopt;
    // Every field ends with a NUL, so the last split part is the empty tail after it.
    QList<QByteArray> fields = payload.split('\0');
    fields.removeLast();
    bool ok = false;
    const qint64 count = fields.first().toLongLong(&ok);
    if (!ok || count < 1 || count != fields.size() - 1)
        return std::nullopt;
    QList<qint64> keys;
    keys.reserve(fields.size() - 1);
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const qint64 key = fields.at(i).toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        keys.append(key);
    }
    return keys;
}
