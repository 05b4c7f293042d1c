#include "prefs/preferences.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

Preferences::Preferences(QWidget* parent, QList<FlashKitPhoto>* photos, QList<FlashKitAudio>* music)
    : VelDialog(parent, Qt::MSWindowsFixedSizeDialogHint), photoEntries(photos), musicEntries(music)
{
    setObjectName(QStringLiteral("PreferencesClass"));
    note = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note, 1);
    layout->addWidget(buttons);
    resize(690, 450);
    retranslate();
}

void Preferences::retranslate()
{
    setWindowTitle(tr("Preferences"));
    note->setText(tr("The post-task action is chosen in the menu under \"Post Task Action\"."));
}
