#pragma once

#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QUuid>
#include <QVector>

// Orientation operations a user applies to a photo; stored newest first in ImageInfo::operations.
enum PhotoOperation
{
    Mirror = 0,
    Flip = 1,
    TurnLeft = 2,
    TurnRight = 3
};

// One photo of the photo strip. A plain value: copies share images and lists until written.
struct ImageInfo
{
    QUuid id;
    QString path;
    qint32 width = 0;
    qint32 height = 0;
    quint32 depth = 0;
    bool exifMirrored = false;
    bool exifFlipped = false;
    qint32 exifRotation = 0; // 0, 90 (clockwise) or -90
    QVector<qint32> operations;
    // How many of the oldest operations the backups already show (the EXIF orientation the photo
    // was imported with); the working copy is the backup with the newer ones applied.
    qint32 bakedOperations = 0;
    QStringList exifProperties = QStringList(16, QString()); // property texts 0..15
    QImage thumbnail;                                        // 80 x 60, stored orientation
    QImage rotatedThumbnail;                                 // 80 x 60, turned a quarter clockwise

    // Sets the three EXIF fields from an EXIF orientation code (1..8; anything else is upright)
    // and rebuilds `operations` from them (all of them baked into the backups).
    void setExifOrientation(int orientation);
    // The one transformation an operation list describes (first element applied last).
    static QTransform transformOf(const QVector<qint32>& operations);
    QTransform transform() const { return transformOf(operations); }
    // The transform step of a single operation code.
    static QTransform stepOf(int code);

    // The two 80 x 60 previews of a loaded image (both 24-bit RGB, gray background).
    static QImage makeThumbnail(const QImage& image);
    static QImage makeRotatedThumbnail(const QImage& image);
};

Q_DECLARE_METATYPE(ImageInfo)
