#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

class QTableWidget;

// The panel from which the user picks a gallery template: picture above name, two columns.
class MenuTemplateSelectionFrame : public QFrame
{
    Q_OBJECT
public:
    explicit MenuTemplateSelectionFrame(QWidget* parent = nullptr);

    void fillTemplates(int columns);
    QString firstTemplatePath() const;
    // Selects the template named `baseName` (as the kit knows it, "Magic Cube") as if clicked,
    // and returns its picture's path; empty, and the selection kept, when it is not installed.
    QString selectTemplate(const QString& baseName);
    // Shows `baseName` as the chosen one without announcing it: the slideshow's template changed
    // elsewhere (Undo, Redo). Nothing changes when it is not installed.
    void showTemplate(const QString& baseName);
    static QString templatePath(int version, const QString& fileName);
    QString displayName(const QString& baseName) const;

signals:
    void templateSelectionChanged(const QString& path);

public slots:
    void onSelectionChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    QString firstPath;
    QTableWidget* table = nullptr;
    QStringList pictures;
};
