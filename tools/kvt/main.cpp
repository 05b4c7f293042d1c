// kvt: converts one audio file to MP3.
// Exit code 0 when OUT was written, 1 when the conversion failed (OUT untouched), 2 for a wrong
// command line. Messages go to standard error; standard output carries only progress lines. A
// failed conversion's message is followed by a line for the driving program saying which side
// failed and the system's error number (see failureLine), which it words for its user.
#include "kvtoptions.h"
#include "mp3converter.h"

#include <csignal>
#include <cstdio>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv)
{
    // A reader of the progress lines that goes away must not kill us before the clean-up: the
    // failed write ends the conversion with the error status instead.
    std::signal(SIGPIPE, SIG_IGN);
    KvtOptions options;
    std::string error;
    if (!parseKvtOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "kvt: %s\n%s", error.c_str(), kvtUsage());
        return 2;
    }
    // Library chatter would bury the one-line message a caller shows or logs.
    av_log_set_level(AV_LOG_FATAL);
    KvtFailure failure;
    if (!convertToMp3(options, error, &failure)) {
        std::fprintf(stderr, "kvt: %s\n%s\n", error.c_str(), failureLine(failure).c_str());
        return 1;
    }
    return 0;
}
