#pragma once

#include <QDialog>

// The framework's dialog base: carries the program's window title and re-translates itself when
// the language changes.
class VelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VelDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    virtual void retranslate() {}
    virtual void updateUiState() {}

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
