// The media filters of common/mediaformats.h in Qt's own file dialog, as the import shows them.
#include "common/mediaformats.h"

#include "support/testfiles.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

class TestFileDialogFilters : public QObject
{
    Q_OBJECT

private slots:
    // The filter texts as Qt's own file dialog reads them: every filter shows the files it
    // names (either case, every pattern), "All Files" shows every file, and no filter is empty.
    void dialogFilters_data()
    {
        QTest::addColumn<bool>("photos");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("listed");
        const QStringList photos{"a.jpg", "b.JPEG", "d.HEIC", "e.webp", "f.tif"};
        const QStringList everything{"README", "a.jpg",  "b.JPEG", "c.aiff",
                                     "d.HEIC", "e.webp", "f.tif",  "g.opus"};
        QTest::newRow("photos, all supported") << true << "All Supported Files" << photos;
        QTest::newRow("photos, JPG") << true << "JPG Files" << QStringList{"a.jpg", "b.JPEG"};
        QTest::newRow("photos, PNG") << true << "PNG Files" << QStringList();
        QTest::newRow("photos, HEIF") << true << "HEIF Files" << QStringList{"d.HEIC"};
        QTest::newRow("photos, TIFF") << true << "TIFF Files" << QStringList{"f.tif"};
        QTest::newRow("photos, all") << true << "All Files" << everything;
        QTest::newRow("music, all supported")
            << false << "All Supported Files" << QStringList{"c.aiff", "g.opus"};
        QTest::newRow("music, AIF") << false << "AIF Files" << QStringList{"c.aiff"};
        QTest::newRow("music, all") << false << "All Files" << everything;
    }
    void dialogFilters()
    {
        QFETCH(bool, photos);
        QFETCH(QString, filter);
        QFETCH(QStringList, listed);
        fillMediaExtensions();
        fillMediaExtensions(); // filling again does not double the lists
        QCOMPARE(imageExtensions.size(), 13);
        QTemporaryDir dir;
        const QStringList everything{"README", "a.jpg",  "b.JPEG", "c.aiff",
                                     "d.HEIC", "e.webp", "f.tif",  "g.opus"};
        for (const QString& name : everything)
            QVERIFY(TestFiles::write(dir.filePath(name), "x"));

        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* model = dialog.findChild<QFileSystemModel*>();
        QVERIFY(model);
        const QModelIndex folder = model->index(dir.path());
        const auto shown = [&] {
            QStringList names;
            for (int row = 0; row < model->rowCount(folder); ++row)
                names << model->index(row, 0, folder).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(shown(), everything); // listed in the background; no filter yet

        dialog.setNameFilter(photos ? openFileDialogFilter(imageExtensions, imageFileFilter)
                                    : openFileDialogFilter(audioExtensions, audioFileFilter));
        const QStringList filters = dialog.nameFilters();
        QString chosen;
        for (const QString& each : filters) {
            if (each.startsWith(filter + " ("))
                chosen = each;
        }
        QVERIFY2(!chosen.isEmpty(), qPrintable(filters.join('|')));
        dialog.selectNameFilter(chosen);
        QCOMPARE(dialog.selectedNameFilter(), chosen);
        QTRY_COMPARE(shown(), listed);
        QVERIFY2(!filters.contains(QString()), qPrintable(filters.join('|')));
        QVERIFY(filters.first().startsWith("All Supported Files ("));
    }
};

QTEST_MAIN(TestFileDialogFilters)
#include "tst_filedialogfilters.moc"
