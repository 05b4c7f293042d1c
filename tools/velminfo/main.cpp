// velminfo -i FILE
// Writes an XML description of FILE's container and streams to standard error. Exit code 0 when
// the file was probed, 1 when it could not be, 2 for a wrong command line.
#include "mediareport.h"

#include <cstdio>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

static void usage()
{
    std::fputs("usage: velminfo [-v] -i FILE\n"
               "Writes an XML report of FILE's streams to standard error.\n",
               stderr);
}

int main(int argc, char** argv)
{
    const char* input = nullptr;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-i") == 0 && i + 1 < argc) {
            input = argv[++i];
        } else if (std::strcmp(argv[i], "-v") == 0) {
            verbose = true;
        } else if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            usage();
            return 0;
        } else {
            std::fprintf(stderr, "velminfo: unexpected argument '%s'\n", argv[i]);
            usage();
            return 2;
        }
    }
    if (!input) {
        usage();
        return 2;
    }
    // The library's own warnings would land among the report's lines, and readers only accept a
    // bounded number of lines; keep them out unless asked for.
    av_log_set_level(verbose ? AV_LOG_INFO : AV_LOG_QUIET);

    bool ok = false;
    const std::string report = mediaReport(input, ok);
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::fflush(stderr);
    return ok ? 0 : 1;
}
