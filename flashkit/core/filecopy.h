#pragma once

#include <QString>

// Copies `from` to `to`; when that fails (typically because `to` exists) removes `to` and copies
// once more. The copy is made writable by its owner, so that a read-only installed template can
// be appended to. True when `to` holds the copy; otherwise `error`, when given, receives the
// system's error number the failed copy left (0 when it left none).
bool copyWithRetry(const QString& from, const QString& to, int* error = nullptr);

// Why a copy failed, in the user's language: `from` could not be read, or else `to` could not be
// written (`error` as copyWithRetry gave it).
QString copyFailureText(const QString& from, const QString& to, int error);

// Copies without overwriting: an existing `to` is left alone. True when `to` exists afterwards
// or `from` does not exist (nothing to copy is not a failure of the target); otherwise `error`
// as for copyWithRetry.
bool copyKeepingExisting(const QString& from, const QString& to, int* error = nullptr);
