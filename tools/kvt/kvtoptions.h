#pragma once

#include <string>

// The command line of kvt:
//   kvt [-@] -i IN [-ab RATE] [-ac N] [-acodec mp3] [-ar HZ] [-cbrorvbr CBR|VBR] [-vol V] [-y] OUT
// -@ turns on the progress lines ("|Time>>>" + seconds of input done) on standard output.
// -vol is a linear gain in 256ths: 256 leaves the volume as it is.
struct KvtOptions
{
    std::string input;
    std::string output;
    long bitRate = 192000; // bits per second
    int channels = 2;
    int sampleRate = 44100;
    bool constantBitRate = true;
    int volume = 256;
    bool overwrite = false;
    bool progress = false;
};

// Fills `options` from argv. On a wrong command line returns false with a one-line `error`.
bool parseKvtOptions(int argc, const char* const* argv, KvtOptions& options, std::string& error);

const char* kvtUsage();
