#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

struct ImageInfo;

// The private working folder and the names of the files in it.
inline constexpr char WorkspaceFolderName[] = "DF287552-FB87-4731-9A26-72843EC8A1E2";

QString workspaceFolder();
QString photosFolder();      // workspace + "/photos/"
QString photoBackupFolder(); // workspace + "/photos/bak/"
QString musicFolder();       // workspace + "/background music/"
bool ensurePhotoFolders();

QString workingCopyPath(const ImageInfo& info);
QString backupCopyPath(const ImageInfo& info);
QString thumbnailPath(const ImageInfo& info);
QString backupThumbnailPath(const ImageInfo& info);
QString musicCopyPath(const QString& audioPath);

bool isValidFolderPath(const QString& path);
void uniqueFileName(QString& name, const QString& folder, const QString& suffix);
void uniqueFolderName(QString& name, const QString& folder);
void deleteTree(const QString& path);
QStringList scanMediaFiles(const QList<QUrl>& urls, const QStringList& nameFilters);
