#pragma once

#include <QString>
#include <QStringList>

// Process-wide file-name patterns, filled by the main window at start-up (fillMediaExtensions).
extern QStringList imageExtensions;
extern QStringList audioExtensions;
// Per-kind file-dialog filter texts: "Name (*.a *.b)" entries joined by ";;".
extern const QString imageFileFilter;
extern const QString audioFileFilter;

// Fills imageExtensions and audioExtensions in their fixed orders.
void fillMediaExtensions();
// "All Supported Files (<patterns>);;" + filter + ";;All Files (*)"
QString openFileDialogFilter(const QStringList& patterns, const QString& filter);

// Whole seconds as "HH:MM:SS" (hours not limited to two digits). Negative counts as 0.
QString formatTime(qint64 seconds);
