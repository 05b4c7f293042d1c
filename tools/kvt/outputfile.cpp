#include "outputfile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avio.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace {

constexpr int IoBufferSize = 64 * 1024;

// The named temporary file to remove when a signal ends the process (fallback path only).
char pendingTemp[4096];

void removeTempAndExit(int signalNumber)
{
    if (pendingTemp[0])
        ::unlink(pendingTemp);
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// SIGPIPE is ignored for the whole run (main): a lost progress reader ends the conversion
// through the failed write, with the ordinary clean-up.
void watchSignals()
{
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        ::signal(s, removeTempAndExit);
}

int writePacket(void* opaque, uint8_t* buffer, int size)
{
    auto* sink = static_cast<OutputFile::Sink*>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t n = ::write(sink->fd, buffer + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            sink->error = errno;
            return AVERROR(errno);
        }
        done += static_cast<int>(n);
    }
    return done;
}

int64_t seekFile(void* opaque, int64_t offset, int whence)
{
    const int fd = static_cast<OutputFile::Sink*>(opaque)->fd;
    if (whence == AVSEEK_SIZE) {
        struct stat info
        {
        };
        return ::fstat(fd, &info) == 0 ? info.st_size : AVERROR(errno);
    }
    const off_t at = ::lseek(fd, offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : at;
}

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

long nameLimit(const std::string& folder)
{
    errno = 0;
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

// "." + the target's name + `suffix`, with the name cut (at a character boundary) so the whole
// stays within the folder's name limit: a target name near the limit must still be writable.
std::string tempName(const std::string& folder, const std::string& name, const std::string& suffix)
{
    const size_t room = static_cast<size_t>(nameLimit(folder)) - 1 - suffix.size();
    size_t keep = std::min(name.size(), room);
    while (keep > 0 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xc0) == 0x80)
        --keep;
    return folder + "/." + name.substr(0, keep) + suffix;
}

} // namespace

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::open(const std::string& targetPath, std::string& error)
{
    target = targetPath;
    const std::string folder = folderOf(target);
    // Found out now rather than after the whole conversion, when the result cannot be stored.
    if (nameOf(target).empty())
        return failWith(EISDIR, error, "no output file name in '" + target + "'");
    if (static_cast<long>(nameOf(target).size()) > nameLimit(folder))
        return failWith(ENAMETOOLONG, error, "output file name too long: '" + nameOf(target) + "'");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return failWith(errno, error, "cannot write in folder '" + folder + "'");
#ifdef O_TMPFILE
    sink.fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (sink.fd >= 0 && ::access("/proc/self/fd", X_OK) != 0) {
        ::close(sink.fd); // the file could not be given a name later
        sink.fd = -1;
    }
#endif
    if (sink.fd < 0) {
        std::string pattern = tempName(folder, nameOf(target), ".XXXXXX");
        if (pattern.size() >= sizeof pendingTemp)
            return failWith(ENAMETOOLONG, error, "output path too long");
        std::strcpy(pendingTemp, pattern.c_str());
        watchSignals();
        sink.fd = ::mkstemp(pendingTemp);
        if (sink.fd < 0) {
            const int number = errno;
            pendingTemp[0] = '\0';
            return failWith(number, error, "cannot write in folder '" + folder + "'");
        }
        ::fchmod(sink.fd, 0644);
        namedTemp = pendingTemp;
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
    ioContext =
        buffer ? avio_alloc_context(buffer, IoBufferSize, 1, &sink, nullptr, writePacket, seekFile)
               : nullptr;
    if (!ioContext) {
        av_free(buffer);
        discard();
        return failWith(ENOMEM, error, "out of memory");
    }
    return true;
}

bool OutputFile::commit(std::string& error)
{
    avio_flush(ioContext);
    if (ioContext->error < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(ioContext->error, text, sizeof text);
        return failWith(sink.error ? sink.error : AVUNERROR(ioContext->error), error,
                        "cannot write '" + target + "': " + text);
    }
    if (namedTemp.empty()) {
        // Give the anonymous file a temporary name, then move it over the target in one step.
        namedTemp = tempName(folderOf(target), nameOf(target), ".kvt" + std::to_string(::getpid()));
        ::unlink(namedTemp.c_str());
        const std::string fdPath = "/proc/self/fd/" + std::to_string(sink.fd);
        if (::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, namedTemp.c_str(), AT_SYMLINK_FOLLOW) !=
            0) {
            const int number = errno;
            const std::string temp = namedTemp;
            namedTemp.clear();
            return failWith(number, error, "cannot create '" + temp + "'");
        }
    }
    const int closed = ::close(sink.fd);
    sink.fd = -1;
    if (closed != 0)
        return failWith(errno, error, "cannot write '" + target + "'");
    if (::rename(namedTemp.c_str(), target.c_str()) != 0)
        return failWith(errno, error, "cannot replace '" + target + "'");
    namedTemp.clear();
    pendingTemp[0] = '\0';
    return true;
}

// Keeps the error number for the driving program and words it, with the system's text, for the
// person reading standard error.
bool OutputFile::failWith(int number, std::string& error, const std::string& text)
{
    sink.error = number;
    error = text;
    if (number != 0 && text.compare(0, 6, "cannot") == 0 && text.find(": ") == std::string::npos)
        error += std::string(": ") + std::strerror(number);
    return false;
}

void OutputFile::discard()
{
    if (ioContext) {
        av_freep(&ioContext->buffer);
        avio_context_free(&ioContext);
    }
    if (sink.fd >= 0) {
        ::close(sink.fd);
        sink.fd = -1;
    }
    if (!namedTemp.empty()) {
        ::unlink(namedTemp.c_str());
        namedTemp.clear();
    }
    pendingTemp[0] = '\0';
}
