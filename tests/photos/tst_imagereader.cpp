// ImageReader and the orientation file work on real files: the stored sizes and previews, the
// real EXIF orientation pictures, large photos and headers that lie about their size, and the
// failures each reports.
#include "photofixtures.h"
#include "support/testfiles.h"
#include "support/testheif.h"
#include "support/testimages.h"
#include "support/testmedia.h"

#include "common/workspace.h"
#include "photos/core/imagereader.h"
#include "photos/core/photooperation.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

using namespace PhotoFixtures;
using Failure = ImageReader::Failure;

namespace {
QSize sizeOf(const QString& path)
{
    return QImageReader(path).size();
}

long peakKilobytes()
{
    for (const QByteArray& line : TestFiles::read(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// `bytes` with every picture size a HEIF file declares (its 'ispe' properties) set to `side`
// square; the coded picture stays as small as it was.
QByteArray withHeifDeclaredSize(QByteArray bytes, quint32 side)
{
    for (int at = bytes.indexOf("ispe"); at >= 0; at = bytes.indexOf("ispe", at + 4)) {
        for (int field = 0; field < 2; ++field)
            for (int i = 0; i < 4; ++i)
                bytes[at + 8 + field * 4 + i] = char((side >> (24 - 8 * i)) & 0xff);
    }
    return bytes;
}

// A lossy WebP of `picture` whose frame header declares 16383 x 16383 pixels, the format's most.
QByteArray webpDeclaringHugeSize(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "WEBP") || bytes.mid(12, 4) != "VP8 ")
        return QByteArray();
    for (int at : {26, 28}) { // 14 bits of width, then of height, after the frame's start code
        bytes[at] = char(0xff);
        bytes[at + 1] = char(0x3f);
    }
    return bytes;
}

// A PNG of `picture` whose IHDR is followed by a text chunk announcing nearly 2 GB, which the
// file ends right after; libpng allocates what a chunk announces before reading it.
QByteArray pngAnnouncingHugeChunk(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return QByteArray();
    const int afterHeader = 8 + 8 + 13 + 4; // signature, IHDR's length and type, data, CRC
    return png.left(afterHeader) + QByteArray::fromHex("7ffffff0") + "tEXtabc";
}

// An icon file holding `png` as its one picture.
QByteArray iconHolding(const QByteArray& png)
{
    QByteArray icon = QByteArray::fromHex("000001000100"); // reserved, type 1 (icon), one entry
    icon += QByteArray::fromHex("4040000001002000");       // 64 x 64, no palette, 1 plane, 32 bits
    icon += QByteArray(8, '\0');
    qToLittleEndian<quint32>(quint32(png.size()), icon.data() + 14);
    qToLittleEndian<quint32>(quint32(icon.size()), icon.data() + 18);
    return icon + png;
}

QString testPicture(const QString& name)
{
    return QStringLiteral(LUMARO_TESTDATA_DIR "/exif-orientation/") + name;
}
} // namespace

class TestImageReader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString workspace;

    // Reads `path` into a fresh record.
    ImageInfo read(const QString& path, bool* ok = nullptr, Failure* failure = nullptr)
    {
        ImageInfo info;
        info.path = path;
        Failure why = Failure::None;
        const bool done = ImageReader::readImageInfo(info, &why);
        if (ok)
            *ok = done;
        if (failure)
            *failure = why;
        return info;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }

    void init()
    {
        static int run = 0;
        workspace = dir.filePath(QStringLiteral("ws%1").arg(++run));
        useWorkspace(workspace);
    }

    void storedSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("copySize");
        QTest::addColumn<QSize>("thumbSize");
        QTest::newRow("720x480 kept") << QSize(720, 480) << 0 << QSize(720, 480) << QSize(80, 53);
        QTest::newRow("100x100 enlarged")
            << QSize(100, 100) << 0 << QSize(540, 540) << QSize(60, 60);
        QTest::newRow("4000x3000 reduced")
            << QSize(4000, 3000) << 1 << QSize(720, 540) << QSize(80, 60);
        QTest::newRow("4000x3000 orientation 6")
            << QSize(4000, 3000) << 6 << QSize(405, 540) << QSize(45, 60);
        QTest::newRow("3000x4000 orientation 8")
            << QSize(3000, 4000) << 8 << QSize(720, 540) << QSize(80, 60);
        QTest::newRow("panorama 5000x500")
            << QSize(5000, 500) << 0 << QSize(720, 72) << QSize(80, 8);
    }

    void storedSizes()
    {
        QFETCH(QSize, size);
        QFETCH(int, orientation);
        QFETCH(QSize, copySize);
        QFETCH(QSize, thumbSize);
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(makeJpeg(path, size, orientation));

        bool ok = false;
        const ImageInfo info = read(path, &ok);
        QVERIFY(ok);
        QVERIFY(!info.id.isNull());
        // The photo's own size and depth, not those of the reduced decode.
        QCOMPARE(QSize(info.width, info.height), size);
        QCOMPARE(info.depth, 32u);
        QCOMPARE(info.exifRotation, orientation == 6 ? 90 : orientation == 8 ? -90 : 0);
        QCOMPARE(info.exifProperties.size(), 16);
        QCOMPARE(info.thumbnail.size(), QSize(80, 60));
        QCOMPARE(info.rotatedThumbnail.size(), QSize(80, 60));

        QCOMPARE(sizeOf(workingCopyPath(info)), copySize);
        QCOMPARE(sizeOf(thumbnailPath(info)), thumbSize);
        QCOMPARE(TestFiles::read(backupCopyPath(info)), TestFiles::read(workingCopyPath(info)));
        QCOMPARE(TestFiles::read(backupThumbnailPath(info)), TestFiles::read(thumbnailPath(info)));
    }

    void previewsShowTheStoredPicture()
    {
        // Red upper-left quarter: the plain preview keeps it there, the rotated one shows it
        // upper right, whatever scale the photo was decoded at.
        const QString path = dir.filePath(QStringLiteral("quarters.jpg"));
        QVERIFY(makeJpeg(path, QSize(4000, 3000), 6));
        bool ok = false;
        const ImageInfo info = read(path, &ok);
        QVERIFY(ok);
        QVERIFY(TestFiles::closeColour(info.thumbnail.pixelColor(20, 15), Qt::red));
        QVERIFY(TestFiles::closeColour(info.thumbnail.pixelColor(60, 45), Qt::blue));
        // The turned 3000 x 4000 picture fills 45 x 60 in the middle of the 80 x 60 preview.
        QVERIFY(TestFiles::closeColour(info.rotatedThumbnail.pixelColor(52, 10), Qt::red));
        QVERIFY(TestFiles::closeColour(info.rotatedThumbnail.pixelColor(26, 10), Qt::blue));
        QVERIFY(TestFiles::closeColour(info.rotatedThumbnail.pixelColor(5, 30),
                                       QColor(0x80, 0x80, 0x80)));
        // The working copy is stored turned clockwise: red upper right.
        const QImage copy(workingCopyPath(info));
        QVERIFY(TestFiles::closeColour(copy.pixelColor(300, 130), Qt::red));
        QVERIFY(TestFiles::closeColour(copy.pixelColor(100, 130), Qt::blue));
    }

    void realOrientationsComeOutUpright_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("copySize");
        for (const char* set : {"Landscape", "Portrait"}) {
            const QSize size = QByteArray(set) == "Landscape" ? QSize(720, 480) : QSize(360, 540);
            for (int code = 0; code <= 8; ++code) {
                const QString name = QStringLiteral("%1_%2.jpg").arg(QLatin1String(set)).arg(code);
                QTest::newRow(qPrintable(name)) << name << size;
            }
        }
    }

    void realOrientationsComeOutUpright()
    {
        QFETCH(QString, name);
        QFETCH(QSize, copySize);
        const QString reference =
            name.left(name.indexOf(QLatin1Char('_'))) + QStringLiteral("_1.jpg");
        bool ok = false;
        const ImageInfo upright = read(testPicture(reference), &ok);
        QVERIFY(ok);
        const ImageInfo info = read(testPicture(name), &ok);
        QVERIFY(ok);
        const QImage expected(workingCopyPath(upright));
        const QImage copy(workingCopyPath(info));
        QCOMPARE(copy.size(), copySize);
        QVERIFY2(TestFiles::meanDifference(copy, expected) < 8,
                 qPrintable(QString::number(TestFiles::meanDifference(copy, expected))));
    }

    // The file's own turn and mirror properties are applied once, by the decoder; the EXIF
    // orientation counts only in files without them.
    void heifOrientations_data()
    {
        QTest::addColumn<bool>("avif");
        QTest::addColumn<int>("property"); // the file's irot/imir, as an EXIF code
        QTest::addColumn<int>("exif");     // 0: no EXIF block
        QTest::addColumn<bool>("turned");  // upright, the picture is turned a quarter clockwise
        QTest::newRow("HEIC upright") << false << 1 << 0 << false;
        QTest::newRow("HEIC turned by the file") << false << 6 << 0 << true;
        QTest::newRow("HEIC turned by the file, EXIF says the same") << false << 6 << 6 << true;
        QTest::newRow("HEIC turned by EXIF alone") << false << 1 << 6 << true;
        QTest::newRow("AVIF turned by the file") << true << 6 << 0 << true;
    }

    void heifOrientations()
    {
        QFETCH(bool, avif);
        QFETCH(int, property);
        QFETCH(int, exif);
        QFETCH(bool, turned);
        // Stored: red left half, blue right half.
        QImage stored(128, 64, QImage::Format_RGB32);
        stored.fill(Qt::blue);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                stored.setPixelColor(x, y, Qt::red);
        const QString path = dir.filePath(
            QStringLiteral("%1.%2").arg(QTest::currentDataTag(), avif ? "avif" : "heic"));
        QVERIFY(TestHeif::write(path, stored, avif, property,
                                exif ? TestHeif::exifOrientation(exif) : QByteArray()));
        bool ok = false;
        const ImageInfo info = read(path, &ok);
        QVERIFY(ok);
        const QImage copy(workingCopyPath(info));
        // Turned clockwise the red half comes on top.
        const QSize size = turned ? QSize(270, 540) : QSize(720, 360);
        QCOMPARE(copy.size(), size);
        const QPoint first = turned ? QPoint(135, 100) : QPoint(100, 180);
        const QPoint second = turned ? QPoint(135, 440) : QPoint(620, 180);
        QVERIFY(TestFiles::closeColour(copy.pixelColor(first), Qt::red));
        QVERIFY(TestFiles::closeColour(copy.pixelColor(second), Qt::blue));
    }

    void largePhotosImportWithBoundedMemory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("copySize");
        QTest::addColumn<int>("maxGrowthMb");
        // 63 megapixels: a full decode would need 252 MB, the reduced one a few.
        QTest::newRow("9000x7000 JPEG") << "big.jpg" << QSize(9000, 7000) << QSize(694, 540) << 120;
        // 45 megapixels in a format without reduced decoding: above Qt's 128 MB default.
        QTest::newRow("8192x5464 PNG") << "big.png" << QSize(8192, 5464) << QSize(720, 480) << 400;
    }

    void largePhotosImportWithBoundedMemory()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QSize, copySize);
        QFETCH(int, maxGrowthMb);
        const QString path = dir.filePath(name);
        if (!QFile::exists(path)) {
            const QString picture =
                QStringLiteral("color=c=red:s=%1x%2,drawbox=x=%3:y=0:w=%3:h=%2:color=blue:t=fill")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(size.width() / 2);
            QVERIFY(TestMedia::runFfmpeg({"-f", "lavfi", "-i", picture, "-frames:v", "1", path}));
        }
        resetPeak();
        const long before = peakKilobytes();
        bool ok = false;
        const ImageInfo info = read(path, &ok);
        const long growth = peakKilobytes() - before;
        QVERIFY(ok);
        QCOMPARE(QSize(info.width, info.height), size);
        QVERIFY2(growth < maxGrowthMb * 1024, qPrintable(QString::number(growth)));
        const QImage copy(workingCopyPath(info));
        QCOMPARE(copy.size(), copySize);
        QVERIFY(TestFiles::closeColour(copy.pixelColor(20, 270), Qt::red));
        QVERIFY(TestFiles::closeColour(copy.pixelColor(copySize.width() - 20, 270), Qt::blue));
    }

    void unreadableFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QImage small = pattern(QSize(64, 48));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        small.save(&buffer, "JPG");
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("just some words\n");
        QTest::newRow("empty file") << "empty.jpg" << QByteArray();
        QTest::newRow("cut after the header") << "cut.jpg" << jpeg.left(200);
        QTest::newRow("header claims 30000x30000")
            << "bomb1.jpg" << withDeclaredSize(jpeg, 30000, 30000);
        QTest::newRow("header claims 65000x65000")
            << "bomb2.jpg" << withDeclaredSize(jpeg, 65000, 65000);
        const QString heicPath = dir.filePath(QStringLiteral("source.heic"));
        QVERIFY(TestHeif::write(heicPath, small));
        const QByteArray heic = TestFiles::read(heicPath);
        QTest::newRow("HEIC cut short") << "cut.heic" << heic.left(heic.size() * 2 / 3);
        QTest::newRow("HEIC declares 20000x20000")
            << "bomb.heic" << withHeifDeclaredSize(heic, 20000);
        QTest::newRow("HEIC declares 60000x60000")
            << "bomb2.heic" << withHeifDeclaredSize(heic, 60000);
        QTest::newRow("WebP declares 16383x16383") << "bomb.webp" << webpDeclaringHugeSize(small);
        const QByteArray hugeChunk = pngAnnouncingHugeChunk(small);
        QTest::newRow("PNG announces a 2 GB chunk") << "chunk.png" << hugeChunk;
        QTest::newRow("icon holding that PNG, named .jpg") << "icon.jpg" << iconHolding(hugeChunk);
        QTest::newRow("missing file") << "" << QByteArray();
        // Opening a pipe would wait for a writer for ever.
        QTest::newRow("pipe named .jpg") << "pipe.jpg" << QByteArray("fifo");
        QTest::newRow("folder named .jpg") << "folder.jpg" << QByteArray("folder");
    }

    void unreadableFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QString path = dir.filePath(QStringLiteral("absent.jpg"));
        if (content == "fifo") {
            path = dir.filePath(name);
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (content == "folder") {
            path = dir.filePath(name);
            QVERIFY(QDir().mkpath(path));
        } else if (!name.isEmpty()) {
            path = dir.filePath(name);
            QVERIFY(TestFiles::write(path, content));
        }
        bool ok = true;
        Failure failure = Failure::None;
        resetPeak();
        const long before = peakKilobytes();
        read(path, &ok, &failure);
        const long growth = peakKilobytes() - before;
        QVERIFY(!ok);
        QCOMPARE(failure, Failure::Unreadable);
        QCOMPARE(filesIn(photosFolder()), 0);
        // Refused before a decoder allocates for what the file claims.
        QVERIFY2(growth < 64 * 1024, qPrintable(QString::number(growth)));
    }

    void missingTemporaryFolderIsTold()
    {
        const QString blocker = dir.filePath(QStringLiteral("plain-file"));
        QVERIFY(TestFiles::write(blocker, "x"));
        useWorkspace(blocker + QStringLiteral("/ws"));
        const QString path = dir.filePath(QStringLiteral("fine.jpg"));
        QVERIFY(makeJpeg(path, QSize(200, 150)));
        bool ok = true;
        Failure failure = Failure::None;
        read(path, &ok, &failure);
        QVERIFY(!ok);
        QCOMPARE(failure, Failure::NoTemporaryFolder);
    }

    void orientationCommandsRewriteTheFiles()
    {
        const QString path = dir.filePath(QStringLiteral("turn.jpg"));
        QVERIFY(makeJpeg(path, QSize(400, 300)));
        bool ok = false;
        ImageInfo info = read(path, &ok);
        QVERIFY(ok);

        info.operations.prepend(TurnRight);
        QVERIFY(applyPhotoOperation(info));
        QCOMPARE(sizeOf(workingCopyPath(info)), QSize(540, 720));
        QCOMPARE(sizeOf(thumbnailPath(info)), QSize(60, 80));
        QVERIFY(
            TestFiles::closeColour(QImage(workingCopyPath(info)).pixelColor(400, 100), Qt::red));

        // A restore puts back the files as they were at import, byte for byte.
        info.operations.clear();
        QVERIFY(applyPhotoOperation(info));
        QCOMPARE(TestFiles::read(workingCopyPath(info)), TestFiles::read(backupCopyPath(info)));
        QCOMPARE(TestFiles::read(thumbnailPath(info)), TestFiles::read(backupThumbnailPath(info)));
    }

    void orientationFailuresAreReported_data()
    {
        QTest::addColumn<bool>("turn");      // else restore
        QTest::addColumn<QString>("damage"); // which file, and how
        QTest::addColumn<QString>("named");  // the file the reason names
        QTest::newRow("turn, working copy gone") << true << "remove copy"
                                                 << "copy";
        QTest::newRow("turn, thumbnail not a picture") << true << "garble thumb"
                                                       << "thumb";
        QTest::newRow("restore, backup gone") << false << "remove backup"
                                              << "backup";
        QTest::newRow("restore onto a folder") << false << "folder copy"
                                               << "copy";
    }

    void orientationFailuresAreReported()
    {
        QFETCH(bool, turn);
        QFETCH(QString, damage);
        QFETCH(QString, named);
        const QString path = dir.filePath(QStringLiteral("damaged.jpg"));
        QVERIFY(makeJpeg(path, QSize(400, 300)));
        bool ok = false;
        ImageInfo info = read(path, &ok);
        QVERIFY(ok);
        const QString copy = workingCopyPath(info);
        const QString thumb = thumbnailPath(info);
        const QString backup = backupCopyPath(info);
        if (damage == QLatin1String("remove copy"))
            QVERIFY(QFile::remove(copy));
        else if (damage == QLatin1String("garble thumb"))
            QVERIFY(TestFiles::write(thumb, "not a picture"));
        else if (damage == QLatin1String("remove backup"))
            QVERIFY(QFile::remove(backup));
        else if (damage == QLatin1String("folder copy"))
            QVERIFY(QFile::remove(copy) && QDir().mkpath(copy));
        const QByteArray thumbBefore = TestFiles::read(thumb);

        if (turn)
            info.operations.prepend(TurnLeft);
        const PhotoFileResult result = applyPhotoOperation(info);
        QVERIFY(!result);
        const QString file = named == QLatin1String("copy")    ? copy
                             : named == QLatin1String("thumb") ? thumb
                                                               : backup;
        QVERIFY2(result.reason().contains(QDir::toNativeSeparators(file)),
                 qPrintable(result.reason()));
        // The intact file of the pair was still brought up to date.
        if (damage == QLatin1String("remove copy"))
            QCOMPARE(sizeOf(thumb), QSize(60, 80));
        if (damage == QLatin1String("garble thumb"))
            QCOMPARE(TestFiles::read(thumb), thumbBefore);
    }
};

QTEST_GUILESS_MAIN(TestImageReader)
#include "tst_imagereader.moc"
