#pragma once

#include "common/audioinfo.h"
#include "common/fileerror.h"
#include "common/imageinfo.h"
#include "platform/velfc/veldialog.h"

#include <QList>
#include <QStringList>

#include <memory>

class InfoParser;
class LoadFailedDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The modal dialog of an import: it reads the chosen files in the background and collects the
// records (photos in photo mode, clips in audio mode) for whoever runs it to add to the
// slideshow in one step; files that could not be read are listed at the end. A cancelled import
// keeps the records read before the cancel.
class ImportProgress : public VelDialog
{
    Q_OBJECT
public:
    static constexpr int PollIntervalMs = 40;

    ImportProgress(bool photoMode, QWidget* parent);
    ~ImportProgress() override;

    // What an import read, in reading order, and the files it could not read.
    struct Records
    {
        QList<ImageInfo> photos;
        QList<AudioInfo> clips;
        QList<FileFailure> failures;
        bool cancelled = false; // the user stopped the reading
    };
    // Reads `files` with the dialog shown over `parent` and gives the records back; the
    // failures are given back too, not shown. Files a cancel left unread are in neither list.
    static Records readRecords(bool photoMode, QWidget* parent, const QStringList& files);

    // Begins reading `files` (at least one path).
    void start(const QStringList& files);
    // Runs modally until the import completes or is cancelled.
    int exec() override;
    // Whether at least one record was read.
    bool added() const { return !photoRecords.isEmpty() || !clipRecords.isEmpty(); }
    // The records read, in file order.
    const QList<ImageInfo>& photos() const { return photoRecords; }
    const QList<AudioInfo>& clips() const { return clipRecords; }
    // The report of the files not added; null until an import has finished.
    LoadFailedDialog* failedReport() const { return report; }

public slots:
    void updateProgress();
    void on_Cancel_clicked();
    void reject() override;
    void retranslate() override;

private:
    void handOverRecords();
    void alertFolderFailures();
    void showCurrentFile(int index);
    void complete();
    void stopWorker();

    bool photoMode;
    bool collecting = false; // readRecords(): the caller reports the failures with its own
    bool cancelled = false;
    QStringList files;
    std::unique_ptr<InfoParser> worker;
    QList<ImageInfo> photoRecords;
    QList<AudioInfo> clipRecords;
    bool polling = false;
    bool completed = false;
    LoadFailedDialog* report = nullptr;
    QTimer* pollTimer = nullptr;
    QLabel* label = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;
};
