#include "app/previewflow.h"

#include "audio/audioeditdialog.h"
#include "audio/soundplayer.h"
#include "common/logfile.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "flashkit/core/iflashkitinterface.h"
#include "platform/flashplayer/flashplayerwidget.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>

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
    connect(show, &Slideshow::templateChanged, this, [this] {
        if (choosingTemplate)
            return;
        stopMusic();
        loadTemplateMovie();
    });
}

PreviewFlow::~PreviewFlow() = default;

void PreviewFlow::setTemplateFromPicture(const QString& picturePath)
{
    const QScopedValueRollback<bool> choosing(choosingTemplate, true);
    if (picturePath.isEmpty())
        show->setTemplate(QString(), QString());
    else
        show->setTemplate(QFileInfo(picturePath).completeBaseName(),
                          movieBesidePicture(picturePath));
}

void PreviewFlow::loadTemplateMovie()
{
    flash->clear();
    flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
    flash->dynamicCall("LoadMovie(long,string)", 0, show->templateMoviePath());
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
    const QString movieName = show->templateName() + QStringLiteral(".swf");
    // Every step runs even after one failed, as the kit expects its calls in this order.
    const bool cleared = kit->clear();
    const bool photosAdded = kit->addPhotos(show->photoEntries());
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
    const Slideshow::MusicOptions music = show->musicOptions();
    if (!show->clips().isEmpty()) {
        audioPreview =
            std::make_unique<SoundPlayer>(window, true, music.fadeIn, music.fadeOut, music.loop);
        audioPreview->playAll(show->clips());
    }
    previewButton->setEnabled(true);
}

bool PreviewFlow::editMusic()
{
    stopMusic();
    // The movie is let go while the clips are edited (its own sound would play over them), then
    // the template's own movie comes back, also after a preview whose build failed and left the
    // control cleared.
    flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
    flash->dynamicCall("SetMovie(const QString&)", QStringLiteral("0"));
    AudioEditDialog dialog(show->clips(), show->musicOptions(), window);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    flash->dynamicCall("SetMovie(const QString&)", show->templateMoviePath());
    if (accepted)
        show->editMusic(dialog.editedList(), dialog.musicOptions());
    return accepted;
}
