#pragma once

#include "common/audioinfo.h"

#include <QList>
#include <QListWidget>

// The strip of music clips, in playing order. It owns one AudioInfo per item and announces every
// change of the list with a copy of it.
class AudioListWidget : public QListWidget
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
    // 0 when empty, else the right edge of the last item plus the horizontal offset.
    int contentWidth() const;
    const QList<AudioInfo>& audioList() const { return clips; }

    // Rebuilds the items' texts after a language change.
    virtual void retranslate();

signals:
    void audioListAboutToChange();
    void audioListChanged(const QList<AudioInfo>& audioList);
    void editMusicTriggered();

private:
    void relayoutItems();

    QList<AudioInfo> clips;
    int insertRow = 0;
};
