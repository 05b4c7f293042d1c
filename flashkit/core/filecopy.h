#pragma once

#include <QString>

// Copies `from` to `to`; when that fails (typically because `to` exists) removes `to` and copies
// once more. The copy is made writable by its owner, so that a read-only installed template can
// be appended to. True when `to` holds the copy.
bool copyWithRetry(const QString& from, const QString& to);

// Copies without overwriting: an existing `to` is left alone. True when `to` exists afterwards
// or `from` does not exist (nothing to copy is not a failure of the target).
bool copyKeepingExisting(const QString& from, const QString& to);
