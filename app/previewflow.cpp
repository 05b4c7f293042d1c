#include "app/previewflow.h"

#include "app/slideshow.h"
#include "audio/audioeditdialog.h"
#include "audio/soundplayer.h"
#include "common/logfile.h"
#include "common/workspace.h"
#include "flashkit/core/iflashkitinterface.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velfc/core/velpref.h"

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
    previewButton->setEnabled(false);
    flash->clear();
    const QString movieName = show->templateName + QStringLiteral(".swf");
    // Every step runs even after one failed, as the kit expects its calls in this order.
    const bool cleared = kit->clear();
    const bool photosAdded = kit->addPhotos(show->photoEntries);
    const bool templateSet = kit->setTemplate(movieName);
    const bool built = kit->createPreviewResource();
    if (cleared && photosAdded && templateSet && built) {
        flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
        flash->dynamicCall(
            "LoadMovie(long,string)", 0,
            QDir::toNativeSeparators(workspaceFolder() + QLatin1Char('/') + movieName));
    } else {
        LUMARO_LOG("");
    }

    audioPreview.reset();
    VelPref* pref = VelPref::instance();
    const bool fadeIn = pref->value(PrefKey::IsFadeIn, PrefDefault::IsFadeIn).toBool();
    const bool fadeOut = pref->value(PrefKey::IsFadeOut, PrefDefault::IsFadeOut).toBool();
    const bool loop = pref->value(PrefKey::IsLoop, PrefDefault::IsLoop).toBool();
    if (!show->audioList.isEmpty()) {
        audioPreview = std::make_unique<SoundPlayer>(window, true, fadeIn, fadeOut, loop);
        audioPreview->playAll(show->audioList);
    }
    previewButton->setEnabled(true);
}

bool PreviewFlow::editMusic(QList<AudioInfo>* edited)
{
    stopMusic();
    // The movie is let go while the clips are edited (its own sound would play over them), then
    // the template's own movie comes back, also after a preview whose build failed and left the
    // control cleared.
    flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
    flash->dynamicCall("SetMovie(const QString&)", QStringLiteral("0"));
    AudioEditDialog dialog(show->audioList, window);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    flash->dynamicCall("SetMovie(const QString&)", show->templateMoviePath);
    if (accepted && edited)
        *edited = dialog.editedList();
    return accepted;
}
