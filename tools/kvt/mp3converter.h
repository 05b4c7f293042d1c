#pragma once

#include "kvtoptions.h"

#include <string>

// Decodes the first audio stream of options.input, resamples it to the requested rate and
// channel count and encodes it as MP3 into options.output. False with `error` set on failure;
// the output file is then left as it was.
bool convertToMp3(const KvtOptions& options, std::string& error);
