#pragma once

#include <QString>
#include <QStringList>

// Where a workspace keeps its files, for any workspace root (the current one, one being moved
// to or removed): working copies of the photos with their thumbnails, the photos' backups as
// imported, the music converted for publishing. The preview plays the template's movie straight
// from the workspace, so the photo and music folders and the thumbnail names are the ones the
// gallery templates read beside their movie (the published gallery has the same layout).
class WorkspaceLayout
{
public:
    explicit WorkspaceLayout(const QString& root);

    QString root() const { return base; } // without a trailing '/'
    QString photos() const;               // <root>/photos/
    QString backups() const;              // <root>/photos/bak/
    QString music() const;                // <root>/background music/
    // The folders above, without a trailing '/', each before the folder holding it.
    QStringList folders() const;

    // The thumbnail of the photo file `name`, in the same folder.
    static QString thumbnailName(const QString& name);

private:
    QString base;
};
