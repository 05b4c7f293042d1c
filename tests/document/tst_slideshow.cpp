// The slideshow document's steps: each request is one undo step whose undo and redo give back
// the exact records and the exact working files, and whose files live as long as a step can
// bring their photo back.
#include "common/workspace.h"
#include "document/slideshow.h"
#include "photos/core/imagereader.h"
#include "photos/core/photooperation.h"
#include "photos/photofixtures.h"
#include "support/testfiles.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace PhotoFixtures;

namespace {
// The pixels of a workspace file, so that a file written again with the same content compares
// equal to the old one.
QString pixelsOf(const QString& path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return QStringLiteral("missing");
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

QString numbers(const QVector<qint32>& list)
{
    QStringList text;
    for (const qint32 each : list)
        text << QString::number(each);
    return text.join(QLatin1Char(','));
}

// Everything the document holds, one line per item, the photos' working files included.
QStringList stateOf(const Slideshow& show)
{
    QStringList lines;
    for (const ImageInfo& photo : show.photos())
        lines << QStringLiteral("photo %1 %2 ops[%3] baked %4 copy %5 thumb %6")
                     .arg(photo.id.toString(), QFileInfo(photo.path).fileName(),
                          numbers(photo.operations))
                     .arg(photo.bakedOperations)
                     .arg(pixelsOf(workingCopyPath(photo)), pixelsOf(thumbnailPath(photo)));
    for (const AudioInfo& clip : show.clips())
        lines << QStringLiteral("clip %1 %2-%3 fade %4/%5 loop %6")
                     .arg(clip.filePath)
                     .arg(clip.startPoint)
                     .arg(clip.endPoint)
                     .arg(clip.fadeIn)
                     .arg(clip.fadeOut)
                     .arg(clip.loop);
    const Slideshow::MusicOptions music = show.musicOptions();
    const Slideshow::PublishSettings publishing = show.publishSettings();
    lines << QStringLiteral("template %1 %2").arg(show.templateName(), show.templateMoviePath())
          << QStringLiteral("music %1%2%3").arg(music.fadeIn).arg(music.fadeOut).arg(music.loop)
          << QStringLiteral("publish %1 %2 %3 %4")
                 .arg(publishing.name, publishing.folder)
                 .arg(publishing.profile)
                 .arg(publishing.quality);
    return lines;
}

AudioInfo clip(const QString& path, double start, double end)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = 60.0;
    info.startPoint = start;
    info.endPoint = end;
    return info;
}

QStringList workingFiles(const ImageInfo& photo)
{
    return {workingCopyPath(photo), backupCopyPath(photo), thumbnailPath(photo),
            backupThumbnailPath(photo)};
}

int existing(const QStringList& paths)
{
    return int(std::count_if(paths.cbegin(), paths.cend(),
                             [](const QString& path) { return QFile::exists(path); }));
}

enum Step
{
    ImportPhotos,
    ImportClips,
    DeletePhotos,
    DeleteClips,
    MovePhotos,
    MoveClips,
    CopyPhotos,
    CopyClips,
    TurnLeftStep,
    TurnRightStep,
    MirrorStep,
    FlipStep,
    Restore,
    ChangeTemplate,
    EditMusic
};
} // namespace

class TestSlideshow : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    ImageInfo spare; // imported, not in the document

    // A fresh record and working files of one of the photos made by initTestCase.
    ImageInfo import(const QString& name)
    {
        ImageInfo info;
        info.path = dir.filePath(name);
        return ImageReader::readImageInfo(info) ? info : ImageInfo();
    }

    // Three photos (the second imported turned by its EXIF orientation, the third turned since),
    // two clips and a template, saved.
    bool fill(Slideshow& show)
    {
        static int run = 0;
        useWorkspace(dir.filePath(QStringLiteral("ws%1").arg(++run)));
        const QList<ImageInfo> photos = {import(QStringLiteral("a.jpg")),
                                         import(QStringLiteral("b.jpg")),
                                         import(QStringLiteral("c.jpg"))};
        spare = import(QStringLiteral("d.jpg"));
        if (spare.id.isNull() || photos.at(1).bakedOperations != 1)
            return false;
        show.addPhotos(-1, photos);
        show.applyOperation({2}, TurnRight);
        show.addClips(-1, {clip(QStringLiteral("/m/one.mp3"), 1, 20),
                           clip(QStringLiteral("/m/two.mp3"), 0, 30)});
        show.setTemplate(QStringLiteral("Alpha"), QStringLiteral("/t/Alpha.swf"));
        show.setSaved();
        return show.photos().size() == 3 && show.clips().size() == 2;
    }

    void perform(Slideshow& show, Step step)
    {
        switch (step) {
        case ImportPhotos:
            return show.addPhotos(1, {spare});
        case ImportClips:
            return show.addClips(0, {clip(QStringLiteral("/m/three.mp3"), 2, 5)});
        case DeletePhotos:
            return show.removePhotos({2, 0});
        case DeleteClips:
            return show.removeClips({1});
        case MovePhotos:
            return show.movePhotos({0, 2}, 2);
        case MoveClips:
            return show.moveClips({1}, 0);
        case CopyPhotos:
            return show.copyPhotos({1, 0}, 3);
        case CopyClips:
            return show.copyClips({0}, -1);
        case TurnLeftStep:
            return show.applyOperation({0, 1, 2}, TurnLeft);
        case TurnRightStep:
            return show.applyOperation({0, 1, 2}, TurnRight);
        case MirrorStep:
            return show.applyOperation({1, 2}, Mirror);
        case FlipStep:
            return show.applyOperation({0}, Flip);
        case Restore:
            return show.restorePhotos({1, 2});
        case ChangeTemplate:
            return show.setTemplate(QStringLiteral("Beta"), QStringLiteral("/t/Beta.swf"));
        case EditMusic:
            return show.editMusic({clip(QStringLiteral("/m/two.mp3"), 3, 9)}, {false, true, false});
        }
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        QVERIFY(makeJpeg(dir.filePath(QStringLiteral("a.jpg")), QSize(400, 300)));
        QVERIFY(makeJpeg(dir.filePath(QStringLiteral("b.jpg")), QSize(300, 200), 6));
        QVERIFY(makeJpeg(dir.filePath(QStringLiteral("c.jpg")), QSize(320, 240)));
        QVERIFY(makeJpeg(dir.filePath(QStringLiteral("d.jpg")), QSize(200, 200)));
    }

    void eachStepUndoesAndRedoes_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("name");
        QTest::newRow("import photos") << int(ImportPhotos) << "Import 1 Photo(s)";
        QTest::newRow("import music") << int(ImportClips) << "Import 1 Audio File(s)";
        QTest::newRow("delete photos") << int(DeletePhotos) << "Delete 2 Photo(s)";
        QTest::newRow("delete music") << int(DeleteClips) << "Delete 1 Audio File(s)";
        QTest::newRow("move photos") << int(MovePhotos) << "Move 2 Photo(s)";
        QTest::newRow("move music") << int(MoveClips) << "Move 1 Audio File(s)";
        QTest::newRow("copy photos") << int(CopyPhotos) << "Copy 2 Photo(s)";
        QTest::newRow("copy music") << int(CopyClips) << "Copy 1 Audio File(s)";
        QTest::newRow("turn left") << int(TurnLeftStep) << "Turn 3 Photo(s) Left";
        QTest::newRow("turn right") << int(TurnRightStep) << "Turn 3 Photo(s) Right";
        QTest::newRow("mirror") << int(MirrorStep) << "Mirror 2 Photo(s)";
        QTest::newRow("flip") << int(FlipStep) << "Flip 1 Photo(s)";
        QTest::newRow("restore") << int(Restore) << "Restore 2 Photo(s)";
        QTest::newRow("template") << int(ChangeTemplate) << "Choose Template Beta";
        QTest::newRow("edit music") << int(EditMusic) << "Edit Audio";
    }

    void eachStepUndoesAndRedoes()
    {
        QFETCH(int, step);
        QFETCH(QString, name);
        Slideshow show;
        QVERIFY(fill(show));
        const int steps = show.undoStack()->count();
        const QStringList before = stateOf(show);
        QSignalSpy changed(&show, &Slideshow::changed);

        perform(show, Step(step));
        const QStringList after = stateOf(show);
        QVERIFY(after != before);
        QCOMPARE(show.undoStack()->count(), steps + 1);
        QCOMPARE(show.undoStack()->undoText(), name);
        QVERIFY(show.isModified());

        show.undoStack()->undo();
        QCOMPARE(stateOf(show), before);
        QVERIFY(!show.isModified());
        show.undoStack()->redo();
        QCOMPARE(stateOf(show), after);
        QCOMPARE(changed.count(), 3);
    }

    void nothingToDoIsNoStep_data()
    {
        QTest::addColumn<int>("request");
        QTest::newRow("move in place") << 0;
        QTest::newRow("restore an untouched photo") << 1;
        QTest::newRow("same template") << 2;
        QTest::newRow("same music") << 3;
        QTest::newRow("row out of range") << 4;
        QTest::newRow("nothing imported") << 5;
        QTest::newRow("same publish settings") << 6;
    }

    void nothingToDoIsNoStep()
    {
        QFETCH(int, request);
        Slideshow show;
        QVERIFY(fill(show));
        const QStringList before = stateOf(show);
        const int steps = show.undoStack()->count();
        QSignalSpy changed(&show, &Slideshow::changed);
        switch (request) {
        case 0:
            show.movePhotos({1, 2}, 1);
            break;
        case 1:
            show.restorePhotos({0});
            break;
        case 2:
            show.setTemplate(QStringLiteral("Alpha"), QStringLiteral("/t/Alpha.swf"));
            break;
        case 3:
            show.editMusic(show.clips(), show.musicOptions());
            break;
        case 4:
            show.applyOperation({3}, TurnLeft);
            break;
        case 5:
            show.addPhotos(0, {});
            break;
        case 6:
            show.setPublishSettings(show.publishSettings());
            break;
        }
        QCOMPARE(stateOf(show), before);
        QCOMPARE(show.undoStack()->count(), steps);
        QCOMPARE(changed.count(), 0);
        QVERIFY(!show.isModified());
    }

    // The working files are the backups turned by the fresh operations taken together: turns
    // that cancel give the backup's own bytes, and any list gives what its one orientation does.
    void turnsGiveTheirOrientation_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QVector<qint32>>("turns"); // in the order the user gives them
        QTest::addColumn<QVector<qint32>>("same");  // one orientation with the same effect
        QTest::newRow("mirror twice") << 0 << QVector<qint32>{Mirror, Mirror} << QVector<qint32>{};
        QTest::newRow("flip twice") << 0 << QVector<qint32>{Flip, Flip} << QVector<qint32>{};
        QTest::newRow("left, right")
            << 0 << QVector<qint32>{TurnLeft, TurnRight} << QVector<qint32>{};
        QTest::newRow("four rights")
            << 0 << QVector<qint32>{TurnRight, TurnRight, TurnRight, TurnRight}
            << QVector<qint32>{};
        QTest::newRow("mirror, flip, half turn")
            << 0 << QVector<qint32>{Mirror, Flip, TurnRight, TurnRight} << QVector<qint32>{};
        QTest::newRow("EXIF photo, right, left")
            << 1 << QVector<qint32>{TurnRight, TurnLeft} << QVector<qint32>{};
        QTest::newRow("three rights")
            << 0 << QVector<qint32>{TurnRight, TurnRight, TurnRight} << QVector<qint32>{TurnLeft};
        QTest::newRow("mirror, right")
            << 1 << QVector<qint32>{Mirror, TurnRight} << QVector<qint32>{TurnRight, Mirror};
    }

    void turnsGiveTheirOrientation()
    {
        QFETCH(int, row);
        QFETCH(QVector<qint32>, turns);
        QFETCH(QVector<qint32>, same);
        Slideshow show;
        QVERIFY(fill(show));
        for (const qint32 turn : std::as_const(turns))
            show.applyOperation({row}, turn);
        const ImageInfo photo = show.photos().at(row);
        for (const auto& [file, backup] :
             {std::pair{workingCopyPath(photo), backupCopyPath(photo)},
              std::pair{thumbnailPath(photo), backupThumbnailPath(photo)}}) {
            const QByteArray expected =
                same.isEmpty()
                    ? TestFiles::read(backup)
                    : ImageReader::encodeJpeg(ImageReader::decode(backup).image.transformed(
                          ImageInfo::transformOf(same), Qt::FastTransformation));
            QVERIFY(!expected.isEmpty());
            QVERIFY2(TestFiles::read(file) == expected, qPrintable(file));
        }
    }

    // A photo's files stay while a step can bring the photo back, and go with the last such step.
    void filesLiveAsLongAsTheirSteps_data()
    {
        QTest::addColumn<QString>("steps"); // on the first photo
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("kept");
        QTest::newRow("deleted, history cleared") << "delete"
                                                  << "clear" << false;
        QTest::newRow("deleted, document closed") << "delete"
                                                  << "close" << false;
        QTest::newRow("deleted, undone, other step") << "delete undo"
                                                     << "turn" << true;
        QTest::newRow("deleted, undone, deleted again") << "delete undo"
                                                        << "delete" << true;
        QTest::newRow("copied, undone, other step") << "copy undo"
                                                    << "turn" << false;
        QTest::newRow("copied, history cleared") << "copy"
                                                 << "clear" << true;
        QTest::newRow("imported, undone, other step") << "import undo"
                                                      << "turn" << false;
    }

    void filesLiveAsLongAsTheirSteps()
    {
        QFETCH(QString, steps);
        QFETCH(QString, then);
        QFETCH(bool, kept);
        auto show = std::make_unique<Slideshow>();
        QVERIFY(fill(*show));
        const ImageInfo first = show->photos().at(0);
        ImageInfo watched = first;
        if (steps.startsWith(QLatin1String("delete"))) {
            show->removePhotos({0});
        } else if (steps.startsWith(QLatin1String("copy"))) {
            show->copyPhotos({0}, 1);
            watched = show->photos().at(1);
            QVERIFY(watched.id != first.id);
        } else {
            show->addPhotos(-1, {spare});
            watched = spare;
        }
        if (steps.endsWith(QLatin1String("undo")))
            show->undoStack()->undo();
        QCOMPARE(existing(workingFiles(watched)), 4);

        if (then == QLatin1String("clear"))
            show->undoStack()->clear();
        else if (then == QLatin1String("close"))
            show.reset();
        else if (then == QLatin1String("delete"))
            show->removePhotos({0});
        else
            show->applyOperation({1}, Mirror);
        QCOMPARE(existing(workingFiles(watched)), kept ? 4 : 0);
        // The photos still in the document keep theirs.
        if (watched.id != first.id)
            QCOMPARE(existing(workingFiles(first)), 4);
    }

    // A workspace move carries the files of the photos in the document only: the steps that
    // could bring back another photo, without its files, are dropped, the changes kept.
    void workspaceMoveDropsTheHistory()
    {
        Slideshow show;
        QVERIFY(fill(show));
        show.removePhotos({0});
        const QStringList before = stateOf(show);
        const QString moved = dir.filePath(QStringLiteral("moved"));
        QVERIFY(QDir().rename(workspaceFolder(), moved));
        useWorkspace(moved);
        show.workspaceMoved();
        QCOMPARE(show.undoStack()->count(), 0);
        QVERIFY(show.isModified());
        QCOMPARE(stateOf(show), before);
    }

    void modifiedFollowsTheHistory()
    {
        Slideshow show;
        QVERIFY(fill(show));
        QSignalSpy modified(&show, &Slideshow::modifiedChanged);
        const auto flags = [&modified] {
            QList<bool> seen;
            for (const QList<QVariant>& each : std::as_const(modified))
                seen << each.first().toBool();
            modified.clear();
            return seen;
        };
        const int steps = show.undoStack()->count() + 1;
        show.applyOperation({0}, Mirror);
        show.undoStack()->undo();
        show.undoStack()->redo();
        QCOMPARE(flags(), (QList<bool>{true, false, true}));
        show.setSaved();
        QVERIFY(!show.isModified());
        QCOMPARE(flags(), QList<bool>{false});

        // Publish settings are no step of their own, yet a document whose settings changed has
        // to be saved again, whatever is undone afterwards.
        Slideshow::PublishSettings publishing;
        publishing.name = QStringLiteral("Holiday");
        show.setPublishSettings(publishing);
        QCOMPARE(show.publishSettings(), publishing);
        QCOMPARE(show.undoStack()->count(), steps);
        QVERIFY(show.isModified());
        show.undoStack()->undo();
        QVERIFY(show.isModified());
        QCOMPARE(flags(), QList<bool>{true});

        show.clear();
        QVERIFY(!show.isModified());
        QCOMPARE(show.undoStack()->count(), 0);
        QCOMPARE(flags(), QList<bool>{false});
    }
};

QTEST_GUILESS_MAIN(TestSlideshow)
#include "tst_slideshow.moc"
