#include "audio/audiolistwidget.h"

#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "platform/velfc/core/velpref.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>

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
    setAccessibleName(tr("Music"));
    editAction->setText(tr("Edit Audio"));
    deleteAction->setText(tr("Delete"));
    clearAction->setText(tr("Clear"));
}

void AudioListWidget::setDocument(Slideshow* show)
{
    if (doc)
        doc->disconnect(this);
    doc = show;
    if (doc) {
        connect(doc, &Slideshow::clipsInserted, this, &AudioListWidget::insertItems);
        connect(doc, &Slideshow::clipsRemoved, this, &AudioListWidget::removeItems);
        connect(doc, &Slideshow::clipsReset, this, &AudioListWidget::resetItems);
    }
    resetItems();
}

void AudioListWidget::insertItems(int first, int count)
{
    for (int row = first; row < first + count; ++row) {
        auto* item = new QListWidgetItem;
        tagItem(item);
        insertItem(row, item);
    }
    relayoutItems(); // the bars after them are numbered anew
}

void AudioListWidget::removeItems(int first, int count)
{
    for (int i = 0; i < count; ++i)
        delete takeItem(first);
    relayoutItems();
}

// The whole list changed (Edit Audio, undone steps, another slideshow): clips carry no identity
// of their own, so the selection goes.
void AudioListWidget::resetItems()
{
    clear();
    if (doc)
        insertItems(0, int(doc->clips().size()));
}

void AudioListWidget::deleteSelectedAudio()
{
    const QList<int> rows = sortedSelectedRows();
    if (rows.isEmpty() || !doc)
        return; // the menu never offers it; the window's button is off then
    doc->removeClips(rows);
    int lowest = rows.first();
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
    if (!doc)
        return;
    for (int row = 0; row < count() && row < doc->clips().size(); ++row) {
        item(row)->setToolTip(toolTipOf(row, doc->clips().at(row)));
        item(row)->setData(Qt::AccessibleTextRole, accessibleTextOf(row, doc->clips().at(row)));
    }
}

QString AudioListWidget::accessibleTextOf(int row, const AudioInfo& info)
{
    return tr("Clip %1, %2, %3 to %4")
        .arg(row + 1)
        .arg(QFileInfo(info.filePath).fileName(), clipTime(info.startPoint),
             clipTime(info.endPoint));
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
    if (!doc || count() != doc->clips().size())
        return; // between two steps of one change; the last one lays out
    const QList<AudioInfo>& clips = doc->clips();
    const QImage head = skinPicture(QStringLiteral("head.png"));
    const QImage body = skinPicture(QStringLiteral("body.png"));
    const QSize size(ItemWidth, ItemHeight);
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* it = item(row);
        it->setToolTip(toolTipOf(row, clips.at(row)));
        it->setData(Qt::AccessibleTextRole, accessibleTextOf(row, clips.at(row)));
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
    else if (action == clearAction && doc) {
        QList<int> all;
        for (int row = 0; row < doc->clips().size(); ++row)
            all << row;
        doc->removeClips(all);
    }
}

QStringList AudioListWidget::filesOf(const QList<QUrl>& urls) const
{
    return scanMediaFiles(urls, audioExtensions);
}

QString AudioListWidget::hintText() const
{
    return tr("Drag Audio File(s) Here");
}

void AudioListWidget::dropCopies(const QList<int>& rows, bool moving)
{
    if (!doc || rows.isEmpty())
        return;
    const int before = int(doc->clips().size());
    const int at = insertRow < 0 || insertRow > before ? before : insertRow;
    if (moving) {
        // The moved clips stand together in their list order before the clip that was at the
        // drop row; they stay selected.
        int landing = at;
        for (const int row : rows)
            landing -= row < at ? 1 : 0;
        doc->moveClips(rows, insertRow);
        selectRows(landing, int(rows.size()));
        return;
    }
    doc->copyClips(rows, insertRow);
    selectRows(at, int(doc->clips().size()) - before);
}

void AudioListWidget::dropFiles(const QStringList& files)
{
    const Imported imported = runImport(files);
    if (!doc)
        return;
    const int at = insertRow < 0 || insertRow > count() ? count() : insertRow;
    doc->addClips(at, imported.clips);
    // The first clip dropped becomes the current one, which makes this strip the active one.
    setCurrentRow(at);
    emit currentRowChanged(at);
}
