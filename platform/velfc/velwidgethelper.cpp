#include "platform/velfc/velwidgethelper.h"

#include <QApplication>
#include <QWidget>

namespace {
QSize& storedSize()
{
    static QSize size;
    return size;
}

QString& storedTitle()
{
    static QString title;
    return title;
}
} // namespace

void VelWidgetHelper::setDefaultSize(const QSize& size)
{
    storedSize() = size;
}

QSize VelWidgetHelper::defaultSize()
{
    return storedSize();
}

void VelWidgetHelper::setAllWindowTitle(const QString& title)
{
    storedTitle() = title;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->setWindowTitle(title);
}

QString VelWidgetHelper::allWindowTitle()
{
    return storedTitle();
}
