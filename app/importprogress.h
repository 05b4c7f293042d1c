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

// The modal dialog of an import: it reads the chosen files in the background and hands the
// records to the strip that is its parent (a PhotoListWidget in photo mode, an AudioListWidget
// in audio mode); files that could not be added are listed at the end.
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
    // Reads `files` with the dialog shown over `parent` and gives the records back instead of
    // handing them to a strip; the failures are given back too, not shown. Files a cancel left
    // unread are in neither list.
    static Records readRecords(bool photoMode, QWidget* parent, const QStringList& files);

    // Begins reading `files` (at least one path).
    void start(const QStringList& files);
    // Runs modally until the import completes or is cancelled.
    int exec() override;
    // Whether at least one record reached the strip.
    bool added() const { return addedAny; }
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
    bool collecting = false; // readRecords(): keep the records and the failures
    bool cancelled = false;
    Records collected;
    QStringList files;
    std::unique_ptr<InfoParser> worker;
    bool addedAny = false;
    bool polling = false;
    bool completed = false;
    LoadFailedDialog* report = nullptr;
    QTimer* pollTimer = nullptr;
    QLabel* label = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;
};
