#include "audio/audiolistwidget.h"

#include "common/mediaformats.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int ItemWidth = 220;
constexpr int ItemHeight = 32;

// A strip picture of the skin in use, or the neutral copy beside the skins.
QImage skinPicture(const QString& name)
{
    VelPref* pref = VelPref::instance();
    const QString skin = pref->value(QString::fromLatin1(PrefKey::LastSkin)).toString();
    const QString relative = QStringLiteral("/app_lumaro/") + name;
    QImage picture;
    if (!skin.isEmpty() && picture.load(pref->skinDir() + QLatin1Char('/') + skin + relative))
        return picture;
    picture.load(pref->skinDir() + relative);
    return picture;
}

QString line(const QString& label, const QString& value)
{
    return QStringLiteral("<br /><nobr>") + label + QStringLiteral(":&nbsp;<b>") + value +
           QStringLiteral("</b><nobr/>");
}

QString clipTime(double seconds)
{
    return formatTime(static_cast<qint64>(seconds));
}
} // namespace

AudioListWidget::AudioListWidget(QWidget* parent)
    : MediaStrip(false, QStringLiteral("AudioList"), parent)
{
    contextMenu = new QMenu(this);
    editAction = contextMenu->addAction(QString());
    deleteAction = contextMenu->addAction(QString());
    clearAction = contextMenu->addAction(QString());
    retranslateMenu();
    connect(contextMenu, &QMenu::triggered, this, &AudioListWidget::slotContextMenuTriggered);
}

void AudioListWidget::retranslateMenu()
{
    editAction->setText(tr("Edit Audio"));
    deleteAction->setText(tr("Delete"));
    clearAction->setText(tr("Clear"));
}

void AudioListWidget::addAudio(const AudioInfo& info)
{
    const int row = qBound(0, insertRow, static_cast<int>(clips.size()));
    clips.insert(row, info);
    auto* item = new QListWidgetItem;
    tagItem(item);
    insertItem(row, item);
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
    const QList<QListWidgetItem*> chosen = selectedItems();
    if (chosen.isEmpty())
        return; // the menu never offers it; the window's button is off then
    int lowest = row(chosen.first());
    for (QListWidgetItem* each : chosen) {
        const int at = row(each);
        if (at < 0)
            continue;
        lowest = std::min(lowest, at);
        clips.removeAt(at);
        delete takeItem(at);
    }
    updateAudioList();
    if (lowest >= count() - 1)
        lowest = count() - 1;
    if (lowest >= 0)
        scrollToItem(item(lowest));
    setCurrentRow(lowest);
    viewport()->update();
}

void AudioListWidget::retranslate()
{
    retranslateMenu();
    for (int row = 0; row < count(); ++row)
        item(row)->setToolTip(toolTipOf(row, clips.at(row)));
}

QString AudioListWidget::barText(int row, const AudioInfo& info)
{
    const QString name = QDir::toNativeSeparators(QFileInfo(info.filePath).fileName());
    return QStringLiteral("#%1 %2 | %3").arg(row + 1).arg(name, clipTime(info.clipLength()));
}

QImage AudioListWidget::renderBar(int row, const AudioInfo& info, const QSize& size,
                                  const QFont& font, const QImage& head, const QImage& body)
{
    const int width = size.width();
    const int height = size.height();
    // Above and below the grey band the strip's own background shows, light or dark skin alike.
    QImage bar(size, QImage::Format_ARGB32);
    bar.fill(Qt::transparent);
    {
        QPainter painter(&bar);
        painter.drawImage(QRect(0, 3, head.width(), height - 6), head);
        if (head.width() < width && body.width() > 0) {
            for (int x = head.width(); x < width; x += body.width())
                painter.drawImage(QRect(x, 3, body.width(), height - 6), body);
        }
    }
    // The bar is shown in grey whatever the skin's colours: a clip reads as one neutral block.
    for (int y = 3; y < height - 3; ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(bar.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = pixels[x];
            const int grey =
                static_cast<int>(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
            pixels[x] = qRgb(grey, grey, grey);
        }
    }
    QPainter painter(&bar);
    painter.setPen(Qt::black);
    // A one-pixel outline of a QRect also covers the column and row past its right and bottom.
    painter.drawRect(QRect(QPoint(1, 3), QPoint(width - 6, height - 5)));
    painter.setFont(font);
    painter.drawText(QRect(QPoint(30, 0), QPoint(width - 1, height - 1)),
                     Qt::AlignLeft | Qt::AlignVCenter, barText(row, info));
    return bar;
}

QString AudioListWidget::toolTipOf(int row, const AudioInfo& info)
{
    const QString name = QFileInfo(info.filePath).fileName().toHtmlEscaped();
    QString tip = QStringLiteral("<nobr>#%1&nbsp;<b>").arg(row + 1) + name +
                  QStringLiteral("</b><nobr/>") +
                  line(tr("Duration"), clipTime(info.clipLength())) +
                  line(tr("Channels"), QString::number(info.channels)) +
                  line(tr("Sample Rate"), QString::number(info.sampleRate));
    if (info.startPoint != 0 || info.duration != info.endPoint)
        tip += line(tr("Start Point"), clipTime(info.startPoint)) +
               line(tr("End Point"), clipTime(info.endPoint));
    return tip;
}

void AudioListWidget::relayoutItems()
{
    const QImage head = skinPicture(QStringLiteral("head.png"));
    const QImage body = skinPicture(QStringLiteral("body.png"));
    const QSize size(ItemWidth, ItemHeight);
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* it = item(row);
        it->setToolTip(toolTipOf(row, clips.at(row)));
        it->setSizeHint(size);
        it->setData(Qt::DecorationRole, renderBar(row, clips.at(row), size, font(), head, body));
    }
    if (count() > 0) {
        // The view keeps stale item positions after rows move unless made to lay out afresh.
        setFlow(QListView::TopToBottom);
        setFlow(QListView::LeftToRight);
    }
}

void AudioListWidget::contextMenuEvent(QContextMenuEvent* event)
{
    editAction->setEnabled(count() > 0);
    clearAction->setEnabled(count() > 0);
    deleteAction->setEnabled(!selectedItems().isEmpty());
    contextMenu->popup(event->globalPos());
}

void AudioListWidget::slotContextMenuTriggered(QAction* action)
{
    if (action == editAction)
        emit editMusicTriggered();
    else if (action == deleteAction)
        deleteSelectedAudio();
    else if (action == clearAction)
        clearAudioList();
}

QStringList AudioListWidget::filesOf(const QList<QUrl>& urls) const
{
    return scanMediaFiles(urls, audioExtensions);
}

QString AudioListWidget::hintText() const
{
    return tr("Drag Audio File(s) Here");
}

void AudioListWidget::dropCopies(const QList<int>& rows, bool)
{
    QList<AudioInfo> copies;
    for (const int row : rows)
        copies.append(clips.at(row));
    emit audioListAboutToChange();
    for (const AudioInfo& info : std::as_const(copies))
        addAudio(info);
    updateAudioList();
}

void AudioListWidget::dropFiles(const QStringList& files)
{
    emit audioListAboutToChange();
    if (runImport(files))
        updateAudioList();
}

void AudioListWidget::dropDone(int dropRow)
{
    setCurrentRow(dropRow);
    emit currentRowChanged(dropRow);
}

void AudioListWidget::dragEnded(Qt::DropAction action, const QList<QPersistentModelIndex>& dragged)
{
    if (action != Qt::MoveAction)
        return;
    for (const int row : takeDragged(dragged))
        clips.removeAt(row);
    updateAudioList();
    clearSelection();
}
