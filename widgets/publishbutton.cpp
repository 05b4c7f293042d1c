#include "widgets/publishbutton.h"

#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>

namespace {
// The skin folder in use: the framework's skin root plus the stored skin name.
QString currentSkinFolder()
{
    VelPref* pref = VelPref::instance();
    const QString skin = pref->value(QString::fromLatin1(PrefKey::LastSkin)).toString();
    if (skin.isEmpty())
        return pref->skinDir();
    return pref->skinDir() + QLatin1Char('/') + skin;
}

// A style sheet's own url() is looked up from the process's current folder, which is never the
// skin folder, so a base name the skin gives relative to its folder is anchored there. Absolute
// paths (the framework resolves url() values of the skin's style sheet) and resources pass as is.
QString anchoredBaseName(const QString& base)
{
    if (base.isEmpty() || base.startsWith(QLatin1Char(':')) || QDir::isAbsolutePath(base))
        return base;
    return currentSkinFolder() + QLatin1Char('/') + base;
}

// The caption is part of the picture, so a language the skin has no picture for would leave an
// invisible button. Try the exact name, then its language part ("de_DE" -> "de"), then English.
QString languageWithPicture(const QString& base, const QString& language)
{
    if (base.isEmpty())
        return language;
    QStringList candidates{language};
    const QString shortName =
        language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    if (shortName != language)
        candidates << shortName;
    candidates << QStringLiteral("en");
    for (const QString& candidate : std::as_const(candidates)) {
        if (QFileInfo::exists(base + QLatin1Char('_') + candidate + QStringLiteral(".png")))
            return candidate;
    }
    return language;
}

// The picture's path goes into the style sheet as is; only a path holding a quote, a bracket or a
// backslash (an installation folder may) is quoted, since the style parser would stop at those.
QString styleSheetUrl(const QString& file)
{
    static const QRegularExpression awkward(QStringLiteral(R"(["'()\\])"));
    if (!file.contains(awkward))
        return file;
    QString quoted = file;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

PublishButton::PublishButton(QWidget* parent) : QToolButton(parent)
{
    connect(this, &PublishButton::stateChanged, this, &PublishButton::setImage);
    connect(this, &QAbstractButton::pressed, this, &PublishButton::slotPressed);
    connect(this, &QAbstractButton::released, this, &PublishButton::slotReleased);
}

void PublishButton::setLanguage(const QString& name)
{
    language = name;
    emit stateChanged();
}

void PublishButton::setBorderImage(const QString& name)
{
    borderImage = name;
}

void PublishButton::setDisabledBorderImage(const QString& name)
{
    disabledBorderImage = name;
}

void PublishButton::setPressedBorderImage(const QString& name)
{
    pressedBorderImage = name;
}

void PublishButton::setDisabled(bool disabled)
{
    QToolButton::setDisabled(disabled);
    state = disabled ? 1 : 0;
    emit stateChanged();
}

void PublishButton::setEnabled(bool enabled)
{
    QToolButton::setEnabled(enabled);
    state = enabled ? 0 : 1;
    emit stateChanged();
}

void PublishButton::slotPressed()
{
    state = 2;
    emit stateChanged();
}

void PublishButton::slotReleased()
{
    state = 0;
    emit stateChanged();
}

void PublishButton::setImage()
{
    QString base;
    switch (state) {
    case 0:
        base = borderImage;
        break;
    case 2:
        base = pressedBorderImage;
        break;
    default:
        base = disabledBorderImage;
        break;
    }
    // Until the skin has named a picture for this state there is nothing to show; an empty name
    // would only send the style engine after a file called "_<language>.png".
    base = anchoredBaseName(base);
    const QString file =
        base + QLatin1Char('_') + languageWithPicture(base, language) + QStringLiteral(".png");
    const QString sheet = base.isEmpty()
                              ? QString()
                              : QStringLiteral("background-image:url(%1)").arg(styleSheetUrl(file));
    if (sheet == styleSheet())
        return;
    applyingImage = true;
    setStyleSheet(sheet);
    applyingImage = false;
}

bool PublishButton::event(QEvent* event)
{
    const bool handled = QToolButton::event(event);
    // The skin's properties usually arrive when the button is first polished or when another skin
    // is applied, after the main window has already set the language: show that skin's picture
    // for the current state instead of waiting for the next state change.
    if (!applyingImage && !language.isNull() &&
        (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange))
        setImage();
    return handled;
}

void PublishButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!hasFocus())
        return;
    // The picture fills the button edge to edge, so a border would be lost in it: the focus
    // ring goes inside, in white, which reads on every skin's button colour.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 230), 2, Qt::DotLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(5, 5, -5, -5), 5, 5);
}
