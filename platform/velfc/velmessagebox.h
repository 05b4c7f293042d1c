#pragma once

#include <QString>

#include <functional>

class QWidget;

// Modal messages of the program. An empty title shows the product name. Every message passes
// through one handler, which tests replace to capture messages instead of showing them.
class VelMessageBox
{
public:
    enum Kind
    {
        Alert,
        Info
    };
    // Returns the button pressed (QMessageBox::StandardButton).
    using Handler = std::function<int(Kind kind, const QString& text, const QString& title)>;

    // Replaces the handler; an empty function restores the real boxes. Returns the previous one.
    static Handler setHandler(Handler handler);

    static int alert(const QString& text, const QString& title = QString(),
                     QWidget* parent = nullptr, bool modal = true);
    static int info(const QString& text, const QString& title = QString(),
                    QWidget* parent = nullptr, bool modal = true);

private:
    static int show(Kind kind, const QString& text, const QString& title, QWidget* parent,
                    bool modal);
};
