#include "common/audioinfo.h"

#include "common/workspace.h"

bool AudioInfo::needsConversion() const
{
    return codecName != QLatin1String("mp3") || sampleRate != 44100;
}

QString AudioInfo::convertedFilePath() const
{
    return musicCopyPath(filePath);
}
