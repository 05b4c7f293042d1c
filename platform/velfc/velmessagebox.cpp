#include "platform/velfc/velmessagebox.h"

#include "platform/velfc/core/velpref.h"

#include <QMessageBox>

namespace {
VelMessageBox::Handler& currentHandler()
{
    static VelMessageBox::Handler handler;
    return handler;
}
} // namespace

VelMessageBox::Handler VelMessageBox::setHandler(Handler handler)
{
    Handler previous = currentHandler();
    currentHandler() = std::move(handler);
    return previous;
}

int VelMessageBox::alert(const QString& text, const QString& title, QWidget* parent, bool modal)
{
    return show(Alert, text, title, parent, modal);
}

int VelMessageBox::info(const QString& text, const QString& title, QWidget* parent, bool modal)
{
    return show(Info, text, title, parent, modal);
}

int VelMessageBox::show(Kind kind, const QString& text, const QString& title, QWidget* parent,
                        bool modal)
{
    const QString shownTitle = title.isEmpty() ? VelPref::instance()->product_name() : title;
    if (currentHandler())
        return currentHandler()(kind, text, shownTitle);

    auto* box = new QMessageBox(kind == Alert ? QMessageBox::Warning : QMessageBox::Information,
                                shownTitle, text, QMessageBox::Ok, parent);
    if (!modal) {
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
        return QMessageBox::Ok;
    }
    const int result = box->exec();
    delete box;
    return result;
}
