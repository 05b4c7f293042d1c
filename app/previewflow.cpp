#include "app/previewflow.h"

#include "app/slideshow.h"
#include "flashkit/core/iflashkitinterface.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velmplayer/velmediapreviewwidget.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>

namespace {
// The template's movie lies beside its picture under the same base name.
QString movieBesidePicture(const QString& picturePath)
{
    const QFileInfo info(picturePath);
    return QDir::toNativeSeparators(
        info.dir().filePath(info.completeBaseName() + QStringLiteral(".swf")));
}
} // namespace

PreviewFlow::PreviewFlow(QWidget* window, FlashPlayerWidget* flash, QAbstractButton* previewButton,
                         IFlashKitInterface* kit, Slideshow* show)
    : QObject(window), window(window), flash(flash), previewButton(previewButton), kit(kit),
      show(show)
{
}

PreviewFlow::~PreviewFlow() = default;

void PreviewFlow::setTemplateFromPicture(const QString& picturePath)
{
    if (picturePath.isEmpty()) {
        show->templateName.clear();
        show->templateMoviePath.clear();
        return;
    }
    show->templateName = QFileInfo(picturePath).completeBaseName();
    show->templateMoviePath = movieBesidePicture(picturePath);
}

void PreviewFlow::loadTemplateMovie()
{
    flash->clear();
    flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
    flash->dynamicCall("LoadMovie(long,string)", 0, show->templateMoviePath);
}

void PreviewFlow::selectTemplate(const QString& picturePath)
{
    stopMusic();
    setTemplateFromPicture(picturePath);
    loadTemplateMovie();
}

void PreviewFlow::stopMusic()
{
    if (audioPreview && audioPreview->isPlaying())
        audioPreview->stop();
}

bool PreviewFlow::isMusicPlaying() const
{
    return audioPreview && audioPreview->isPlaying();
}

void PreviewFlow::preview()
{
    // Building the preview resources and playing the music arrive with the sound player.
}

bool PreviewFlow::editMusic(QList<AudioInfo>*)
{
    stopMusic();
    // The movie is let go while the clips are edited, then shown again. The edit dialog itself
    // joins here once it exists; until then the clips stay as they are.
    flash->dynamicCall("SetMovie(const QString&)", QStringLiteral("0"));
    flash->dynamicCall("SetMovie(const QString&)", show->templateMoviePath);
    return false;
}
