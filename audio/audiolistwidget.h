#pragma once

#include "common/audioinfo.h"
#include "document/slideshow.h"
#include "widgets/mediastrip.h"

#include <QImage>
#include <QList>
#include <QPointer>

class QAction;
class QMenu;

// The strip of music clips, in playing order: a view of the slideshow's clips. It draws each
// clip of the document as a bar from the skin's pictures, follows the document's change signals
// and turns the user's gestures (delete, drags, drops, clear) into the document's requests. The
// selection is its own.
class AudioListWidget : public MediaStrip
{
    Q_OBJECT
public:
    explicit AudioListWidget(QWidget* parent = nullptr);

    // The slideshow this strip shows; null shows nothing.
    void setDocument(Slideshow* show);
    Slideshow* document() const { return doc; }

    // Removes the selected clips; the one after them (or the last) becomes current.
    void deleteSelectedAudio();
    QMenu* menu() const { return contextMenu; }

    // "#<row + 1> <file name> | <clip length>", the text drawn on a clip's bar.
    static QString barText(int row, const AudioInfo& info);
    // The bar picture of a clip: the skin's head and body pictures, greyed, framed and labelled.
    static QImage renderBar(int row, const AudioInfo& info, const QSize& size, const QFont& font,
                            const QImage& head, const QImage& body);
    // What a screen reader says of the item: "Clip 1, theme.mp3, 00:01:00 to 00:02:30".
    static QString accessibleTextOf(int row, const AudioInfo& info);
    // Four lines, or six when the clip does not run from the file's start to its end.
    static QString toolTipOf(int row, const AudioInfo& info);

    // Rebuilds the tool tips and menu texts after a language change.
    virtual void retranslate();

signals:
    void editMusicTriggered();

public slots:
    void slotContextMenuTriggered(QAction* action);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    QStringList filesOf(const QList<QUrl>& urls) const override;
    QString hintText() const override;
    void dropCopies(const QList<int>& rows, bool moving) override;
    void dropFiles(const QStringList& files) override;
    void deleteSelection() override { deleteSelectedAudio(); }

private:
    void insertItems(int first, int count);
    void removeItems(int first, int count);
    void resetItems();
    void relayoutItems();
    void retranslateMenu();

    QPointer<Slideshow> doc;
    QMenu* contextMenu = nullptr;
    QAction* editAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* clearAction = nullptr;
};
