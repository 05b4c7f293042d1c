#pragma once

#include <QCoreApplication>
#include <QString>

// Sentences that say what happened to which file, in the user's language, made from the error
// number the failing call left behind (read it at once: any later call may change it). A full or
// read-only device is named by the folder holding the file, since that is what the user can free
// or change.
class FileError
{
    Q_DECLARE_TR_FUNCTIONS(FileError)
public:
    static QString reading(int error, const QString& path);
    static QString writing(int error, const QString& path);
};

// A file an import could not add, and why.
struct FileFailure
{
    QString path;
    QString reason;
    bool workspace = false; // the workspace could not take the file's copies; the file is fine
};
