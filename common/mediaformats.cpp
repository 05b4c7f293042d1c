#include "common/mediaformats.h"

#include <QCoreApplication>

QStringList imageExtensions;
QStringList audioExtensions;

// Qt's file dialog splits a filter's patterns at spaces only, and "*.*" would hide names
// without a dot; the filters are joined by ";;" with nothing after the last.
const QString imageFileFilter = QStringLiteral(
    "JPG Files (*.jpg *.jpeg);;BMP Files (*.bmp);;PNG Files (*.png);;GIF Files (*.gif);;"
    "TIFF Files (*.tif *.tiff);;XBM Files (*.xbm);;XPM Files (*.xpm);;"
    "HEIF Files (*.heic *.heif);;AVIF Files (*.avif);;WebP Files (*.webp)");

const QString audioFileFilter = QStringLiteral(
    "AAC Files (*.aac);;AIF Files (*.aif *.aiff);;AC3 Files (*.ac3);;APE Files (*.ape);;"
    "AU Files (*.au);;FLAC Files (*.flac);;MPA Files (*.mpa);;MP2 Files (*.mp2);;"
    "MP3 Files (*.mp3);;OGG Files (*.ogg *.oga);;Opus Files (*.opus);;RA Files (*.ra);;WAV Files "
    "(*.wav);;"
    "WMA Files (*.wma);;M4A Files (*.m4a *.m4b)");

void fillMediaExtensions()
{
    imageExtensions = QStringList{
        QStringLiteral("*.jpg"),  QStringLiteral("*.jpeg"), QStringLiteral("*.bmp"),
        QStringLiteral("*.png"),  QStringLiteral("*.gif"),  QStringLiteral("*.tiff"),
        QStringLiteral("*.xbm"),  QStringLiteral("*.xpm"),  QStringLiteral("*.tif"),
        QStringLiteral("*.heic"), QStringLiteral("*.heif"), QStringLiteral("*.avif"),
        QStringLiteral("*.webp"),
    };
    audioExtensions = QStringList{
        QStringLiteral("*.aac"),  QStringLiteral("*.aif"),  QStringLiteral("*.aiff"),
        QStringLiteral("*.ac3"),  QStringLiteral("*.ape"),  QStringLiteral("*.au"),
        QStringLiteral("*.flac"), QStringLiteral("*.mpa"),  QStringLiteral("*.mp2"),
        QStringLiteral("*.mp3"),  QStringLiteral("*.ogg"),  QStringLiteral("*.ra"),
        QStringLiteral("*.wav"),  QStringLiteral("*.wma"),  QStringLiteral("*.m4a"),
        QStringLiteral("*.oga"),  QStringLiteral("*.opus"), QStringLiteral("*.m4b"),
    };
}

QString openFileDialogFilter(const QStringList& patterns, const QString& filter)
{
    QStringList filters{QCoreApplication::translate("MediaFormats", "All Supported Files") +
                        QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')')};
    if (!filter.isEmpty())
        filters << filter;
    filters << QCoreApplication::translate("MediaFormats", "All Files") + QStringLiteral(" (*)");
    return filters.join(QStringLiteral(";;"));
}

QString formatTime(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
