#include "widgets/loadfaileddialog.h"

#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

LoadFailedDialog::LoadFailedDialog(QWidget* parent)
    : VelDialog(parent, Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("LoadFailedDialogClass"));
    setWindowTitle(VelPref::instance()->product_name());
    setFixedSize(500, 350);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* gridLayout = new QGridLayout(frame);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    mainLabel = new QLabel(frame);
    mainLabel->setObjectName(QStringLiteral("mainLabel"));
    gridLayout->addWidget(mainLabel, 0, 0);

    tableWidget = new QTableWidget(0, 2, frame);
    tableWidget->setObjectName(QStringLiteral("tableWidget"));
    tableWidget->setMinimumSize(450, 150);
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableWidget->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableWidget->horizontalHeader()->setStretchLastSection(true);
    gridLayout->addWidget(tableWidget, 1, 0);

    pushButton = new QPushButton(this);
    pushButton->setObjectName(QStringLiteral("pushButton"));
    connect(pushButton, &QPushButton::clicked, this, &LoadFailedDialog::reject);
    auto* horizontalLayout = new QHBoxLayout;
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout->addStretch();
    horizontalLayout->addWidget(pushButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(horizontalLayout);
    retranslate();
}

void LoadFailedDialog::retranslate()
{
    tableWidget->setHorizontalHeaderLabels({tr("File Name"), tr("Reason")});
    tableWidget->setAccessibleName(tr("Files not added"));
    pushButton->setText(tr("Close"));
}

void LoadFailedDialog::addFailedFiles(const QStringList& paths)
{
    QList<FileFailure> failures;
    for (const QString& path : paths)
        failures << FileFailure{path, QString()};
    addFailures(failures);
}

void LoadFailedDialog::addFailures(const QList<FileFailure>& failures)
{
    for (const FileFailure& failure : failures) {
        const QString shown = QDir::toNativeSeparators(failure.path);
        auto* item = new QTableWidgetItem(shown);
        item->setToolTip(shown);
        auto* reason = new QTableWidgetItem(failure.reason);
        reason->setToolTip(failure.reason); // the column is narrow; the whole sentence on hover
        if (failure.reason.isEmpty())       // a screen reader would say nothing for the blank cell
            reason->setData(Qt::AccessibleTextRole, tr("No reason given"));
        const int row = tableWidget->rowCount();
        tableWidget->insertRow(row);
        tableWidget->setItem(row, 0, item);
        tableWidget->setItem(row, 1, reason);
        tableWidget->setColumnWidth(0, 220);
    }
}

void LoadFailedDialog::showIfNotEmpty()
{
    if (tableWidget->rowCount() == 0)
        return;
    mainLabel->setText(tr("Some files have not been added to the list:\n"));
    exec();
}

int LoadFailedDialog::rowCount() const
{
    return tableWidget->rowCount();
}

void LoadFailedDialog::reject()
{
    tableWidget->clearContents();
    tableWidget->setRowCount(0);
    tableWidget->repaint();
    VelDialog::reject();
}
