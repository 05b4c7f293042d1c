#include "common/audioinfo.h"

#include "common/workspace.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

bool AudioInfo::needsConversion() const
{
    return codecName != QLatin1String("mp3") || sampleRate != 44100;
}

QString AudioInfo::convertedFilePath() const
{
    return musicCopyPath(filePath);
}

QStringList musicCopyPaths(const QList<AudioInfo>& clips)
{
    const QString folder = musicFolder();
    QStringList paths;
    QHash<QString, QString> bySource;
    QSet<QString> taken; // lower-case file names already given out
    for (const AudioInfo& clip : clips) {
        const auto known = bySource.constFind(clip.filePath);
        if (known != bySource.constEnd()) {
            paths << known.value();
            continue;
        }
        const QString base =
            fittedStem(QFileInfo(clip.filePath).completeBaseName(), MusicNameReserve);
        QString name = base + QStringLiteral(".mp3");
        for (int n = 1; taken.contains(name.toLower()); ++n)
            name = QStringLiteral("%1(%2).mp3").arg(base).arg(n);
        taken.insert(name.toLower());
        bySource.insert(clip.filePath, folder + name);
        paths << folder + name;
    }
    return paths;
}
