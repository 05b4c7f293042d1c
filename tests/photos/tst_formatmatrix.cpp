// Every kind of picture file people import, from the import thread to the published slideshow:
// each format ImageMagick writes for them, at a size the working copy reduces and at one it
// enlarges, is imported into a workspace and published in the folder profile, and each cell of
// the published photo keeps the mean colour of the same cell of the source. Transparency is
// composed over white, as on a printed page, whatever size the photo is decoded at.
#include "flashkit/kittestenv.h"
#include "support/testpictures.h"

#include "common/workspace.h"
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/kitentries.h"
#include "photos/core/infoparser.h"

#include <QElapsedTimer>
#include <QTest>

using TestPictures::Master;

namespace {
constexpr int Columns = 2;
constexpr int Rows = 2;
// Two JPEG encodings (working copy, published photo) and the smoothing of a reduction move a
// cell's mean by a level or two; a lost palette, a swapped channel, a turn or transparency
// composed over anything but white moves it by 50 or more.
constexpr int Tolerance = 4;
} // namespace

class TestFormatMatrix : public QObject
{
    Q_OBJECT

    KitTestEnv env;
    QString movie;

private slots:
    void initTestCase()
    {
        QVERIFY(env.isValid());
        movie = env.makeTemplate(QStringLiteral("Matrix"));
        QVERIFY(QDir().mkpath(env.root() + QStringLiteral("/in")));
    }

    void publishedColoursMatchTheSource_data()
    {
        QTest::addColumn<int>("master");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file"); // ImageMagick's output: "[FORMAT:]name"
        QTest::addColumn<uint>("depth");   // bits per pixel the import records
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("published");

        struct Kind
        {
            const char* name;
            Master master;
            QStringList options;
            const char* file;
            uint depth;
        };
        const QStringList palette{"-type", "Palette"};
        // ImageMagick adds the background colour to a palette unless told not to, which would
        // make a two-colour palette 2-bit.
        const QStringList noBackground{"-define", "png:exclude-chunk=bKGD"};
        const QList<Kind> kinds{
            {"1-bit palette PNG", Master::TwoColours, palette + noBackground, "PNG:p1.png", 1},
            {"1-bit grey PNG", Master::TwoColours, {"-type", "Bilevel"}, "PNG:g1.png", 1},
            {"8-bit palette PNG", Master::Areas, palette, "PNG8:p8.png", 8},
            {"GIF", Master::Areas, {}, "GIF:a.gif", 32},
            {"16-bit grey PNG",
             Master::Areas,
             {"-colorspace", "Gray", "-depth", "16"},
             "PNG:g16.png",
             16},
            {"16-bit RGB PNG", Master::Areas, {"-depth", "16"}, "PNG48:rgb16.png", 64},
            {"RGBA PNG, half transparent", Master::Translucent, {}, "PNG32:rgba.png", 32},
            {"CMYK JPEG",
             Master::Areas,
             {"-colorspace", "CMYK", "-quality", "95"},
             "JPEG:cmyk.jpg",
             32},
            {"greyscale JPEG",
             Master::Areas,
             {"-colorspace", "Gray", "-quality", "95"},
             "JPEG:grey.jpg",
             8},
            {"progressive JPEG",
             Master::Areas,
             {"-interlace", "JPEG", "-quality", "95"},
             "JPEG:progressive.jpg",
             32},
            {"1-bit BMP", Master::TwoColours, palette, "BMP3:b1.bmp", 1},
            {"8-bit BMP", Master::Areas, palette, "BMP3:b8.bmp", 8},
            {"24-bit BMP", Master::Areas, {"-type", "TrueColor"}, "BMP3:b24.bmp", 32},
            {"16-bit TIFF",
             Master::Areas,
             {"-depth", "16", "-type", "TrueColor"},
             "TIFF:t16.tif",
             64},
            {"8-bit TIFF, upper-case name", Master::Areas, {}, "TIFF:T8.TIF", 32},
            {"HEIC", Master::Areas, {"-quality", "95"}, "HEIC:phone.heic", 24},
            {"HEIC, upper-case name", Master::Areas, {"-quality", "95"}, "HEIC:IMG.HEIC", 24},
            {"AVIF", Master::Areas, {"-quality", "95"}, "AVIF:a.avif", 24},
            {"WebP", Master::Areas, {"-quality", "95"}, "WEBP:w.webp", 32},
            {"lossless WebP, half transparent",
             Master::Translucent,
             {"-define", "webp:lossless=true"},
             "WEBP:wt.webp",
             32},
        };
        for (const Kind& kind : kinds) {
            // Reduced from 1500 x 1000 to 720 x 480, and enlarged from 640 x 480 to 720 x 540.
            for (const QSize size : {QSize(1500, 1000), QSize(640, 480)}) {
                const QSize published = size.width() > 720 ? QSize(720, 480) : QSize(720, 540);
                QTest::addRow("%s %dx%d", kind.name, size.width(), size.height())
                    << int(kind.master) << kind.options << QString::fromLatin1(kind.file)
                    << kind.depth << size << published;
            }
        }
    }

    void publishedColoursMatchTheSource()
    {
        QFETCH(int, master);
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(uint, depth);
        QFETCH(QSize, size);
        QFETCH(QSize, published);

        // The source, written by the tool and measured by the tool.
        const QString folder =
            env.root() + QStringLiteral("/in/%1x%2/").arg(size.width()).arg(size.height());
        QVERIFY(QDir().mkpath(folder));
        const int colon = file.indexOf(QLatin1Char(':'));
        const QString source = folder + file.mid(colon + 1);
        QString error;
        QVERIFY2(TestPictures::make(TestPictures::master(Master(master), size),
                                    folder + QStringLiteral("master.png"), options,
                                    file.left(colon + 1) + source, &error),
                 qPrintable(error));
        const QList<QColor> expected = TestPictures::cellMeans(source, Columns, Rows);
        QVERIFY(!expected.isEmpty());

        // The import thread reads it into the workspace.
        const QStringList files{source};
        InfoParser parser(&files, true);
        parser.start();
        QVERIFY(parser.wait(120000));
        QCOMPARE(parser.failedFiles(), QStringList());
        const QList<ImageInfo> photos = parser.takePhotos();
        QCOMPARE(photos.size(), 1);
        QCOMPARE(QSize(photos[0].width, photos[0].height), size);
        QCOMPARE(photos[0].depth, depth);

        // The kit publishes it as a folder of JPEG files.
        const QString out = env.root() + QStringLiteral("/out/%1/").arg(QTest::currentDataTag());
        FlashmoKit kit(env.appFolder());
        QVERIFY(kit.addPhotos(photoEntriesFor(photos)));
        QVERIFY(kit.setTemplate(movie));
        QVERIFY(kit.publish(out, QStringLiteral("show"), 0));
        QElapsedTimer timer;
        timer.start();
        while (kit.isPublishing() && timer.elapsed() < 60000)
            QTest::qWait(5);
        QCOMPARE(kit.publishError(), QString());
        QCOMPARE(kit.publishProgress(), 100);

        const QImage photo(out + QStringLiteral("photos/p_") +
                           QFileInfo(workingCopyPath(photos[0])).fileName());
        QCOMPARE(photo.size(), published);
        const QList<QColor> got = TestPictures::cellMeans(photo, Columns, Rows);
        QVERIFY2(
            TestPictures::largestDifference(got, expected) <= Tolerance,
            qPrintable(QStringLiteral("published %1, source %2")
                           .arg(TestPictures::describe(got), TestPictures::describe(expected))));
    }
};

QTEST_MAIN(TestFormatMatrix)
#include "tst_formatmatrix.moc"
