// The report of files an import could not add, and why (used by the photo import and the audio
// editor).
#include "widgets/loadfaileddialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class TestLoadFailedDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void emptyReportNeverShows()
    {
        LoadFailedDialog dialog(nullptr);
        bool shown = false;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.isVisible();
            dialog.reject();
        });
        dialog.showIfNotEmpty(); // would block until answered if it ran
        QCoreApplication::processEvents();
        QVERIFY(!shown);
        QVERIFY(dialog.findChild<QLabel*>("mainLabel")->text().isEmpty());
    }

    void listsFilesAndEmptiesOnClose()
    {
        LoadFailedDialog dialog(nullptr);
        auto* table = dialog.findChild<QTableWidget*>("tableWidget");
        QVERIFY(table);

        dialog.addFailedFiles({QString("/a/x.jpg"), QString("/a/it's ü.jpg")});
        dialog.addFailures({{QString("/b/y.wav"), QString("/b/y.wav does not exist.")}});
        QCOMPARE(dialog.rowCount(), 3);
        QCOMPARE(table->item(1, 0)->text(), QString("/a/it's ü.jpg"));
        QCOMPARE(table->item(1, 0)->toolTip(), QString("/a/it's ü.jpg"));
        // Each file says what happened to it, whole on hover where the column cuts it.
        QCOMPARE(table->item(2, 1)->text(), QString("/b/y.wav does not exist."));
        QCOMPARE(table->item(2, 1)->toolTip(), QString("/b/y.wav does not exist."));
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);

        // Answer the modal run with the Close button, as the user would.
        QString label;
        QTimer::singleShot(0, &dialog, [&] {
            label = dialog.findChild<QLabel*>("mainLabel")->text();
            dialog.findChild<QPushButton*>("pushButton")->click();
        });
        dialog.showIfNotEmpty();
        QCOMPARE(label, QString("Some files have not been added to the list:\n"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.rowCount(), 0);

        // Reused for the next import: only the new failure is listed.
        dialog.addFailedFiles({QString("/c/z.png")});
        int rowsWhileShown = -1;
        QTimer::singleShot(0, &dialog, [&] {
            rowsWhileShown = dialog.rowCount();
            dialog.reject();
        });
        dialog.showIfNotEmpty();
        QCOMPARE(rowsWhileShown, 1);
    }
};

QTEST_MAIN(TestLoadFailedDialog)
#include "tst_loadfaileddialog.moc"
