#include "platform/velfc/velpopwidget.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

int VelPopWidget::s_delayCloseMs = 3000;

namespace {
bool& skinModeFlag()
{
    static bool on = true;
    return on;
}
} // namespace

VelPopWidget::VelPopWidget(const QString& title, const QString& text, Qt::Alignment alignment)
    : QFrame(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(skinModeFlag() ? QStringLiteral("velPopWidget")
                                 : QStringLiteral("velPopWidgetPlain"));
    if (!skinModeFlag()) {
        setFrameShape(QFrame::Box);
        setStyleSheet(QStringLiteral("#velPopWidgetPlain { background: #fdfdf4; color: #202020; "
                                     "border: 1px solid #8a8a80; }"));
    }
    titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("velPopTitle"));
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    textLabel = new QLabel(text, this);
    textLabel->setObjectName(QStringLiteral("velPopText"));
    textLabel->setAlignment(alignment);
    textLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 12);
    layout->addWidget(titleLabel);
    layout->addWidget(textLabel, 1);
    setMinimumSize(260, 90);

    closeTimer = new QTimer(this);
    closeTimer->setSingleShot(true);
    connect(closeTimer, &QTimer::timeout, this, &QWidget::close);
}

VelPopWidget* VelPopWidget::showText(const QString& title, const QString& text, bool autoClose,
                                     Qt::Alignment alignment)
{
    auto* pop = new VelPopWidget(title, text, alignment);
    pop->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        pop->move(area.right() - pop->width() - 16, area.bottom() - pop->height() - 16);
    }
    pop->show();
    if (autoClose)
        pop->closeTimer->start(qMax(0, s_delayCloseMs));
    return pop;
}

void VelPopWidget::setSkinMode(bool on)
{
    skinModeFlag() = on;
}

bool VelPopWidget::skinMode()
{
    return skinModeFlag();
}

QString VelPopWidget::title() const
{
    return titleLabel->text();
}

QString VelPopWidget::text() const
{
    return textLabel->text();
}

void VelPopWidget::mousePressEvent(QMouseEvent*)
{
    close();
}

QPushButton* VelPopWidget::addButton(const QString& text, std::function<void()> action)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("velPopButton"));
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, action] {
        if (action)
            action();
        close();
    });
    static_cast<QVBoxLayout*>(layout())->addWidget(button, 0, Qt::AlignRight);
    // Grow for the button and stay in the corner.
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 16, area.bottom() - height() - 16);
    }
    return button;
}
