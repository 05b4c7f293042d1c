#include "platform/velmplayer/velmediapreviewwidget.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString clockText(double seconds)
{
    const qint64 s = seconds > 0 ? static_cast<qint64>(seconds) : 0;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s % 3600) / 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

VelMediaPreviewWidget::VelMediaPreviewWidget(QWidget* parent, Qt::WindowFlags flags,
                                             bool showDisplay, bool showControls, void* creator)
    : QWidget(parent, flags), playerCreator(creator)
{
    mediaPlayer = new VelmPlayer(this);

    display = new QWidget(this);
    display->setObjectName(QStringLiteral("displayArea"));
    titleLabel = new QLabel(display);
    auto* displayLayout = new QHBoxLayout(display);
    displayLayout->setContentsMargins(0, 0, 0, 0);
    displayLayout->addWidget(titleLabel);

    controls = new QWidget(this);
    controls->setObjectName(QStringLiteral("controlArea"));
    playButton = new QPushButton(tr("Play"), controls);
    stopButton = new QPushButton(tr("Stop"), controls);
    auto* controlLayout = new QHBoxLayout(controls);
    controlLayout->setContentsMargins(0, 0, 0, 0);
    controlLayout->addWidget(playButton);
    controlLayout->addWidget(stopButton);

    status = new QWidget(this);
    status->setObjectName(QStringLiteral("statusArea"));
    positionLabel = new QLabel(clockText(0), status);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->addWidget(positionLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(display);
    layout->addWidget(controls);
    layout->addWidget(status);

    display->setVisible(showDisplay);
    controls->setVisible(showControls);

    connect(playButton, &QPushButton::clicked, this, &VelMediaPreviewWidget::togglePlay);
    connect(stopButton, &QPushButton::clicked, this, &VelMediaPreviewWidget::stop);
    connect(mediaPlayer, &VelmPlayer::stateChanged, this, &VelMediaPreviewWidget::stateChanged);
    connect(mediaPlayer, &VelmPlayer::stateChanged, this, &VelMediaPreviewWidget::updateDisplay);
    if (VelmDataReceiverThread* receiver = mediaPlayer->dataReceiverThread()) {
        connect(receiver, &VelmDataReceiverThread::progressChanged, this,
                &VelMediaPreviewWidget::updatePosition);
        connect(receiver, &VelmDataReceiverThread::currentUrlPlayingFinished, this,
                &VelMediaPreviewWidget::updateDisplay);
    }
    updateDisplay();
}

VelMediaPreviewWidget::~VelMediaPreviewWidget()
{
    // A derived player is already gone: its slots must not hear about this last stop.
    disconnect(mediaPlayer, nullptr, this, nullptr);
    mediaPlayer->stop();
}

void VelMediaPreviewWidget::clearUrls(bool keepCurrent)
{
    mediaPlayer->clear(keepCurrent);
}

void VelMediaPreviewWidget::addUrl(const QString& path, const QString& title, qint64 startMs,
                                   qint64 endMs, qint64 tag, bool fromList, const QVariant& data)
{
    VelmClip clip;
    clip.path = path;
    clip.title = title;
    clip.startMs = startMs;
    clip.endMs = endMs;
    clip.tag = tag;
    clip.fromList = fromList;
    clip.data = data;
    mediaPlayer->add(clip);
}

int VelMediaPreviewWidget::urlCount() const
{
    return mediaPlayer->clips().size();
}

void VelMediaPreviewWidget::play()
{
    if (mediaPlayer->state() == VelmPlayer::Stopped) {
        if (mediaPlayer->clips().isEmpty())
            return;
        bool ok = true;
        emit aboutToPlay(ok);
        if (!ok)
            return;
    }
    mediaPlayer->play();
}

void VelMediaPreviewWidget::pause()
{
    mediaPlayer->pause();
}

void VelMediaPreviewWidget::stop()
{
    mediaPlayer->stop();
}

bool VelMediaPreviewWidget::isPlaying() const
{
    return mediaPlayer->isPlaying();
}

bool VelMediaPreviewWidget::isPaused() const
{
    return mediaPlayer->isPaused();
}

void VelMediaPreviewWidget::setPos(int seconds)
{
    mediaPlayer->setPos(seconds);
}

void VelMediaPreviewWidget::setVolume(int volume)
{
    mediaPlayer->setVolume(volume);
}

int VelMediaPreviewWidget::volume() const
{
    return mediaPlayer->volume();
}

void VelMediaPreviewWidget::togglePlay()
{
    if (isPlaying())
        pause();
    else
        play();
}

void VelMediaPreviewWidget::updateDisplay()
{
    playButton->setText(isPlaying() ? tr("Pause") : tr("Play"));
    const QList<VelmClip> clips = mediaPlayer->clips();
    const int index = mediaPlayer->currentIndex();
    if (index >= 0 && index < clips.size()) {
        const VelmClip& clip = clips.at(index);
        titleLabel->setText(clip.title.isEmpty() ? QFileInfo(clip.path).fileName() : clip.title);
    } else {
        titleLabel->clear();
    }
    if (!isPlaying() && !isPaused())
        positionLabel->setText(clockText(0));
}

void VelMediaPreviewWidget::updatePosition()
{
    positionLabel->setText(clockText(mediaPlayer->position()));
}
