#pragma once

#include "platform/velfc/veldialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of a workspace move: a label, the bar and Cancel. While the copy runs, Cancel
// (and Escape, and closing the window) only asks for it to stop; the dialog closes when the copy
// has rolled back, through finish().
class PreferencesProgress : public VelDialog
{
    Q_OBJECT
public:
    explicit PreferencesProgress(QWidget* parent = nullptr);

    double fraction() const { return part; }
    // 0..1; the bar shows it in percent.
    void setFraction(double value);
    void setBusy(bool busy);
    bool isBusy() const { return busy; }
    // Off once nothing can be cancelled any more.
    void setCancellable(bool cancellable);
    // Ends the modal run: accepted when the move completed.
    void finish(bool accepted);

    void retranslate() override;

signals:
    void cancelRequested();

public slots:
    void reject() override;

private slots:
    void on_Cancel_clicked();

private:
    QLabel* label = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;
    double part = 0;
    bool busy = false;
};
