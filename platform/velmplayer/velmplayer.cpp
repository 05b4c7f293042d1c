#include "platform/velmplayer/velmplayer.h"

#include "platform/velmplayer/mpvlibrary.h"
#include "platform/velmplayer/velmdatareceiverthread.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QMutexLocker>

#include <algorithm>
#include <clocale>

namespace {
QStringList& extraOptionList()
{
    static QStringList options;
    return options;
}

void setOption(mpv_handle* handle, const QString& nameValue)
{
    const qsizetype equals = nameValue.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return;
    MpvLibrary::loaded().setOptionString(handle, nameValue.left(equals).toUtf8().constData(),
                                         nameValue.mid(equals + 1).toUtf8().constData());
}

QByteArray secondsText(qint64 milliseconds)
{
    return QByteArray::number(static_cast<double>(milliseconds) / 1000.0, 'f', 3);
}
} // namespace

void VelmPlayer::setExtraOptions(const QStringList& options)
{
    extraOptionList() = options;
}

QStringList VelmPlayer::extraOptions()
{
    return extraOptionList();
}

VelmPlayer::VelmPlayer(QObject* parent) : QObject(parent)
{
    // libmpv refuses to start under a locale whose decimal separator is not a point.
    std::setlocale(LC_NUMERIC, "C");
    QString missing;
    if (!MpvLibrary::api(&missing)) {
        qWarning().noquote() << "VelmPlayer: cannot load libmpv:" << missing;
        return; // no handle: a player that plays nothing, as when mpv cannot start
    }
    handle = MpvLibrary::loaded().create();
    if (!handle)
        return;

    // An audio player: no video, no scripts, no network helpers. Without a sound device
    // playback goes on silently in real time. Gapless mode reports the end of an entry early.
    const char* const options[][2] = {
        {"vo", "null"},
        {"vid", "no"},
        {"ytdl", "no"},
        {"load-scripts", "no"},
        {"audio-fallback-to-null", "yes"},
        {"gapless-audio", "no"},
        {"idle", "yes"},
        {"input-default-bindings", "no"},
        {"terminal", "no"},
        {"config", "no"},
    };
    for (const auto& option : options)
        MpvLibrary::loaded().setOptionString(handle, option[0], option[1]);
    for (const QString& option : extraOptionList())
        setOption(handle, option);
    const QString fromEnvironment = qEnvironmentVariable("LUMARO_MPV_OPTIONS");
    for (const QString& option : fromEnvironment.split(QLatin1Char(','), Qt::SkipEmptyParts))
        setOption(handle, option.trimmed());

    if (MpvLibrary::loaded().initialize(handle) < 0) {
        MpvLibrary::loaded().terminateDestroy(handle);
        handle = nullptr;
        return;
    }
    // A play list built before the core reports idle can be lost.
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        const mpv_event* event = MpvLibrary::loaded().waitEvent(handle, 0.25);
        if (event->event_id == MPV_EVENT_IDLE)
            break;
    }
    MpvLibrary::loaded().observeProperty(handle, 0, "time-pos", MPV_FORMAT_DOUBLE);

    receiver = new VelmDataReceiverThread(this, handle);
    receiver->start();
}

VelmPlayer::~VelmPlayer()
{
    if (!handle)
        return;
    MpvLibrary::loaded().commandString(handle, "stop");
    receiver->shutdown();
    delete receiver;
    MpvLibrary::loaded().terminateDestroy(handle);
}

void VelmPlayer::setStateLocked(State newState, bool* changed)
{
    if (currentState != newState) {
        currentState = newState;
        *changed = true;
    }
}

VelmPlayer::State VelmPlayer::state() const
{
    QMutexLocker lock(&mutex);
    return currentState;
}

int VelmPlayer::currentIndex() const
{
    QMutexLocker lock(&mutex);
    return playingIndex;
}

QList<VelmClip> VelmPlayer::clips() const
{
    QMutexLocker lock(&mutex);
    return clipList;
}

qint64 VelmPlayer::appendToMpv(const VelmClip& clip, qint64 startOverrideMs)
{
    const qint64 startMs =
        startOverrideMs >= 0 ? startOverrideMs : std::max<qint64>(clip.startMs, 0);
    QByteArray options = "start=" + secondsText(startMs);
    if (clip.endMs >= 0)
        options += ",end=" + secondsText(clip.endMs);
    const QByteArray path = clip.path.toUtf8();
    // Always "append-play": when an earlier entry failed at once, mpv may already have gone
    // idle at the end of the entries it had, and a plain append would never start.
    const char* args[] = {"loadfile", path.constData(), "append-play", options.constData(),
                          nullptr};
    mpv_node result;
    if (MpvLibrary::loaded().commandRet(handle, args, &result) < 0)
        return -1;
    qint64 entryId = -1;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        for (int i = 0; i < result.u.list->num; ++i) {
            if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0 &&
                result.u.list->values[i].format == MPV_FORMAT_INT64)
                entryId = result.u.list->values[i].u.int64;
        }
    }
    MpvLibrary::loaded().freeNodeContents(&result);
    return entryId;
}

void VelmPlayer::clear(bool keepCurrent)
{
    if (!handle)
        return;
    bool changed = false;
    {
        QMutexLocker lock(&mutex);
        pendingStartMs = -1;
        if (keepCurrent && currentState != Stopped && playingIndex >= 0) {
            // The clip now playing finishes; nothing follows it.
            MpvLibrary::loaded().commandString(handle, "playlist-clear");
            const VelmClip current = clipList.at(playingIndex);
            const qint64 id = entryIds.value(playingIndex, -1);
            clipList = {current};
            entryIds = {id};
            playingIndex = 0;
        } else {
            if (currentState != Stopped)
                MpvLibrary::loaded().commandString(handle, "stop");
            clipList.clear();
            entryIds.clear();
            playingIndex = -1;
            pendingSeek = -1;
            setStateLocked(Stopped, &changed);
        }
    }
    if (changed)
        emit stateChanged();
}

void VelmPlayer::add(const VelmClip& clip)
{
    QMutexLocker lock(&mutex);
    clipList.append(clip);
    // A running list grows at its end.
    if (handle && currentState != Stopped)
        entryIds.append(appendToMpv(clip, -1));
}

void VelmPlayer::play()
{
    if (!handle)
        return;
    bool changed = false;
    {
        QMutexLocker lock(&mutex);
        if (currentState == Paused) {
            MpvLibrary::loaded().setPropertyString(handle, "pause", "no");
            setStateLocked(Playing, &changed);
        } else if (currentState == Stopped && !clipList.isEmpty()) {
            // The lock is held until every entry id is known, so that the receiver never meets
            // an entry it cannot place.
            MpvLibrary::loaded().setPropertyString(handle, "pause", "no");
            entryIds.clear();
            for (int i = 0; i < clipList.size(); ++i)
                entryIds.append(appendToMpv(clipList.at(i), i == 0 ? pendingStartMs : -1));
            pendingStartMs = -1;
            pendingSeek = -1;
            playingIndex = -1;
            currentPosition.store(0.0);
            setStateLocked(Playing, &changed);
        }
    }
    if (changed)
        emit stateChanged();
}

void VelmPlayer::pause()
{
    if (!handle)
        return;
    bool changed = false;
    {
        QMutexLocker lock(&mutex);
        if (currentState == Playing) {
            MpvLibrary::loaded().setPropertyString(handle, "pause", "yes");
            setStateLocked(Paused, &changed);
        }
    }
    if (changed)
        emit stateChanged();
}

void VelmPlayer::stop()
{
    if (!handle)
        return;
    bool changed = false;
    {
        QMutexLocker lock(&mutex);
        MpvLibrary::loaded().commandString(handle, "stop");
        clipList.clear();
        entryIds.clear();
        playingIndex = -1;
        pendingStartMs = -1;
        pendingSeek = -1;
        currentPosition.store(0.0);
        setStateLocked(Stopped, &changed);
    }
    if (changed)
        emit stateChanged();
}

void VelmPlayer::setPos(int seconds)
{
    if (!handle)
        return;
    seconds = std::max(seconds, 0);
    QMutexLocker lock(&mutex);
    if (currentState == Stopped) {
        pendingStartMs = qint64(seconds) * 1000;
        return;
    }
    const QByteArray target = QByteArray::number(seconds);
    const char* args[] = {"seek", target.constData(), "absolute", nullptr};
    if (MpvLibrary::loaded().command(handle, args) < 0)
        pendingSeek = seconds; // the file is still loading; seek once it is there
    else
        currentPosition.store(seconds);
}

void VelmPlayer::setVolume(int volume)
{
    currentVolume = std::clamp(volume, 0, 100);
    if (!handle)
        return;
    double value = currentVolume;
    MpvLibrary::loaded().setProperty(handle, "volume", MPV_FORMAT_DOUBLE, &value);
}

void VelmPlayer::onStartFile(qint64 entryId)
{
    QMutexLocker lock(&mutex);
    const qsizetype index = entryIds.indexOf(entryId);
    if (index >= 0)
        playingIndex = int(index);
}

void VelmPlayer::onFileLoaded()
{
    QMutexLocker lock(&mutex);
    if (pendingSeek < 0)
        return;
    const QByteArray target = QByteArray::number(pendingSeek);
    const char* args[] = {"seek", target.constData(), "absolute", nullptr};
    MpvLibrary::loaded().commandAsync(handle, 0, args);
    pendingSeek = -1;
}

bool VelmPlayer::onEndFile(qint64 entryId, bool endedByItself, bool* listFinished)
{
    *listFinished = false;
    bool changed = false;
    {
        QMutexLocker lock(&mutex);
        const qsizetype index = entryIds.indexOf(entryId);
        // Entries of an earlier list, and entries ended by stop(), are of no interest.
        if (index < 0 || !endedByItself)
            return false;
        if (index == entryIds.size() - 1) {
            *listFinished = true;
            clipList.clear();
            entryIds.clear();
            playingIndex = -1;
            pendingSeek = -1;
            setStateLocked(Stopped, &changed);
        }
    }
    return true;
}
