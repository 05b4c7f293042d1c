#pragma once

// libmpv, loaded the first time a player is made rather than when the program starts: it and
// the libraries it pulls in (FFmpeg, the sound servers, the video outputs) take longer to load
// than the rest of the program, and most sessions play no music before the window is up.
#include <mpv/client.h>

#include <QString>

namespace MpvLibrary {

// The calls the player makes, resolved from the loaded library.
struct Api
{
    decltype(&mpv_create) create = nullptr;
    decltype(&mpv_initialize) initialize = nullptr;
    decltype(&mpv_terminate_destroy) terminateDestroy = nullptr;
    decltype(&mpv_set_option_string) setOptionString = nullptr;
    decltype(&mpv_set_property) setProperty = nullptr;
    decltype(&mpv_set_property_string) setPropertyString = nullptr;
    decltype(&mpv_observe_property) observeProperty = nullptr;
    decltype(&mpv_command) command = nullptr;
    decltype(&mpv_command_ret) commandRet = nullptr;
    decltype(&mpv_command_async) commandAsync = nullptr;
    decltype(&mpv_command_string) commandString = nullptr;
    decltype(&mpv_free_node_contents) freeNodeContents = nullptr;
    decltype(&mpv_wait_event) waitEvent = nullptr;
    decltype(&mpv_wakeup) wakeup = nullptr;
};

// Loads the library once (from any thread; later callers wait for the first) and returns its
// calls, or nullptr when it or one of the calls is missing; `error` then says why.
const Api* api(QString* error = nullptr);

// The calls, for code that only runs with a player handle, which exists only once they loaded.
inline const Api& loaded()
{
    return *api();
}

// Starts loading it on a thread of its own, so that the first player does not wait for it.
void preload();

} // namespace MpvLibrary
