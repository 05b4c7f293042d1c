#include "platform/velmplayer/velmdatareceiverthread.h"

#include "platform/velmplayer/mpvlibrary.h"
#include "platform/velmplayer/velmplayer.h"

VelmDataReceiverThread::VelmDataReceiverThread(VelmPlayer* player, mpv_handle* handle)
    : player(player), handle(handle)
{
}

VelmDataReceiverThread::~VelmDataReceiverThread()
{
    shutdown();
}

double VelmDataReceiverThread::pos() const
{
    return player->position();
}

void VelmDataReceiverThread::shutdown()
{
    if (!isRunning())
        return;
    quitting.store(true);
    MpvLibrary::loaded().wakeup(handle);
    wait();
}

void VelmDataReceiverThread::run()
{
    while (!quitting.load()) {
        const mpv_event* event = MpvLibrary::loaded().waitEvent(handle, -1);
        switch (event->event_id) {
        case MPV_EVENT_SHUTDOWN:
            return;
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* property = static_cast<const mpv_event_property*>(event->data);
            if (property->format == MPV_FORMAT_DOUBLE && qstrcmp(property->name, "time-pos") == 0) {
                player->onPositionChanged(*static_cast<const double*>(property->data));
                if (player->state() != VelmPlayer::Stopped)
                    emit progressChanged();
            }
            break;
        }
        case MPV_EVENT_START_FILE: {
            const auto* start = static_cast<const mpv_event_start_file*>(event->data);
            player->onStartFile(start->playlist_entry_id);
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            player->onFileLoaded();
            break;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event->data);
            // A file that is missing or cannot be decoded ends its clip like one played out.
            const bool byItself =
                end->reason == MPV_END_FILE_REASON_EOF || end->reason == MPV_END_FILE_REASON_ERROR;
            bool listFinished = false;
            if (player->onEndFile(end->playlist_entry_id, byItself, &listFinished)) {
                emit currentUrlPlayingFinished();
                if (listFinished) {
                    emit player->stateChanged();
                    emit player->playFinished();
                }
            }
            break;
        }
        default:
            break;
        }
    }
}
