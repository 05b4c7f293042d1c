#include "kvtoptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

// Whole decimal number, nothing else on the text.
bool parseLong(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

// "192K", "192k" or "192000": bits per second.
bool parseBitRate(std::string text, long& value)
{
    long scale = 1;
    if (!text.empty() && (text.back() == 'k' || text.back() == 'K')) {
        scale = 1000;
        text.pop_back();
    }
    if (!parseLong(text, value) || value <= 0 || value > 1000000)
        return false;
    value *= scale;
    return value >= 8000 && value <= 320000;
}

} // namespace

const char* kvtUsage()
{
    return "usage: kvt [-@] -i IN [-ab 192K] [-ac 2] [-acodec mp3] [-ar 44100] [-cbrorvbr "
           "CBR|VBR]\n"
           "           [-vol 256] [-y] OUT\n";
}

bool parseKvtOptions(int argc, const char* const* argv, KvtOptions& options, std::string& error)
{
    bool haveInput = false;
    bool haveOutput = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (haveOutput) {
                error = "more than one output file: '" + arg + "'";
                return false;
            }
            options.output = arg;
            haveOutput = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-@") {
            options.progress = true;
            continue;
        }
        if (arg == "-y") {
            options.overwrite = true;
            continue;
        }
        static const char* const valued[] = {"-i",  "-ab",       "-ac", "-acodec",
                                             "-ar", "-cbrorvbr", "-vol"};
        bool known = false;
        for (const char* name : valued)
            known = known || arg == name;
        if (!known) {
            error = "unknown option '" + arg + "'";
            return false;
        }
        if (i + 1 >= argc) {
            error = "option '" + arg + "' needs a value";
            return false;
        }
        const std::string value = argv[++i];
        long number = 0;
        if (arg == "-i") {
            options.input = value;
            haveInput = !value.empty();
        } else if (arg == "-ab") {
            if (!parseBitRate(value, options.bitRate)) {
                error = "bad bit rate '" + value + "' (8K to 320K)";
                return false;
            }
        } else if (arg == "-ac") {
            if (!parseLong(value, number) || number < 1 || number > 2) {
                error = "bad channel count '" + value + "' (1 or 2)";
                return false;
            }
            options.channels = static_cast<int>(number);
        } else if (arg == "-acodec") {
            if (strcasecmp(value.c_str(), "mp3") != 0 && value != "libmp3lame") {
                error = "unsupported codec '" + value + "' (only mp3)";
                return false;
            }
        } else if (arg == "-ar") {
            if (!parseLong(value, number) || number < 8000 || number > 48000) {
                error = "bad sample rate '" + value + "'";
                return false;
            }
            options.sampleRate = static_cast<int>(number);
        } else if (arg == "-cbrorvbr") {
            if (strcasecmp(value.c_str(), "CBR") == 0) {
                options.constantBitRate = true;
            } else if (strcasecmp(value.c_str(), "VBR") == 0) {
                options.constantBitRate = false;
            } else {
                error = "bad rate mode '" + value + "' (CBR or VBR)";
                return false;
            }
        } else if (arg == "-vol") {
            if (!parseLong(value, number) || number < 0 || number > 256 * 64) {
                error = "bad volume '" + value + "' (256 keeps the volume)";
                return false;
            }
            options.volume = static_cast<int>(number);
        }
    }
    if (!haveInput) {
        error = "no input file (-i)";
        return false;
    }
    if (!haveOutput || options.output.empty()) {
        error = "no output file";
        return false;
    }
    return true;
}
