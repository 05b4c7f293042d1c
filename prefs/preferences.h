#pragma once

#include "flashkit/core/flashkitrecords.h"
#include "platform/velfc/veldialog.h"

#include <QList>

class QLabel;

// The program's preferences. The main window hands it its kit entries, which point into the
// workspace, so that moving the workspace can re-point them.
class Preferences : public VelDialog
{
    Q_OBJECT
public:
    Preferences(QWidget* parent, QList<FlashKitPhoto>* photoEntries,
                QList<FlashKitAudio>* musicEntries);

    void retranslate() override;

private:
    QList<FlashKitPhoto>* photoEntries;
    QList<FlashKitAudio>* musicEntries;
    QLabel* note = nullptr;
};
