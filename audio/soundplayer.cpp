#include "audio/soundplayer.h"

namespace {
// An identifier of this player's clips in the library's list; nothing reads it back.
qint64 playerTag(const SoundPlayer* player)
{
    return static_cast<qint64>(reinterpret_cast<quintptr>(player));
}
} // namespace

SoundPlayer::SoundPlayer(QWidget* parent, bool effectsEnabled, bool fadeIn, bool fadeOut, bool loop)
    : VelMediaPreviewWidget(parent, Qt::WindowFlags(), false, false, nullptr),
      effects(effectsEnabled), fadeIn(fadeIn), fadeOut(fadeOut), loop(loop)
{
    // Music only: neither the library's parts nor the player itself take room in the window.
    hideLibraryParts();
    hide();
    connect(this, &VelMediaPreviewWidget::stateChanged, this, &SoundPlayer::slotPlayerStateChanged);
    if (!effects)
        return;
    // aboutToPlay hands a flag by reference: it has to be handled before play() goes on.
    connect(this, &VelMediaPreviewWidget::aboutToPlay, this, &SoundPlayer::slotAboutToPlay,
            Qt::DirectConnection);
    if (VelmDataReceiverThread* receiver = dataReceiverThread()) {
        connect(receiver, &VelmDataReceiverThread::progressChanged, this,
                &SoundPlayer::slotAddEffect);
        connect(receiver, &VelmDataReceiverThread::currentUrlPlayingFinished, this,
                &SoundPlayer::slotPlayFinished);
    }
}

void SoundPlayer::hideLibraryParts()
{
    for (QWidget* part : {displayArea(), controlArea(), statusArea()})
        part->hide();
}

void SoundPlayer::playAll(const QList<AudioInfo>& list)
{
    currentIndex = 0;
    playlist = list;
    clipCount = int(list.size());
    heardSinceStart = false;
    if (list.isEmpty())
        return;
    clearUrls(false);
    for (const AudioInfo& clip : list)
        addUrl(clip.filePath, QString(), clip.startMs(), clip.endMs(), playerTag(this), true,
               QVariant());
    play();
}

void SoundPlayer::slotPlayerStateChanged()
{
    hideLibraryParts();
}

void SoundPlayer::slotAboutToPlay(bool&)
{
    // Silent until the first progress tick sets the volume of the fade.
    setVolume(0);
}

void SoundPlayer::slotPlayFinished()
{
    ++currentIndex;
    if (currentIndex < clipCount)
        return;
    currentIndex = 0;
    if (loop && heardSinceStart)
        playAll(playlist);
}

void SoundPlayer::slotAddEffect()
{
    heardSinceStart = true;
    double position = 0.0;
    if (positionSource)
        position = positionSource();
    else if (const VelmDataReceiverThread* receiver = dataReceiverThread())
        position = receiver->pos();
    setVolume(FadeVolume::volumeAt(playlist, currentIndex, position, {fadeIn, fadeOut}));
}
