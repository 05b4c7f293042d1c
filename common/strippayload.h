#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>

// The bytes a strip puts on a drag of its own items: the number of entries as decimal text and a
// NUL, then one decimal key per entry, each followed by a NUL. A key names an item of the strip
// that started the drag, never a memory address.
QByteArray encodeStripPayload(const QList<qint64>& keys);

// The keys of a payload, or nothing when the bytes are not exactly that shape: a count that
// disagrees with the entries, text that is not a number, a missing final NUL, trailing bytes.
std::optional<QList<qint64>> decodeStripPayload(const QByteArray& payload);
