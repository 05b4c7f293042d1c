#pragma once

#include "common/fileerror.h"
#include "platform/velfc/veldialog.h"

#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

// Lists the files an import could not add, one per row, each with what happened to it. The owner
// keeps one instance: it fills it after each import and calls showIfNotEmpty(); closing empties
// it for the next import.
class LoadFailedDialog : public VelDialog
{
    Q_OBJECT

public:
    explicit LoadFailedDialog(QWidget* parent);

    void addFailedFiles(const QStringList& paths);
    void addFailures(const QList<FileFailure>& failures);
    // Runs the dialog modally when it has at least one row.
    void showIfNotEmpty();
    int rowCount() const;

public slots:
    // Empties the table, then closes as rejected.
    void reject() override;
    void retranslate() override;

private:
    QLabel* mainLabel = nullptr;
    QTableWidget* tableWidget = nullptr;
    QPushButton* pushButton = nullptr;
};
