#pragma once

#include "kvtoptions.h"

#include <string>

// Where a conversion failed, for a driving program to tell its user: the input could not be read
// or holds no sound, the output could not be written, or neither (the encoder, memory). With the
// system's error number where one caused it, else 0.
struct KvtFailure
{
    enum Side
    {
        Other,
        Input,
        Output
    };
    Side side = Other;
    int systemError = 0;
};

// The line kvt adds after its message on standard error: "kvt-failure: <side> <number>", side
// one of "input", "output", "other".
std::string failureLine(const KvtFailure& failure);

// Decodes the first audio stream of options.input, resamples it to the requested rate and
// channel count and encodes it as MP3 into options.output. False with `error` (and `failure`,
// when given) set on failure; the output file is then left as it was.
bool convertToMp3(const KvtOptions& options, std::string& error, KvtFailure* failure = nullptr);
