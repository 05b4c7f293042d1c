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
    const int fd = *static_cast<int*>(opaque);
    int done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, buffer + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return AVERROR(errno);
        }
        done += static_cast<int>(n);
    }
    return done;
}

int64_t seekFile(void* opaque, int64_t offset, int whence)
{
    const int fd = *static_cast<int*>(opaque);
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

std::string systemError(const std::string& what, const std::string& path)
{
    return what + " '" + path + "': " + std::strerror(errno);
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
    if (nameOf(target).empty()) {
        error = "no output file name in '" + target + "'";
        return false;
    }
    if (static_cast<long>(nameOf(target).size()) > nameLimit(folder)) {
        error = "output file name too long: '" + nameOf(target) + "'";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error = systemError("cannot write in folder", folder);
        return false;
    }
#ifdef O_TMPFILE
    fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
    if (fd >= 0 && ::access("/proc/self/fd", X_OK) != 0) {
        ::close(fd); // the file could not be given a name later
        fd = -1;
    }
#endif
    if (fd < 0) {
        std::string pattern = tempName(folder, nameOf(target), ".XXXXXX");
        if (pattern.size() >= sizeof pendingTemp) {
            error = "output path too long";
            return false;
        }
        std::strcpy(pendingTemp, pattern.c_str());
        watchSignals();
        fd = ::mkstemp(pendingTemp);
        if (fd < 0) {
            pendingTemp[0] = '\0';
            error = systemError("cannot write in folder", folder);
            return false;
        }
        ::fchmod(fd, 0644);
        namedTemp = pendingTemp;
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
    ioContext =
        buffer ? avio_alloc_context(buffer, IoBufferSize, 1, &fd, nullptr, writePacket, seekFile)
               : nullptr;
    if (!ioContext) {
        av_free(buffer);
        error = "out of memory";
        discard();
        return false;
    }
    return true;
}

bool OutputFile::commit(std::string& error)
{
    avio_flush(ioContext);
    if (ioContext->error < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(ioContext->error, text, sizeof text);
        error = "cannot write '" + target + "': " + text;
        return false;
    }
    if (namedTemp.empty()) {
        // Give the anonymous file a temporary name, then move it over the target in one step.
        namedTemp = tempName(folderOf(target), nameOf(target), ".kvt" + std::to_string(::getpid()));
        ::unlink(namedTemp.c_str());
        const std::string fdPath = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, fdPath.c_str(), AT_FDCWD, namedTemp.c_str(), AT_SYMLINK_FOLLOW) !=
            0) {
            error = systemError("cannot create", namedTemp);
            namedTemp.clear();
            return false;
        }
    }
    if (::close(fd) != 0) {
        fd = -1;
        error = systemError("cannot write", target);
        return false;
    }
    fd = -1;
    if (::rename(namedTemp.c_str(), target.c_str()) != 0) {
        error = systemError("cannot replace", target);
        return false;
    }
    namedTemp.clear();
    pendingTemp[0] = '\0';
    return true;
}

void OutputFile::discard()
{
    if (ioContext) {
        av_freep(&ioContext->buffer);
        avio_context_free(&ioContext);
    }
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
    if (!namedTemp.empty()) {
        ::unlink(namedTemp.c_str());
        namedTemp.clear();
    }
    pendingTemp[0] = '\0';
}
