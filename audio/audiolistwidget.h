#pragma once

#include "common/audioinfo.h"
#include "widgets/mediastrip.h"

#include <QImage>
#include <QList>

class QAction;
class QMenu;

// The strip of music clips, in playing order. It owns one AudioInfo per item, draws each clip as
// a bar from the skin's pictures and announces every change of the list with a copy of it.
class AudioListWidget : public MediaStrip
{
    Q_OBJECT
public:
    explicit AudioListWidget(QWidget* parent = nullptr);

    // Inserts a copy of `info` at the insertion row; no signal (finish with updateAudioList).
    void addAudio(const AudioInfo& info);
    void updateAudioList();
    void setAudioList(const QList<AudioInfo>& list);
    void clearAudioList();
    void deleteSelectedAudio();
    const QList<AudioInfo>& audioList() const { return clips; }
    QMenu* menu() const { return contextMenu; }

    // "#<row + 1> <file name> | <clip length>", the text drawn on a clip's bar.
    static QString barText(int row, const AudioInfo& info);
    // The bar picture of a clip: the skin's head and body pictures, greyed, framed and labelled.
    static QImage renderBar(int row, const AudioInfo& info, const QSize& size, const QFont& font,
                            const QImage& head, const QImage& body);
    // Four lines, or six when the clip does not run from the file's start to its end.
    static QString toolTipOf(int row, const AudioInfo& info);

    // Rebuilds the tool tips and menu texts after a language change.
    virtual void retranslate();

signals:
    void audioListAboutToChange();
    void audioListChanged(const QList<AudioInfo>& audioList);
    void editMusicTriggered();

public slots:
    void slotContextMenuTriggered(QAction* action);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    QStringList filesOf(const QList<QUrl>& urls) const override;
    QString hintText() const override;
    void dropCopies(const QList<int>& rows, bool moving) override;
    void dropFiles(const QStringList& files) override;
    void dropDone(int dropRow) override;
    void dragEnded(Qt::DropAction action, const QList<QPersistentModelIndex>& dragged) override;

private:
    void relayoutItems();
    void retranslateMenu();

    QList<AudioInfo> clips;
    QMenu* contextMenu = nullptr;
    QAction* editAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* clearAction = nullptr;
};
