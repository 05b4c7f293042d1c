#include "photos/importprogress.h"

// The reading worker arrives with the photo reader; until then an import adds nothing.
ImportProgress::ImportProgress(bool photoMode, QWidget* parent)
    : VelDialog(parent), photoMode(photoMode)
{
}

ImportProgress::~ImportProgress() = default;

void ImportProgress::start(const QStringList& list)
{
    files = list;
}
