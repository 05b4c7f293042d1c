#pragma once

#include "audio/core/fadevolume.h"
#include "common/audioinfo.h"
#include "platform/velmplayer/velmediapreviewwidget.h"

#include <QList>

#include <functional>

// Plays the background music without showing anything: the whole list in order, each clip from
// its start point to its end point, with the fade-in, fade-out and looping of the list when the
// effects are on. The audio edit dialog uses one with the effects off and drives it directly.
class SoundPlayer : public VelMediaPreviewWidget
{
    Q_OBJECT
public:
    SoundPlayer(QWidget* parent, bool effectsEnabled, bool fadeIn, bool fadeOut, bool loop);

    // Makes `list` the play list and plays it from its first clip. An empty list leaves the
    // player as it was.
    void playAll(const QList<AudioInfo>& list);

    bool effectsEnabled() const { return effects; }
    int currentClip() const { return currentIndex; }
    int clipTotal() const { return clipCount; }

    // Where the fades read the playing position; the player's own position unless replaced.
    void setPositionSource(std::function<double()> source) { positionSource = std::move(source); }

public slots:
    void slotAddEffect();
    void slotPlayFinished();
    void slotPlayerStateChanged();
    void slotAboutToPlay(bool& ok);

private:
    void hideLibraryParts();

    bool effects;
    bool fadeIn;
    bool fadeOut;
    bool loop;
    QList<AudioInfo> playlist;
    int clipCount = 0;
    int currentIndex = 0;
    // Whether the list played at all since it was started: a list of clips that all fail at
    // once must not be restarted for ever.
    bool heardSinceStart = false;
    std::function<double()> positionSource;
};
