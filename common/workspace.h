#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

struct ImageInfo;

// The private working folder and the names of the files in it.
inline constexpr char WorkspaceFolderName[] = "DF287552-FB87-4731-9A26-72843EC8A1E2";

// Inside the workspace: the folders above it that the program made when it created it.
inline constexpr char WorkspaceCreatedRecord[] = ".created-folders";

QString workspaceFolder();
// Damaged or hand-edited settings may name "/", the home folder or a relative path as the
// workspace: the program would make its folders there and could never clean them up. Such a
// setting is dropped (both keys), so the workspace is worked out afresh at its default place.
// True when it was dropped.
bool forgetForeignWorkspace();
// Creates the workspace folder when missing and records which folders above it were made on
// the way (createdWorkspaceParents). False when it does not exist afterwards.
bool ensureWorkspaceFolder();
// The recorded folders above `workspace` that the program made, deepest first; only folders
// that really contain `workspace` are returned.
QStringList createdWorkspaceParents(const QString& workspace);
// The folders of the current workspace (common/workspacelayout.h), with a trailing '/'.
QString photosFolder();
QString photoBackupFolder();
QString musicFolder();
bool ensurePhotoFolders();

// A file name may hold 255 bytes. The workspace names its copies after their sources and adds
// to the name (an id, a prefix, a number, a suffix): `stem` cut at a whole character so that
// `reservedBytes` more still fit. Short names come back unchanged.
QString fittedStem(const QString& stem, int reservedBytes);
// Bytes the music copies' names add to their stems: "(n)" for a number, ".mp3".
inline constexpr int MusicNameReserve = 16;

QString workingCopyPath(const ImageInfo& info);
QString backupCopyPath(const ImageInfo& info);
QString thumbnailPath(const ImageInfo& info);
QString backupThumbnailPath(const ImageInfo& info);
QString musicCopyPath(const QString& audioPath);

bool isValidFolderPath(const QString& path);
void uniqueFileName(QString& name, const QString& folder, const QString& suffix);
void uniqueFolderName(QString& name, const QString& folder);
void deleteTree(const QString& path);
// The files `urls` name, in their order: a local file matching `nameFilters` as it is, a folder
// as its matching files in natural name order (common/naturalorder.h) followed by those of its
// sub-folders, taken in that order too.
QStringList scanMediaFiles(const QList<QUrl>& urls, const QStringList& nameFilters);
