// The playdata reader on any bytes: it must not crash, and what it accepts must be safe to use
// in copy paths (plain names only).
#include "flashkit/core/playdatafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {
QString folder;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Files live in memory where possible; the reader only reads from a path.
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder =
        base + QStringLiteral("/lumaro-fuzz-playdata-%1/").arg(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile out(folder + QStringLiteral("config.xml"));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    PlayDataFile file;
    file.setFolder(folder);
    PublishPlan plan;
    if (file.openForRead() && file.readEntries(plan)) {
        qint64 sum = 0;
        for (const QList<PlayDataEntry>* list : {&plan.music, &plan.photos}) {
            for (const PlayDataEntry& entry : *list) {
                if (!PlayDataFile::isPlainFileName(entry.fileName))
                    std::abort(); // an accepted name that could leave its folder
                sum += entry.size;
            }
        }
        if (sum != plan.total)
            std::abort();
    }
    file.closeFile();
    return 0;
}
