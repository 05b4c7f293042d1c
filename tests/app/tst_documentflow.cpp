// The slideshow as a project file through the window's own document flow: a save and an open
// give back the same document, closing with unsaved changes asks, an open with originals gone
// lists them and opens the rest, and the recent projects keep their order and number. The file
// dialogs and questions are answered through the flow's seam; the import dialog and the report
// of what could not be opened are the real ones.
#include "app/documentflow.h"
#include "app/importprogress.h"
#include "app/lumaro.h"
#include "app/recovery.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/projectfile.h"
#include "document/slideshow.h"
#include "flashkit/menutemplateselectionframe.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/reportanswerer.h"
#include "support/testfiles.h"
#include "support/testmedia.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(DocumentFlow::Answer)

namespace {
// What a project keeps, as text, so two documents compare in one line each.
QStringList described(const Slideshow& show)
{
    const Project project = ProjectFile::fromSlideshow(show);
    QStringList lines;
    for (const ProjectPhoto& photo : project.photos) {
        QStringList operations;
        for (const qint32 code : photo.operations)
            operations << QString::number(code);
        lines << QString("photo %1 [%2] baked %3")
                     .arg(photo.path, operations.join(','))
                     .arg(photo.bakedOperations);
    }
    for (const ProjectClip& clip : project.clips)
        lines << QString("clip %1 %2-%3").arg(clip.path).arg(clip.start).arg(clip.end);
    lines << "template " + project.templateName;
    lines << QString("music %1%2%3")
                 .arg(project.music.fadeIn)
                 .arg(project.music.fadeOut)
                 .arg(project.music.loop);
    lines << QString("publish %1 %2 %3 %4")
                 .arg(project.publishing.name, project.publishing.folder)
                 .arg(project.publishing.profile)
                 .arg(project.publishing.quality);
    return lines;
}

// A step the user could undo; stands for any change in these checks.
void change(Slideshow* show)
{
    show->undoStack()->push(new QUndoCommand(QStringLiteral("change")));
}
} // namespace

class TestDocumentFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        fillMediaExtensions();
        qputenv("LUMARO_AUTOSAVE_INTERVAL_MS", "50");
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        qputenv("XDG_STATE_HOME", home->filePath("state").toUtf8());
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(home->filePath("data/") + WorkspaceFolderName));
        const QString samples = QString(LUMARO_TESTDATA_DIR "/exif-orientation/");
        QVERIFY(QDir().mkpath(home->filePath("photos")));
        QVERIFY(QFile::copy(samples + "Landscape_1.jpg", photo("beach.jpg")));
        QVERIFY(QFile::copy(samples + "Portrait_6.jpg", photo("tower.jpg")));
        window.reset(new Lumaro);
        flow = window->documentFlow();
        show = window->document();
        saveAnswers.clear();
        openAnswers.clear();
        unsavedAnswers.clear();
        DocumentFlow::Dialogs dialogs;
        dialogs.openFile = [this](QWidget*, const QString&, const QString&, const QString&) {
            return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        };
        dialogs.saveFile = [this](QWidget*, const QString&, const QString&, const QString& filter) {
            saveFilter = filter;
            return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        };
        dialogs.askUnsaved = [this](QWidget*, const QString&) {
            return unsavedAnswers.isEmpty() ? DocumentFlow::Answer::Cancel
                                            : unsavedAnswers.takeFirst();
        };
        dialogs.askYesNo = [](QWidget*, const QString&, const QString&, const QString&) {
            return false;
        };
        flow->setDialogs(dialogs);
    }

    void cleanup()
    {
        window.reset();
        VelMessageBox::setHandler({});
    }

    // Photos turned and flipped (one of them twice in the list), a trimmed clip, the template,
    // the music options and the publish settings: saved, replaced by New, and opened again.
    void saveThenOpenGivesTheSameDocument()
    {
        const QString song = home->filePath("song.mp3");
        QVERIFY(TestMedia::makeTone(song, TestMedia::kind("mp3"), 3));
        const ImportProgress::Records read = ImportProgress::readRecords(
            true, window.get(), {photo("beach.jpg"), photo("tower.jpg"), photo("beach.jpg")});
        QCOMPARE(read.photos.size(), 3);
        show->addPhotos(-1, read.photos);
        show->applyOperation({0}, TurnLeft);
        show->applyOperation({0}, Mirror);
        show->applyOperation({1}, TurnRight);
        QList<AudioInfo> clips = ImportProgress::readRecords(false, window.get(), {song}).clips;
        QCOMPARE(clips.size(), 1);
        clips[0].startPoint = 0.5;
        clips[0].endPoint = 2.25;
        show->editMusic(clips, Slideshow::MusicOptions{false, true, false});
        show->setTemplate("Carousel", "Carousel.swf");
        show->setPublishSettings({"Trip", home->filePath("out"), 2, 65});
        change(show);
        const QStringList before = described(*show);

        saveAnswers << home->filePath("Trip"); // no suffix typed
        QVERIFY(flow->saveAs());
        QCOMPARE(saveFilter, QString("Lumaro Projects (*.lumaro)"));
        QCOMPARE(flow->filePath(), home->filePath("Trip.lumaro"));
        QVERIFY(!show->isModified());
        QCOMPARE(window->windowTitle(), QString("Trip[*] - Lumaro"));
        QVERIFY(flow->newDocument());
        QVERIFY(show->isEmpty());
        QCOMPARE(window->windowTitle(), QString("Untitled[*] - Lumaro"));

        openAnswers << home->filePath("Trip.lumaro");
        QVERIFY(flow->open());
        QCOMPARE(described(*show), before);
        QVERIFY(!show->isModified());
        QCOMPARE(show->undoStack()->count(), 0);
        QCOMPARE(window->windowTitle(), QString("Trip[*] - Lumaro"));
        QVERIFY(!window->isWindowModified());
        QVERIFY(show->templateMoviePath().endsWith("Carousel.swf"));
        // The working copies show the turns again: the turned beach stands upright, its plain
        // copy lies, as the originals do.
        const QSize turned = QImageReader(workingCopyPath(show->photos().at(0))).size();
        const QSize plain = QImageReader(workingCopyPath(show->photos().at(2))).size();
        QVERIFY(plain.width() > plain.height());
        QCOMPARE(turned, plain.transposed());
    }

    // A template chosen in the panel and undone: the panel shows the one the slideshow has again.
    void templatePanelFollowsUndo()
    {
        auto* panel = window->findChild<MenuTemplateSelectionFrame*>("templateFrame");
        auto* table = panel->findChild<QTableWidget*>("templateTableWidget");
        const auto shown = [table] {
            return table->currentItem() ? table->currentItem()->data(Qt::UserRole).toString()
                                        : QString();
        };
        const QString first = show->templateName();
        QVERIFY(!first.isEmpty());
        QCOMPARE(shown(), first);
        const QString other = table->item(0, 1)->data(Qt::UserRole).toString();
        QVERIFY(!panel->selectTemplate(other).isEmpty()); // as a click does
        QCOMPARE(show->templateName(), other);
        show->undoStack()->undo();
        QCOMPARE(show->templateName(), first);
        QCOMPARE(shown(), first);
        show->undoStack()->redo();
        QCOMPARE(shown(), other);
    }

    void closeAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<DocumentFlow::Answer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("photosSaved");
        QTest::newRow("save") << DocumentFlow::Answer::Save << true << 1;
        QTest::newRow("discard") << DocumentFlow::Answer::Discard << true << 0;
        QTest::newRow("cancel") << DocumentFlow::Answer::Cancel << false << 0;
    }
    void closeAsksAboutUnsavedChanges()
    {
        QFETCH(DocumentFlow::Answer, answer);
        QFETCH(bool, closes);
        QFETCH(int, photosSaved);
        window->show();
        flow->startUp(QString());
        saveAnswers << home->filePath("Show.lumaro");
        QVERIFY(flow->saveAs());
        ImageInfo info;
        info.id = QUuid::createUuid();
        info.path = photo("beach.jpg");
        show->addPhotos(-1, {info});
        change(show);
        QVERIFY(window->isWindowModified());
        // Written while the changes are unsaved, so a crash would not lose them.
        QTRY_VERIFY(QFile::exists(Recovery::filePath()));

        unsavedAnswers << answer;
        QCOMPARE(window->close(), closes);
        QVERIFY(unsavedAnswers.isEmpty());
        QCOMPARE(window->isVisible(), !closes);
        const std::optional<Project> saved =
            ProjectFile::read(home->filePath("Show.lumaro"), nullptr);
        QVERIFY(saved);
        QCOMPARE(saved->photos.size(), photosSaved);
        QCOMPARE(QFile::exists(Recovery::filePath()), !closes);
        QCOMPARE(show->isModified(), !closes || answer == DocumentFlow::Answer::Discard);
    }

    // Originals gone, one that is no photo and a clip gone: listed with their reasons, and the
    // rest opens. The document is not what the file says, so it counts as changed.
    void openListsWhatIsMissingAndOpensTheRest()
    {
        QVERIFY(TestFiles::write(photo("notes.jpg"), "not a photo"));
        Project project;
        for (const char* name : {"beach.jpg", "gone.jpg", "notes.jpg", "tower.jpg"})
            project.photos << ProjectPhoto{photo(name), {TurnLeft}, 0};
        project.clips << ProjectClip{home->filePath("gone.mp3"), 0, 10};
        const QString path = home->filePath("Holiday.lumaro");
        QString reason;
        QVERIFY2(ProjectFile::write(project, path, &reason), qPrintable(reason));

        ReportAnswerer report;
        QVERIFY(flow->openFile(path));
        QCOMPARE(report.shown, 1);
        QStringList listed = report.rows;
        listed.sort();
        QCOMPARE(listed,
                 (QStringList{home->filePath("gone.mp3"), photo("gone.jpg"), photo("notes.jpg")}));
        QStringList opened;
        for (const ImageInfo& info : show->photos())
            opened << QFileInfo(info.path).fileName();
        QCOMPARE(opened, (QStringList{"beach.jpg", "tower.jpg"}));
        QCOMPARE(show->photos().at(1).operations, (QVector<qint32>{TurnLeft}));
        QVERIFY(show->clips().isEmpty());
        QCOMPARE(flow->filePath(), path);
        QVERIFY(show->isModified());
    }

    // Cancelling the reading of the photos ends the open there: the music is not read after
    // it, and what was not read is listed.
    void cancelledOpenStopsThere()
    {
        Project project;
        for (const char* name : {"beach.jpg", "tower.jpg"})
            project.photos << ProjectPhoto{photo(name), {}, 0};
        project.clips << ProjectClip{home->filePath("song.mp3"), 0, 1};
        const QString path = home->filePath("Holiday.lumaro");
        QVERIFY(TestFiles::write(home->filePath("song.mp3"), "not read here"));
        QVERIFY(ProjectFile::write(project, path, nullptr));
        QList<bool> asked;
        flow->setImporter([&](bool photoMode, const QStringList& files) {
            asked << photoMode;
            ImportProgress::Records read =
                ImportProgress::readRecords(photoMode, window.get(), files.mid(0, 1));
            read.cancelled = true; // as if Cancel was pressed after the first file
            return read;
        });
        ReportAnswerer report;
        QVERIFY(flow->openFile(path));
        QCOMPARE(asked, QList<bool>{true});
        QCOMPARE(show->photos().size(), 1);
        QCOMPARE(report.rows, (QStringList{photo("tower.jpg"), home->filePath("song.mp3")}));
        QVERIFY(show->isModified());
    }

    // Newest first, five at most, a project opened again moves to the front, and one that is
    // gone when chosen leaves the list with a message.
    void recentProjects()
    {
        for (int i = 1; i <= 7; ++i) {
            saveAnswers << home->filePath(QString("show%1.lumaro").arg(i));
            QVERIFY(flow->saveAs());
        }
        const auto names = [] {
            QStringList list;
            for (const QString& path : DocumentFlow::recentProjects())
                list << QFileInfo(path).completeBaseName();
            return list;
        };
        QCOMPARE(names(), (QStringList{"show7", "show6", "show5", "show4", "show3"}));
        QVERIFY(flow->openFile(home->filePath("show4.lumaro")));
        QCOMPARE(names(), (QStringList{"show4", "show7", "show6", "show5", "show3"}));

        QVERIFY(QFile::remove(home->filePath("show6.lumaro")));
        auto* menu = window->findChild<QMenu*>("recentMenu");
        QCOMPARE(menu->actions().size(), 5);
        QStringList alerts;
        VelMessageBox::setHandler([&](VelMessageBox::Kind, const QString& text, const QString&) {
            alerts << text;
            return 0;
        });
        menu->actions().at(2)->trigger();
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts.first().contains("show6.lumaro"), qPrintable(alerts.first()));
        QCOMPARE(names(), (QStringList{"show4", "show7", "show5", "show3"}));
        QCOMPARE(menu->actions().size(), 4);
        QCOMPARE(flow->filePath(), home->filePath("show4.lumaro"));
    }

    // While a publish runs the window's menu is off, and the document's shortcuts with it: a
    // Ctrl+N or Ctrl+Z then must not change the slideshow being published.
    void commandsFollowTheMenu()
    {
        change(show);
        QMenu* menu = window->titleButtonMenu();
        const QStringList names = {"actionNew", "actionOpen", "actionSave", "actionSaveAs",
                                   "actionUndo"};
        for (const bool on : {false, true}) {
            menu->setEnabled(on);
            for (const QString& name : names)
                QVERIFY2(window->findChild<QAction*>(name)->isEnabled() == on, qPrintable(name));
            QCOMPARE(window->findChild<QMenu*>("recentMenu")->isEnabled(), false); // none yet
        }
        QVERIFY(!window->findChild<QAction*>("actionRedo")->isEnabled()); // nothing to redo
    }

private:
    QString photo(const char* name) const { return home->filePath("photos/") + name; }

    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<Lumaro> window;
    DocumentFlow* flow = nullptr;
    Slideshow* show = nullptr;
    QStringList saveAnswers;
    QStringList openAnswers;
    QString saveFilter;
    QList<DocumentFlow::Answer> unsavedAnswers;
};

QTEST_MAIN(TestDocumentFlow)
#include "tst_documentflow.moc"
