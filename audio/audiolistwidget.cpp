#include "audio/audiolistwidget.h"

#include "common/mediaformats.h"

#include <QDir>
#include <QFileInfo>
#include <QScrollBar>

#include <algorithm>

AudioListWidget::AudioListWidget(QWidget* parent) : QListWidget(parent) {}

void AudioListWidget::addAudio(const AudioInfo& info)
{
    const int row = qBound(0, insertRow, static_cast<int>(clips.size()));
    clips.insert(row, info);
    insertItem(row, new QListWidgetItem);
    insertRow = row + 1;
}

void AudioListWidget::updateAudioList()
{
    insertRow = count();
    relayoutItems();
    emit audioListChanged(clips);
}

void AudioListWidget::setAudioList(const QList<AudioInfo>& list)
{
    clear();
    clips.clear();
    insertRow = 0;
    for (const AudioInfo& info : list)
        addAudio(info);
    updateAudioList();
}

void AudioListWidget::clearAudioList()
{
    clear();
    clips.clear();
    updateAudioList();
}

void AudioListWidget::deleteSelectedAudio()
{
    QList<int> rows;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : indexes)
        rows << index.row();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        delete takeItem(*it);
        clips.removeAt(*it);
    }
    updateAudioList();
}

int AudioListWidget::contentWidth() const
{
    if (count() == 0)
        return 0;
    return visualItemRect(item(count() - 1)).right() + horizontalScrollBar()->value();
}

void AudioListWidget::retranslate()
{
    relayoutItems();
}

void AudioListWidget::relayoutItems()
{
    for (int row = 0; row < count(); ++row) {
        const AudioInfo& clip = clips.at(row);
        const QString name = QDir::toNativeSeparators(QFileInfo(clip.filePath).fileName());
        const QString text = QStringLiteral("#%1 %2 | %3")
                                 .arg(row + 1)
                                 .arg(name, formatTime(static_cast<qint64>(clip.clipLength())));
        QListWidgetItem* it = item(row);
        it->setSizeHint(QSize(220, 32));
        it->setText(text);
        it->setToolTip(text);
    }
}
