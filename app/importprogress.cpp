#include "app/importprogress.h"

#include "photos/core/imagereader.h"
#include "photos/core/infoparser.h"
#include "platform/velfc/velhelpers.h"
#include "platform/velfc/velmessagebox.h"
#include "widgets/loadfaileddialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

ImportProgress::ImportProgress(bool photoMode, QWidget* parent)
    : VelDialog(parent, Qt::MSWindowsFixedSizeDialogHint), photoMode(photoMode)
{
    setObjectName(QStringLiteral("ImportProgressClass"));
    ImageReader::allowLargePhotos();
    setMinimumWidth(400);

    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setWordWrap(true);

    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setMinimumWidth(200);
    progressBar->setValue(0);

    cancelButton = new QPushButton(this);
    cancelButton->setObjectName(QStringLiteral("Cancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(progressBar);
    row->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(row);

    pollTimer = new QTimer(this);
    pollTimer->setInterval(PollIntervalMs);
    connect(pollTimer, &QTimer::timeout, this, &ImportProgress::updateProgress);

    retranslate();
    setFixedSize(450, 105);
    QMetaObject::connectSlotsByName(this);
}

ImportProgress::~ImportProgress()
{
    stopWorker();
}

void ImportProgress::retranslate()
{
    setWindowTitle(tr("Import Progress"));
    cancelButton->setText(tr("Cancel"));
}

void ImportProgress::start(const QStringList& list)
{
    if (worker)
        return; // one import per dialog
    files = list;
    if (!files.isEmpty())
        showCurrentFile(0);
    worker = std::make_unique<InfoParser>(&files, photoMode);
    worker->start(QThread::InheritPriority);
    pollTimer->start();
}

ImportProgress::Records ImportProgress::readRecords(bool photoMode, QWidget* parent,
                                                    const QStringList& files)
{
    if (files.isEmpty())
        return {};
    ImportProgress progress(photoMode, parent);
    progress.collecting = true;
    progress.start(files);
    progress.exec();
    // A cancel stops the worker before the poll that would have taken its last records.
    progress.handOverRecords();
    Records records;
    records.photos = progress.photoRecords;
    records.clips = progress.clipRecords;
    records.failures = progress.worker->failures();
    records.cancelled = progress.cancelled;
    return records;
}

int ImportProgress::exec()
{
    // An import that ended before the dialog was run (events were processed in between) must
    // not leave a modal dialog waiting for a poll that will not come.
    if (completed)
        return result();
    return VelDialog::exec();
}

void ImportProgress::showCurrentFile(int index)
{
    Vel::labelElidedText(label,
                         tr("Importing %1...").arg(QDir::toNativeSeparators(files.at(index))));
}

void ImportProgress::updateProgress()
{
    // An alert box runs its own event loop, in which this timer fires again.
    if (!worker || polling || completed)
        return;
    QScopedValueRollback<bool> guard(polling, true);
    // The count is read before the records: when it says "all", the last record is among them.
    const int done = worker->processedCount();
    const int total = int(files.size());
    handOverRecords();
    progressBar->setValue(total > 0 ? done * 100 / total : 100);
    alertFolderFailures();
    if (done < total) {
        showCurrentFile(qMin(worker->fileInProgress(), total - 1));
        return;
    }
    complete();
}

void ImportProgress::handOverRecords()
{
    if (photoMode)
        photoRecords << worker->takePhotos();
    else
        clipRecords << worker->takeClips();
}

void ImportProgress::alertFolderFailures()
{
    const QStringList paths = worker->takeFolderFailures();
    for (int i = 0; i < paths.size(); ++i)
        VelMessageBox::alert(ImageReader::temporaryFolderMissingText(), QString(), this);
}

void ImportProgress::complete()
{
    completed = true;
    pollTimer->stop();
    close();
    if (collecting)
        return;
    if (!report)
        report = new LoadFailedDialog(this);
    report->addFailures(worker->failures());
    report->showIfNotEmpty();
}

void ImportProgress::on_Cancel_clicked()
{
    reject();
}

void ImportProgress::reject()
{
    // Escape and the window's close button end a running import the way Cancel does, so no
    // record arrives after the dialog has gone.
    if (!completed) {
        completed = true;
        cancelled = true;
        pollTimer->stop();
        // Waits for the file in progress; its record is dropped with the worker, untaken.
        stopWorker();
    }
    VelDialog::reject();
}

void ImportProgress::stopWorker()
{
    if (!worker)
        return;
    worker->stop();
    worker->wait();
}
