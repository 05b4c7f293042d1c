#include "common/logfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRecursiveMutex>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
constexpr qint64 LogSizeLimit = 8192;

// Workers log too (the audio reader runs on the import thread); the lock also keeps the two
// lines of one entry together.
QRecursiveMutex& logMutex()
{
    static QRecursiveMutex mutex;
    return mutex;
}

QString executablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

void appendLine(const char* text)
{
    const QString exe = executablePath();
    const qsizetype slash = exe.lastIndexOf(QLatin1Char('/'));
    if (exe.isEmpty() || slash <= 0)
        return;
    const QString logPath = QDir::tempPath() + exe.mid(slash) + QStringLiteral(".1.log");

    QFile file(logPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(text);
    file.write("\n", 1);
    file.close();

    // The log keeps growing; past the limit every entry refreshes a full copy as the backup.
    if (QFileInfo(logPath).size() >= LogSizeLimit) {
        QString backupPath = logPath;
        backupPath[backupPath.lastIndexOf(QLatin1Char('1'))] = QLatin1Char('2');
        QFile::remove(backupPath);
        QFile::copy(logPath, backupPath);
    }
}
// The log names a source file from the source root. The compiler has its full path, or, in a
// build folder inside the source tree, its path from the folder it compiles in
// ("../../flashkit/core/flashmores.cpp"), whose climb up to the source root is dropped.
const char* fromSourceRoot(const char* file)
{
    if (!file)
        return "";
#ifdef LUMARO_SOURCE_ROOT
    const std::size_t rootLength = std::strlen(LUMARO_SOURCE_ROOT);
    if (std::strncmp(file, LUMARO_SOURCE_ROOT, rootLength) == 0)
        return file + rootLength;
#endif
    while (std::strncmp(file, "../", 3) == 0)
        file += 3;
    return file;
}
} // namespace

void writeLogLine(const char* format, ...)
{
    // The log must not disturb the caller, not even through errno.
    const int savedErrno = errno;
    char buffer[1024] = {};
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args); // cuts to 1023 bytes
        va_end(args);
    }
    {
        QMutexLocker lock(&logMutex());
        appendLine(buffer);
    }
    errno = savedErrno;
}

QByteArray logFunctionName(const char* signature)
{
    const QByteArray text(signature ? signature : "");
    qsizetype nameStart = 0;
    int depth = 0; // inside a template's <...>
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '<') {
            ++depth;
        } else if (c == '>' && depth > 0) {
            --depth;
        } else if (depth == 0 && c == ' ') {
            nameStart = i + 1; // what came before was the return type or a specifier
        } else if (depth == 0 && c == '(') {
            // Parts of a name that hold parentheses: clang's anonymous namespace, operator().
            static const QByteArray anonymous = QByteArrayLiteral("(anonymous namespace)");
            if (text.mid(i).startsWith(anonymous)) {
                i += anonymous.size() - 1;
                continue;
            }
            const QByteArray name = text.mid(nameStart, i - nameStart);
            if (name.endsWith("operator") && text.mid(i).startsWith("()")) {
                ++i;
                continue;
            }
            return name;
        }
    }
    return text;
}

void writeLogEntry(const char* file, int line, const char* function, const char* detail)
{
    const int savedErrno = errno;
    const unsigned int error = static_cast<unsigned int>(savedErrno);
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")).toLocal8Bit();
    const QByteArray name = logFunctionName(function);
    QMutexLocker lock(&logMutex());
    writeLogLine("%s(%d): in %s : %s %08x", fromSourceRoot(file), line, name.constData(),
                 stamp.constData(), error);
    // The detail is written as plain text, never used as a format: it may carry '%' from file
    // names or tool output.
    writeLogLine("%s", detail ? detail : "");
    errno = savedErrno;
}
