// The publish settings dialog: the name checks while typing and on OK, the names proposed for
// each profile, the destination history, the stored profile, Browse and Open.
#include "flashkit/publishsetting.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {
const QString Sep = QStringLiteral("|||");
const QString CharHint =
    QStringLiteral("The file name cannot contain one of these characters:/:*?\"<>|\\");

struct Form
{
    explicit Form(PublishSetting& d)
        : name(d.findChild<QLineEdit*>("publishName")),
          quality(d.findChild<QComboBox*>("qualityComboBox")),
          profile(d.findChild<QComboBox*>("profileComboBox")),
          photoSize(d.findChild<QComboBox*>("photoSizeComboBox")),
          cost(d.findChild<QLabel*>("photoSizeCost")),
          destination(d.findChild<QComboBox*>("dstComboBox")),
          ok(d.findChild<QToolButton*>("okButton")),
          browse(d.findChild<QToolButton*>("browseDstBtn")),
          open(d.findChild<QToolButton*>("openDstBtn"))
    {
    }
    QStringList destinations() const
    {
        QStringList list;
        for (int i = 0; i < destination->count(); ++i)
            list << destination->itemText(i);
        return list;
    }
    QLineEdit* name;
    QComboBox* quality;
    QComboBox* profile;
    QComboBox* photoSize;
    QLabel* cost;
    QComboBox* destination;
    QToolButton* ok;
    QToolButton* browse;
    QToolButton* open;
};

const QString DotsHint = QStringLiteral("The name cannot be made of dots only.");
const QString ControlHint = QStringLiteral("The name cannot contain control characters.");

QString storedHistory()
{
    return VelPref::instance()->value(PrefKey::PublishFolder).toString();
}
} // namespace

class TestPublishSetting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        VelMessageBox::setHandler([this](VelMessageBox::Kind, const QString& text, const QString&) {
            messages << text;
            return 0;
        });
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        messages.clear();
        QToolTip::hideText();
    }

    void startState()
    {
        PublishSetting dialog;
        Form form(dialog);
        QCOMPARE(dialog.size(), QSize(500, 300));
        QCOMPARE(dialog.windowTitle(), QString("Publish Settings"));
        QCOMPARE(form.name->text(), QString("My Flash"));
        QCOMPARE(form.quality->currentText(), QString("Better(85)"));
        QCOMPARE(form.profile->currentText(), QString("swf")); // index 0 stored by default
        QCOMPARE(form.photoSize->currentText(), QString("Standard (720 × 540)"));
        QCOMPARE(form.cost->text(), QString("About 85 KB per photo."));
        QCOMPARE(form.destinations(), QStringList{QDir::toNativeSeparators(Vel::outputPath())});
        QCOMPARE(form.destination->lineEdit()->cursorPosition(), 0);
    }

    // Typing a forbidden character removes it at once and says why.
    void typingFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("hinted");
        QTest::newRow("colon") << "Trip:2"
                               << "Trip2" << true;
        QTest::newRow("slash and star") << "a/b*c"
                                        << "abc" << true;
        QTest::newRow("backslash") << "a\\b"
                                   << "ab" << true;
        QTest::newRow("hash and ampersand stay") << "Trip #2 & 'Tom'"
                                                 << "Trip #2 & 'Tom'" << false;
    }
    void typingFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, hinted);
        PublishSetting dialog;
        dialog.show();
        Form form(dialog);
        form.name->clear();
        QTest::keyClicks(form.name, typed);
        QCOMPARE(form.name->text(), kept);
        QCOMPARE(form.name->cursorPosition(), kept.size());
        QCOMPARE(QToolTip::isVisible() && QToolTip::text() == CharHint, hinted);
    }

    // What the typing filter let through (pasted text) is refused on OK; the dialog stays.
    void okRefusesBadNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("empty") << ""
                               << "The file name cannot be left blank, please enter a file name!";
        QTest::newRow("colon") << "a:b" << CharHint;
        QTest::newRow("slash") << "2024/05" << CharHint;
        QTest::newRow("quote") << "say \"hi\"" << CharHint;
        // Not one plain entry of the destination: it would name the folder itself or its parent.
        QTest::newRow("dot") << "." << DotsHint;
        QTest::newRow("two dots") << ".." << DotsHint;
        QTest::newRow("three dots") << "..." << DotsHint;
        QTest::newRow("control character") << QString("a\tb") << ControlHint;
    }
    void okRefusesBadNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        PublishSetting dialog;
        dialog.show();
        Form form(dialog);
        form.name->setText(name);
        form.ok->click();
        QCOMPARE(QToolTip::text(), hint);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(storedHistory().isEmpty());
    }

    void okRefusesBadDestinations_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::newRow("relative") << "Shows";
        QTest::newRow("colon") << "/tmp/a:b";
        QTest::newRow("dotdot") << "/tmp/../etc";
        QTest::newRow("empty") << "";
    }
    void okRefusesBadDestinations()
    {
        QFETCH(QString, destination);
        PublishSetting dialog;
        dialog.show();
        Form form(dialog);
        form.destination->setEditText(destination);
        form.ok->click();
        QCOMPARE(messages, QStringList{"The selected path is incorrect, please select again."});
        QVERIFY(dialog.isVisible());
        QVERIFY(storedHistory().isEmpty());
    }

    // The name or folder proposed is free in the destination; the "xml" profile publishes into
    // a new folder named after the slideshow.
    void uniqueNamesPerProfile_data()
    {
        QTest::addColumn<int>("profileIndex");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<int>("value");
        QTest::newRow("swf, free") << 0 << QStringList{} << "My Flash"
                                   << "" << 1;
        QTest::newRow("swf, taken") << 0 << QStringList{"My Flash.swf"} << "My Flash(1)"
                                    << "" << 1;
        QTest::newRow("swf+html, only the page taken")
            << 2 << QStringList{"My Flash.html"} << "My Flash(1)"
            << "" << 2;
        QTest::newRow("swf+html, taken twice")
            << 2 << QStringList{"My Flash.swf", "My Flash(1).swf"} << "My Flash(2)"
            << "" << 2;
        QTest::newRow("html (offline), page taken")
            << 3 << QStringList{"My Flash.html", "My Flash.swf"} << "My Flash(1)"
            << "" << 3;
        QTest::newRow("video, taken") << 4 << QStringList{"My Flash.mp4"} << "My Flash(1)"
                                      << "" << 4;
        QTest::newRow("xml, free") << 1 << QStringList{} << "My Flash"
                                   << "My Flash" << 0;
        QTest::newRow("xml, folder taken") << 1 << QStringList{"My Flash/"} << "My Flash"
                                           << "My Flash(1)" << 0;
        QTest::newRow("xml, only a file of that name")
            << 1 << QStringList{"My Flash.swf"} << "My Flash"
            << "My Flash" << 0;
    }
    void uniqueNamesPerProfile()
    {
        QFETCH(int, profileIndex);
        QFETCH(QStringList, existing);
        QFETCH(QString, name);
        QFETCH(QString, subfolder);
        QFETCH(int, value);
        const QString dest = home->filePath("out");
        QDir().mkpath(dest);
        for (const QString& entry : existing) {
            if (entry.endsWith('/'))
                QDir().mkpath(dest + "/" + entry);
            else
                QVERIFY(TestFiles::write(dest + "/" + entry, "x"));
        }
        PublishSetting dialog;
        Form form(dialog);
        form.profile->setCurrentIndex(profileIndex);
        form.quality->setCurrentIndex(2);
        form.destination->setEditText(dest + "/"); // a trailing separator is not doubled
        form.ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenName(), name);
        QCOMPARE(dialog.profileValue(), value);
        QCOMPARE(dialog.photoQuality(), 100);
        const QString folder = subfolder.isEmpty() ? dest : dest + "/" + subfolder;
        QCOMPARE(dialog.chosenFolder(), folder);
        // Nothing is made before the publish: a cancelled one must leave no empty folder.
        QCOMPARE(QDir(folder).exists(), subfolder.isEmpty());
        QCOMPARE(storedHistory(), dest); // the destination itself, not the new folder
    }

    void destinationHistory_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first") << QStringList{} << "/c" << QStringList{"/c"};
        QTest::newRow("known folder moves to the top")
            << QStringList{"/a", "/b", "/c"} << "/c" << QStringList{"/c", "/a", "/b"};
        QTest::newRow("sixth folder pushes the oldest out")
            << QStringList{"/a", "/b", "/c", "/d", "/e"} << "/f"
            << QStringList{"/f", "/a", "/b", "/c", "/d"};
        // As it always behaved: a full history drops its oldest even when it holds the folder.
        QTest::newRow("full history holding the folder")
            << QStringList{"/a", "/b", "/c", "/d", "/e"} << "/b"
            << QStringList{"/b", "/a", "/b", "/c", "/d"};
    }
    void destinationHistory()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, chosen);
        QFETCH(QStringList, after);
        const QString root = home->path();
        auto under = [&](QStringList list) {
            for (QString& each : list)
                each = root + each;
            return list;
        };
        for (const QString& folder : under(before + QStringList{chosen}))
            QDir().mkpath(folder);
        if (!before.isEmpty())
            VelPref::instance()->setValue(PrefKey::PublishFolder, under(before).join(Sep));
        PublishSetting dialog;
        Form form(dialog);
        QCOMPARE(form.destinations(), before.isEmpty()
                                          ? QStringList{QDir::toNativeSeparators(Vel::outputPath())}
                                          : under(before));
        form.destination->setEditText(root + chosen);
        form.ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(storedHistory(), under(after).join(Sep));
    }

    void profileStoredAndRestored_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("photoSize");
        QTest::addColumn<QString>("cost"); // at quality 50
        QTest::newRow("swf") << 0 << 1 << 2 << "About 200 KB per photo.";
        QTest::newRow("xml") << 1 << 0 << 1 << "About 120 KB per photo.";
        QTest::newRow("swf+html") << 2 << 2 << 0 << "About 35 KB per photo.";
        QTest::newRow("html (offline)") << 3 << 3 << 2 << "About 200 KB per photo.";
        QTest::newRow("video (MP4)") << 4 << 4 << 0 << "About 35 KB per photo.";
    }
    void profileStoredAndRestored()
    {
        QFETCH(int, index);
        QFETCH(int, value);
        QFETCH(int, photoSize);
        QDir().mkpath(home->filePath("out"));
        {
            PublishSetting dialog;
            Form form(dialog);
            form.profile->setCurrentIndex(index);
            form.quality->setCurrentIndex(0);
            form.photoSize->setCurrentIndex(photoSize);
            QTEST(form.cost->text(), "cost");
            form.destination->setEditText(home->filePath("out"));
            form.ok->click();
            QCOMPARE(dialog.profileValue(), value);
            QCOMPARE(dialog.photoQuality(), 50);
            QCOMPARE(dialog.photoSize(), photoSize);
        }
        VelPref::instance()->open(home->filePath("lumaro.ini")); // read back from the file
        PublishSetting again;
        Form form(again);
        QCOMPARE(form.profile->currentIndex(), index);
        QCOMPARE(form.photoSize->currentIndex(), photoSize);
        QCOMPARE(form.quality->currentText(), QString("Better(85)"));
        QCOMPARE(form.destination->currentText(), home->filePath("out"));

        // Cancel stores nothing.
        form.profile->setCurrentIndex((index + 1) % 5);
        again.findChild<QToolButton*>("cancelButton")->click();
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(VelPref::instance()->value(PrefKey::PublishProfile).toInt(), index);
    }

    // The video's own choices show, with the note that the template does not apply, only while
    // the video is the profile; what is chosen there (or started from) is what OK returns.
    void videoChoices_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("seconds");
        QTest::newRow("1080p, 4 s") << 1080 << 4;
        QTest::newRow("720p, 2 s") << 720 << 2;
        QTest::newRow("720p, 10 s") << 720 << 10;
        QTest::newRow("1080p, fit to music") << 1080 << 0;
    }
    void videoChoices()
    {
        QFETCH(int, height);
        QFETCH(int, seconds);
        QDir().mkpath(home->filePath("out"));
        PublishSetting dialog;
        dialog.show();
        Form form(dialog);
        auto* note = dialog.findChild<QLabel*>("videoNote");
        QVERIFY(note && !note->isVisible());
        dialog.startFrom("Trip", home->filePath("out"), 4, 85);
        dialog.startVideoFrom(height, seconds);
        QVERIFY(note->isVisible());
        QVERIFY(note->text().contains("template"));
        QVERIFY(dialog.findChild<QComboBox*>("secondsComboBox")->isVisible());
        form.ok->click();
        QCOMPARE(dialog.profileValue(), 4);
        QCOMPARE(dialog.videoHeight(), height);
        QCOMPARE(dialog.secondsPerPhoto(), seconds);
    }

    void browseKeepsFiveNewestFirst()
    {
        QStringList five;
        for (int i = 0; i < 5; ++i)
            five << QString("/f%1").arg(i);
        VelPref::instance()->setValue(PrefKey::PublishFolder, five.join(Sep));
        QString asked;
        PublishSetting::setFolderPicker(
            [&](QWidget*, const QString& caption, const QString& start) {
                asked = caption + "@" + start;
                return QString("/picked");
            });
        PublishSetting dialog;
        Form form(dialog);
        form.browse->click();
        QCOMPARE(asked, QString("Select one folder@/f0"));
        QCOMPARE(form.destinations(), (QStringList{"/picked", "/f0", "/f1", "/f2", "/f3"}));
        QCOMPARE(form.destination->currentText(), QString("/picked"));

        PublishSetting::setFolderPicker([](QWidget*, const QString&, const QString&) {
            return QString(); // the user cancelled the picker
        });
        form.browse->click();
        QCOMPARE(form.destinations().size(), 5);
        PublishSetting::setFolderPicker({});
    }

    void openFolder()
    {
        QList<QUrl> opened;
        PublishSetting::setFolderOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        const QString fresh = home->filePath("new/show");
        QVERIFY(TestFiles::write(home->filePath("file"), "x"));
        VelPref::instance()->setValue(PrefKey::PublishFolder, home->path());
        PublishSetting dialog;
        Form form(dialog);

        form.destination->setEditText(fresh); // missing: made, then opened
        form.open->click();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(fresh)});
        QVERIFY(messages.isEmpty());

        const QString impossible = home->filePath("file/inside"); // under a plain file
        form.destination->setEditText(impossible);
        form.open->click();
        QCOMPARE(messages, QStringList{"The specified directory was not found.\n" + impossible});
        QCOMPARE(form.destination->currentText(), home->path());

        messages.clear();
        form.destination->setEditText("relative/one"); // never made in the current folder
        form.open->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(!QDir("relative").exists());
        QCOMPARE(opened.size(), 1);
        PublishSetting::setFolderOpener({});
    }

private:
    std::unique_ptr<QTemporaryDir> home;
    QStringList messages;
};

QTEST_MAIN(TestPublishSetting)
#include "tst_publishsetting.moc"
