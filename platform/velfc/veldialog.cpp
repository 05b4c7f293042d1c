#include "platform/velfc/veldialog.h"

#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velwidgethelper.h"

#include <QEvent>

VelDialog::VelDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    const QString title = VelWidgetHelper::allWindowTitle();
    setWindowTitle(title.isEmpty() ? VelPref::instance()->product_name() : title);
}

void VelDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void VelDialog::showEvent(QShowEvent* event)
{
    updateUiState();
    QDialog::showEvent(event);
}
