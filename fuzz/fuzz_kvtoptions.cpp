// kvt's command line: the input is split at zero bytes into arguments.
#include "kvtoptions.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> words{"kvt"};
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    words.push_back(current);
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    argv.push_back(nullptr);

    KvtOptions options;
    std::string error;
    const bool ok = parseKvtOptions(static_cast<int>(words.size()), argv.data(), options, error);
    if (ok) {
        // What is accepted is what the converter can do.
        if (options.input.empty() || options.output.empty() || options.channels < 1 ||
            options.channels > 2 || options.sampleRate < 8000 || options.sampleRate > 48000 ||
            options.bitRate < 8000 || options.bitRate > 320000 || options.volume < 0)
            std::abort();
    } else if (error.empty()) {
        std::abort(); // a refusal always says why
    }
    return 0;
}
