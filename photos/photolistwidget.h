#pragma once

#include "common/imageinfo.h"

#include <QList>
#include <QListWidget>
#include <QModelIndexList>

// The strip of photo thumbnails. It owns one ImageInfo per item, in item order, and announces
// every change of its content with a copy of all records.
class PhotoListWidget : public QListWidget
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
    // 0 when empty, else the right edge of the last item plus the horizontal offset.
    int contentWidth() const;
    const QList<ImageInfo>& photos() const { return records; }

    // Rebuilds the items' texts after a language change.
    virtual void retranslate();

signals:
    void photoListAboutToChange();
    void photoListChanged(const QList<ImageInfo>& photoList);
    void photoListProcessed(const QList<ImageInfo>& photoList);

private:
    void updateItem(int row);
    QList<int> selectedRows() const;

    QList<ImageInfo> records;
    int insertRow = 0;
    QModelIndexList processed;
};
