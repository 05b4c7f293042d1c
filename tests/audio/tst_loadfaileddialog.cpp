// The report of files an import could not add (used by the photo import and the audio editor).
#include "photos/loadfaileddialog.h"

#include <QHeaderView>
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
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("mainLabel"))->text().isEmpty());
    }

    void listsFilesAndEmptiesOnClose()
    {
        LoadFailedDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lumaro"));
        QCOMPARE(dialog.size(), QSize(500, 350));
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
        QVERIFY(table);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("File Name"));

        dialog.addFailedFiles({QStringLiteral("/a/x.jpg"), QStringLiteral("/a/it's ü.jpg")});
        dialog.addFailedFiles({QStringLiteral("/b/y.wav")});
        QCOMPARE(dialog.rowCount(), 3);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("/a/it's ü.jpg"));
        QCOMPARE(table->item(1, 0)->toolTip(), QStringLiteral("/a/it's ü.jpg"));
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);

        // Answer the modal run with the Close button, as the user would.
        QString label;
        QTimer::singleShot(0, &dialog, [&] {
            label = dialog.findChild<QLabel*>(QStringLiteral("mainLabel"))->text();
            dialog.findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
        });
        dialog.showIfNotEmpty();
        QCOMPARE(label, QStringLiteral("Some files have not been added to the list:\n"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.rowCount(), 0);

        // Reused for the next import: only the new failure is listed.
        dialog.addFailedFiles({QStringLiteral("/c/z.png")});
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
