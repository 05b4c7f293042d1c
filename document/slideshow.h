#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "flashkit/core/flashkitrecords.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QUndoStack;

// The slideshow being made, and the only place it is kept: the photos in order with their
// orientation operations, the clips in order with their start and end points, the template, the
// music options and the publish settings. The strips draw its lists and turn the user's gestures
// into the requests below; the flows and the preferences read it; publishing and the preview take
// a copy when they start. Each request is one step the user can undo (see undoStack()).
//
// Rows are positions in the lists as they are when the request is made. A request with rows out
// of range, or with nothing to do, changes nothing and signals nothing.
class Slideshow : public QObject
{
    Q_OBJECT
public:
    struct MusicOptions
    {
        bool fadeIn = true;
        bool fadeOut = true;
        bool loop = true;
        bool operator==(const MusicOptions& o) const
        {
            return fadeIn == o.fadeIn && fadeOut == o.fadeOut && loop == o.loop;
        }
        bool operator!=(const MusicOptions& o) const { return !(*this == o); }
    };

    // What the publish settings dialog last took for this slideshow. Empty name and folder: the
    // dialog proposes its own.
    struct PublishSettings
    {
        QString name;
        QString folder;
        int profile = 1; // 0 xml, 1 swf, 2 swf+html, 3 html (offline), 4 video (MP4)
        int quality = 80;
        int photoSize = 0;       // 0 Standard 720x540, 1 HD 1440x1080, 2 Full HD 1920x1440
        int videoHeight = 1080;  // 1080 or 720
        int secondsPerPhoto = 4; // 2..10, 0 = fit to music
        bool operator==(const PublishSettings& o) const
        {
            return name == o.name && folder == o.folder && profile == o.profile &&
                   quality == o.quality && photoSize == o.photoSize &&
                   videoHeight == o.videoHeight && secondsPerPhoto == o.secondsPerPhoto;
        }
        bool operator!=(const PublishSettings& o) const { return !(*this == o); }
    };

    explicit Slideshow(QObject* parent = nullptr);
    ~Slideshow() override;

    // Reading.
    const QList<ImageInfo>& photos() const { return photoList; }
    const QList<AudioInfo>& clips() const { return clipList; }
    QString templateName() const { return templName; }           // its complete base name
    QString templateMoviePath() const { return templMoviePath; } // the template's own movie
    MusicOptions musicOptions() const { return options; }
    PublishSettings publishSettings() const { return publishing; }
    int rowOfPhoto(const QUuid& id) const;
    bool isEmpty() const { return photoList.isEmpty() && clipList.isEmpty(); }

    // What the template kit receives for the current lists (workspace copies, clip settings as
    // text). Worked out from the records and the workspace folder as it is now.
    QList<FlashKitPhoto> photoEntries() const;
    QList<FlashKitAudio> musicEntries() const;

    // The user's steps; each is one entry of the undo stack, named for the Edit menu.
    // `row` is where the new items go; -1 or past the end appends.
    void addPhotos(int row, const QList<ImageInfo>& photos);
    void addClips(int row, const QList<AudioInfo>& clips);
    void removePhotos(const QList<int>& rows);
    void removeClips(const QList<int>& rows);
    // Moves the items at `rows` (kept in their list order) so that they stand together before the
    // item that is at `insertRow` now (the end for -1 or past it).
    void movePhotos(const QList<int>& rows, int insertRow);
    void moveClips(const QList<int>& rows, int insertRow);
    // Ctrl-drag: copies of the items at `rows` (in the order given) go in at `insertRow`. A photo
    // copy gets a new id and its own working files; a photo whose files cannot be copied is left
    // out and its reason added to `failures` ("name (reason)").
    void copyPhotos(const QList<int>& rows, int insertRow, QStringList* failures = nullptr);
    void copyClips(const QList<int>& rows, int insertRow);
    // Turn, mirror or flip (a PhotoOperation code) the photos at `rows`, working copies and
    // thumbnails included. The photos whose files could not be written are named in `failures`
    // (their records still change, as the preview shows what the user asked for).
    void applyOperation(const QList<int>& rows, int code, QStringList* failures = nullptr);
    // Drops the orientation operations of the photos at `rows` and brings back their files.
    void restorePhotos(const QList<int>& rows, QStringList* failures = nullptr);
    void setTemplate(const QString& name, const QString& moviePath);
    // The Edit Audio dialog's result, committed by its OK: the whole clip list and the options.
    void editMusic(const QList<AudioInfo>& clips, const MusicOptions& options);
    void setPublishSettings(const PublishSettings& settings);

    // Empties the document and its undo history (New, and before Open).
    void clear();
    // The workspace moved: the records still name the same files under the new folder.
    void workspaceMoved();

    QUndoStack* undoStack() const { return undo; }
    // True once changed since the last save (or since New/Open).
    bool isModified() const;
    void setSaved();

signals:
    void photosInserted(int first, int count);
    void photosRemoved(int first, int count);
    void photoChanged(int row);
    // The photo list was rebuilt (moves, open): views draw it again from photos().
    void photosReset();
    void clipsInserted(int first, int count);
    void clipsRemoved(int first, int count);
    void clipsReset();
    void templateChanged();
    void musicOptionsChanged();
    void publishSettingsChanged();
    // After every change of any kind, once the lists are consistent again.
    void changed();
    void modifiedChanged(bool modified);

private:
    friend class SlideshowEdit;

    QList<ImageInfo> photoList;
    QList<AudioInfo> clipList;
    QString templName;
    QString templMoviePath;
    MusicOptions options;
    PublishSettings publishing;
    QUndoStack* undo = nullptr;
};
