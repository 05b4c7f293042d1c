#pragma once

#include <QSize>
#include <QString>

// Window-wide settings of the framework: the size a main window takes when it has no stored
// geometry, and the title every window of the program carries.
namespace VelWidgetHelper {
void setDefaultSize(const QSize& size);
QSize defaultSize(); // invalid until set
// Sets `title` on every top-level window now and on framework dialogs made later.
void setAllWindowTitle(const QString& title);
QString allWindowTitle(); // empty until set
} // namespace VelWidgetHelper
