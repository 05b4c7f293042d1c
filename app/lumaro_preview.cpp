// The preview area: the selected template's own movie, and the preview of the slideshow.
#include "app/lumaro.h"
#include "app/lumaro_form.h"
#include "flashkit/menutemplateselectionframe.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velmplayer/velmediapreviewwidget.h"

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

void Lumaro::setTemplateFromPicture(const QString& picturePath)
{
    if (picturePath.isEmpty()) {
        templateName.clear();
        templateMoviePath.clear();
        return;
    }
    templateName = QFileInfo(picturePath).completeBaseName();
    templateMoviePath = movieBesidePicture(picturePath);
}

void Lumaro::selectInitialTemplate()
{
    ui->templateFrame->fillTemplates(2);
    setTemplateFromPicture(ui->templateFrame->firstTemplatePath());
}

void Lumaro::loadTemplateMovie()
{
    ui->widget->clear();
    ui->widget->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
    ui->widget->dynamicCall("LoadMovie(long,string)", 0, templateMoviePath);
}

void Lumaro::onTemplateSelectionChanged(const QString& path)
{
    if (audioPreview && audioPreview->isPlaying())
        audioPreview->stop();
    setTemplateFromPicture(path);
    loadTemplateMovie();
}

void Lumaro::on_previewBtn_clicked()
{
    // Building the preview resources and playing the music come with the preview flow.
}

void Lumaro::on_editMusic_clicked()
{
    if (audioPreview && audioPreview->isPlaying())
        audioPreview->stop();
    // The movie is let go while the clips are edited, then shown again. The edit dialog itself
    // joins here once it exists; until then the clips stay as they are.
    ui->widget->dynamicCall("SetMovie(const QString&)", QStringLiteral("0"));
    ui->widget->dynamicCall("SetMovie(const QString&)", templateMoviePath);
}
