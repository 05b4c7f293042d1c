#pragma once

#include "common/imageinfo.h"
#include "widgets/mediastrip.h"

#include <QList>
#include <QModelIndexList>

class QAction;
class QMenu;

// The strip of photo thumbnails. It owns one ImageInfo per item, in item order, shows each photo
// in its current orientation and announces every change of its content with a copy of all
// records.
class PhotoListWidget : public MediaStrip
{
    Q_OBJECT
public:
    explicit PhotoListWidget(QWidget* parent = nullptr);

    // Inserts a copy of `info` at the insertion row (appends past the end); no signal.
    void addPhoto(const ImageInfo& info);
    // Ends a batch of addPhoto(): the insertion row goes to the end, photoListChanged is emitted.
    void notifyChanged();
    void clearPhotos();
    void deleteSelected();
    // Records `code` (a PhotoOperation) as the newest operation of every selected photo.
    void applyOperation(int code);
    // Drops the orientation operations of every selected photo.
    void restoreSelected();
    QModelIndexList processedIndexes() const { return processed; }
    const QList<ImageInfo>& photos() const { return records; }
    QMenu* menu() const { return contextMenu; }

    // The picture a photo's item shows: its preview in the orientation its operations give.
    static QImage iconOf(const ImageInfo& info);
    // The item's rich-text tool tip: file name and depth.
    static QString toolTipOf(const ImageInfo& info);

    // Rebuilds the items' texts after a language change.
    virtual void retranslate();

signals:
    void photoListAboutToChange();
    void photoListChanged(const QList<ImageInfo>& photoList);
    void photoListProcessed(const QList<ImageInfo>& photoList);

public slots:
    void slotContextMenuTriggered(QAction* action);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    QStringList filesOf(const QList<QUrl>& urls) const override;
    QString hintText() const override;
    void dropCopies(const QList<int>& rows, bool moving) override;
    void dropFiles(const QStringList& files) override;
    void dragEnded(Qt::DropAction action, const QList<QPersistentModelIndex>& dragged) override;

private:
    void updateItem(int row);
    void clearFromMenu();
    void retranslateMenu();

    QList<ImageInfo> records;
    QModelIndexList processed;
    QMenu* contextMenu = nullptr;
    QAction* deleteAction = nullptr;
    QAction* clearAction = nullptr;
    QAction* selectAllAction = nullptr;
    QAction* turnLeftAction = nullptr;
    QAction* turnRightAction = nullptr;
    QAction* mirrorAction = nullptr;
    QAction* flipAction = nullptr;
};
