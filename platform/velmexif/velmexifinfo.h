#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads a photo's EXIF orientation and sixteen camera properties, once, at construction.
// Files that cannot be read (missing, empty, truncated, not an image, no EXIF) are not errors:
// the orientation is then 1 and every property is empty.
//
// Property indexes, each the readable text exiv2 prints for the tag (empty when absent):
//   0 date taken          (Exif.Photo.DateTimeOriginal)
//   1 camera make         (Exif.Image.Make)
//   2 camera model        (Exif.Image.Model)
//   3 exposure time       (Exif.Photo.ExposureTime)
//   4 F-number            (Exif.Photo.FNumber)
//   5 ISO speed           (Exif.Photo.ISOSpeedRatings)
//   6 focal length        (Exif.Photo.FocalLength)
//   7 flash               (Exif.Photo.Flash)
//   8 white balance       (Exif.Photo.WhiteBalance)
//   9 exposure program    (Exif.Photo.ExposureProgram)
//  10 metering mode       (Exif.Photo.MeteringMode)
//  11 exposure bias       (Exif.Photo.ExposureBiasValue)
//  12 pixel width         (Exif.Photo.PixelXDimension)
//  13 pixel height        (Exif.Photo.PixelYDimension)
//  14 software            (Exif.Image.Software)
//  15 artist              (Exif.Image.Artist)
class VelmExifInfo
{
public:
    enum Property
    {
        DateTaken = 0,
        Make,
        Model,
        ExposureTime,
        FNumber,
        IsoSpeed,
        FocalLength,
        Flash,
        WhiteBalance,
        ExposureProgram,
        MeteringMode,
        ExposureBias,
        PixelWidth,
        PixelHeight,
        Software,
        Artist,
        PropertyCount
    };

    explicit VelmExifInfo(const QString& path);
    // The EXIF block of a file whose container exiv2 does not read (HEIF keeps it as an item of
    // its own): `tiff` is the block from its TIFF header on. Empty or damaged: as a file without
    // EXIF.
    static VelmExifInfo fromTiffBlock(const QByteArray& tiff);

    // The EXIF orientation code 1..8; 1 when the file has none or an invalid one.
    int Orientation() const { return orientation; }
    // The text of one property (see the table above); empty for an index outside 0..15.
    QString property(int index) const;
    // True when the file could be opened and its metadata read (it may still hold no EXIF).
    bool isReadable() const { return readable; }
    // The exiv2 key behind a property index; empty outside 0..15.
    static QString propertyKey(int index);

private:
    VelmExifInfo();
    void take(const void* exifData);

    int orientation = 1;
    bool readable = false;
    QStringList properties;
};
