#pragma once

#include "common/imageinfo.h"
#include "document/slideshow.h"
#include "widgets/mediastrip.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QUuid>

class QAction;
class QMenu;

// The strip of photo thumbnails: a view of the slideshow's photos. It draws one item per photo
// of the document, in the document's order and each in its current orientation, follows the
// document's change signals, and turns the user's gestures (delete, drags, drops, the orientation
// commands) into the document's requests. The selection is its own.
class PhotoListWidget : public MediaStrip
{
    Q_OBJECT
public:
    explicit PhotoListWidget(QWidget* parent = nullptr);

    // The slideshow this strip shows; null shows nothing.
    void setDocument(Slideshow* show);
    Slideshow* document() const { return doc; }

    // Removes the selected photos; the one after them (or the last) becomes current.
    void deleteSelected();
    // Adds `code` (a PhotoOperation) to every selected photo; files that could not be rewritten
    // are reported.
    void applyOperation(int code);
    // Drops the orientation operations of every selected photo.
    void restoreSelected();
    QMenu* menu() const { return contextMenu; }

    // The picture a photo's item shows: its preview in the orientation its operations give.
    static QImage iconOf(const ImageInfo& info);
    // The item's rich-text tool tip: file name and depth.
    static QString toolTipOf(const ImageInfo& info);
    // What a screen reader says of the item: "Photo 3 of 16, IMG_0042.jpg, turned right".
    static QString accessibleTextOf(int row, int count, const ImageInfo& info);
    // How the photo's operations leave it: "turned right", "mirrored", ...; empty when upright.
    static QString orientationText(const ImageInfo& info);

    // Rebuilds the items' texts after a language change.
    virtual void retranslate();

public slots:
    void slotContextMenuTriggered(QAction* action);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    QStringList filesOf(const QList<QUrl>& urls) const override;
    QString hintText() const override;
    void dropCopies(const QList<int>& rows, bool moving) override;
    void dropFiles(const QStringList& files) override;
    void deleteSelection() override { deleteSelected(); }

private:
    void insertItems(int first, int count);
    void removeItems(int first, int count);
    void resetItems();
    void updateItem(int row);
    // "Photo n of m" changes for every item when photos come or go.
    void renumberItems();
    void reportFailures(const QString& text, const QStringList& failures);
    void retranslateMenu();

    QPointer<Slideshow> doc;
    // Selected photos taken out during the change in progress: a photo moved within the list
    // comes back selected.
    QSet<QUuid> selectedAway;
    QMenu* contextMenu = nullptr;
    QAction* deleteAction = nullptr;
    QAction* clearAction = nullptr;
    QAction* selectAllAction = nullptr;
    QAction* turnLeftAction = nullptr;
    QAction* turnRightAction = nullptr;
    QAction* mirrorAction = nullptr;
    QAction* flipAction = nullptr;
};
