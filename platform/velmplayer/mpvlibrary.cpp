#include "platform/velmplayer/mpvlibrary.h"

#include <QLibrary>
#include <QThread>

namespace MpvLibrary {
namespace {
struct Loaded
{
    Api calls;
    bool complete = false;
    QString error;
};

template <typename Call> bool resolve(QLibrary& library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(library.resolve(name));
    return call != nullptr;
}

Loaded load()
{
    Loaded loaded;
    // The library's file carries the major version of the interface this was built against.
    QLibrary library(QStringLiteral("mpv"), MPV_CLIENT_API_VERSION >> 16);
    if (!library.load()) {
        loaded.error = library.errorString();
        return loaded;
    }
    Api& a = loaded.calls;
    loaded.complete = resolve(library, "mpv_create", a.create) &&
                      resolve(library, "mpv_initialize", a.initialize) &&
                      resolve(library, "mpv_terminate_destroy", a.terminateDestroy) &&
                      resolve(library, "mpv_set_option_string", a.setOptionString) &&
                      resolve(library, "mpv_set_property", a.setProperty) &&
                      resolve(library, "mpv_set_property_string", a.setPropertyString) &&
                      resolve(library, "mpv_observe_property", a.observeProperty) &&
                      resolve(library, "mpv_command", a.command) &&
                      resolve(library, "mpv_command_ret", a.commandRet) &&
                      resolve(library, "mpv_command_async", a.commandAsync) &&
                      resolve(library, "mpv_command_string", a.commandString) &&
                      resolve(library, "mpv_free_node_contents", a.freeNodeContents) &&
                      resolve(library, "mpv_wait_event", a.waitEvent) &&
                      resolve(library, "mpv_wakeup", a.wakeup);
    if (!loaded.complete)
        loaded.error = library.errorString();
    // Never unloaded: players live until the program ends.
    return loaded;
}
} // namespace

const Api* api(QString* error)
{
    static const Loaded loaded = load(); // thread-safe: a second caller waits for the first
    if (!loaded.complete && error)
        *error = loaded.error;
    return loaded.complete ? &loaded.calls : nullptr;
}

void preload()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    QThread* thread = QThread::create([] { api(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}

} // namespace MpvLibrary
