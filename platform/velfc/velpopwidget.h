#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;
class QTimer;

// A small notification near the bottom right of the screen that closes itself after
// s_delayCloseMs milliseconds (or when clicked). It never takes the focus.
class VelPopWidget : public QFrame
{
    Q_OBJECT
public:
    static int s_delayCloseMs;

    // Shows a new notification; with `autoClose` false it stays until clicked. The widget
    // deletes itself when closed.
    static VelPopWidget* showText(const QString& title, const QString& text, bool autoClose = true,
                                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // Skin mode on: the skin's style sheet draws the pop-up; off: its own plain look.
    static void setSkinMode(bool on);
    static bool skinMode();

    QString title() const;
    QString text() const;
    // Adds a button under the text; a click runs `action` and closes the notification.
    QPushButton* addButton(const QString& text, std::function<void()> action);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    VelPopWidget(const QString& title, const QString& text, Qt::Alignment alignment);

    QLabel* titleLabel = nullptr;
    QLabel* textLabel = nullptr;
    QTimer* closeTimer = nullptr;
};
