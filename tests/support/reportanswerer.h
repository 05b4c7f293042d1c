#pragma once

#include "widgets/loadfaileddialog.h"

#include <QApplication>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>

// Answers every load-failed report that opens while it lives, keeping the paths it listed and
// the reasons given beside them.
class ReportAnswerer : public QObject
{
public:
    int shown = 0;
    QStringList rows;
    QStringList reasons;

    ReportAnswerer()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto* report = qobject_cast<LoadFailedDialog*>(QApplication::activeModalWidget());
            if (!report)
                return;
            ++shown;
            auto* table = report->findChild<QTableWidget*>(QStringLiteral("tableWidget"));
            for (int row = 0; table && row < table->rowCount(); ++row) {
                rows << table->item(row, 0)->text();
                const QTableWidgetItem* reason = table->item(row, 1);
                reasons << (reason ? reason->text() : QString());
            }
            report->reject();
        });
        timer.start(20);
    }

private:
    QTimer timer;
};
