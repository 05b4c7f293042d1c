#pragma once

#include <string>

struct AVIOContext;

// The MP3 being written. It lives in a temporary file in the target's folder and replaces the
// target only in commit(), so a failed, interrupted or killed conversion never leaves a partial
// file under the target's name. Where the file system allows it the temporary file has no name
// at all (O_TMPFILE) and vanishes by itself when the process dies.
class OutputFile
{
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the temporary file beside `target`. False with `error` set when it cannot.
    bool open(const std::string& target, std::string& error);
    // Writing end for libavformat; owned by this object.
    AVIOContext* io() const { return ioContext; }
    // Flushes and moves the file to the target's name (replacing an existing file).
    bool commit(std::string& error);
    // The system's error number of the output operation that failed (0 while none did), so a
    // driving program can say what happened, such as a full disk.
    int systemError() const { return sink.error; }

    // The file descriptor libavformat writes through, and the error of its last failed write.
    struct Sink
    {
        int fd = -1;
        int error = 0;
    };

private:
    void discard();
    bool failWith(int number, std::string& error, const std::string& text);

    std::string target;
    std::string namedTemp; // set while a named temporary file exists
    Sink sink;
    AVIOContext* ioContext = nullptr;
};
