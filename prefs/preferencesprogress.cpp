#include "prefs/preferencesprogress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

PreferencesProgress::PreferencesProgress(QWidget* parent) : VelDialog(parent)
{
    setObjectName(QStringLiteral("PreferencesProgressClass"));
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
    row->addWidget(progressBar, 1);
    row->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(row);
    setMinimumWidth(400);
    setFixedSize(450, 105);
    retranslate();
    QMetaObject::connectSlotsByName(this);
}

void PreferencesProgress::retranslate()
{
    setWindowTitle(tr("Import Progress"));
    label->setText(tr("Moving the photos and music to the new temporary folder..."));
    cancelButton->setText(tr("Cancel"));
}

void PreferencesProgress::setFraction(double value)
{
    part = qBound(0.0, value, 1.0);
    progressBar->setValue(int(std::lround(part * 100)));
}

void PreferencesProgress::setBusy(bool value)
{
    busy = value;
    cancelButton->setEnabled(true);
}

void PreferencesProgress::setCancellable(bool cancellable)
{
    cancelButton->setEnabled(cancellable);
}

void PreferencesProgress::finish(bool accepted)
{
    busy = false;
    QDialog::done(accepted ? Accepted : Rejected);
}

void PreferencesProgress::on_Cancel_clicked()
{
    reject();
}

void PreferencesProgress::reject()
{
    emit cancelRequested();
    if (busy) {
        // The copy rolls back first; finish() closes the dialog when it has.
        cancelButton->setEnabled(false);
        return;
    }
    VelDialog::reject();
}
