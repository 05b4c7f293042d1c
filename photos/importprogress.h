#pragma once

#include "platform/velfc/veldialog.h"

#include <QStringList>

// The modal dialog of an import: it reads the chosen files in the background and hands the
// records to the strip that is its parent (a PhotoListWidget in photo mode, an AudioListWidget
// in audio mode); files that could not be added are listed at the end.
class ImportProgress : public VelDialog
{
    Q_OBJECT
public:
    ImportProgress(bool photoMode, QWidget* parent);
    ~ImportProgress() override;

    // Begins reading `files` (at least one path).
    void start(const QStringList& files);
    // Whether at least one record reached the strip.
    bool added() const { return addedAny; }

private:
    bool photoMode;
    QStringList files;
    bool addedAny = false;
};
