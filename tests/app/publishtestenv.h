#pragma once

// A window with real photos and clips in its strips, published through the real settings
// dialog whose fields the test fills in. Shared by the publish driver's tests and the
// whole-program check.
#include "app/lumaro.h"
#include "app/publishflow.h"
#include "audio/core/audioreader.h"
#include "common/workspace.h"
#include "flashkit/publishsetting.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>
#include <QUuid>

namespace PublishTestEnv {

// A 720 x 540 working copy of one colour with its thumbnail, added to the slideshow the way the
// import leaves it.
inline ImageInfo addPhoto(Lumaro& window, const QString& source, const QColor& colour)
{
    ImageInfo info;
    info.id = QUuid::createUuid();
    info.path = source;
    info.width = 720;
    info.height = 540;
    QImage picture(720, 540, QImage::Format_RGB32);
    picture.fill(colour);
    ensurePhotoFolders();
    picture.save(workingCopyPath(info), "JPG", 95);
    picture.save(backupCopyPath(info), "JPG", 95);
    info.thumbnail = picture.scaled(80, 60);
    info.thumbnail.save(thumbnailPath(info), "JPG", 95);
    info.thumbnail.save(backupThumbnailPath(info), "JPG", 95);
    window.document()->addPhotos(-1, {info});
    return info;
}

// Reads `path` as the import does and adds it to the slideshow's clips; false when unreadable.
inline bool addClip(Lumaro& window, const QString& path, const QString& codecOverride = QString())
{
    AudioInfo info;
    info.filePath = path;
    if (!AudioReader::readAudioInfo(info))
        return false;
    if (!codecOverride.isEmpty())
        info.codecName = codecOverride;
    window.document()->addClips(-1, {info});
    return true;
}

struct Choice
{
    QString name = QStringLiteral("My Flash");
    int profileIndex = 0; // 0 "swf", 1 "xml", 2 "swf+html"
    QString destination;
    int qualityIndex = 1;
};

// Answers the next settings dialogs with `choice` (the real dialog, its OK pressed).
inline void answerSettings(Lumaro& window, const Choice& choice)
{
    window.publishFlow()->setSettingsRunner([choice](PublishSetting& dialog) {
        dialog.findChild<QLineEdit*>("publishName")->setText(choice.name);
        dialog.findChild<QComboBox*>("profileComboBox")->setCurrentIndex(choice.profileIndex);
        dialog.findChild<QComboBox*>("qualityComboBox")->setCurrentIndex(choice.qualityIndex);
        dialog.findChild<QComboBox*>("dstComboBox")->setEditText(choice.destination);
        dialog.findChild<QToolButton*>("okButton")->click();
        return dialog.result() == QDialog::Accepted;
    });
}

// Presses Publish and waits for the end; the outcome, or false after `timeoutMs`.
inline bool publishAndWait(Lumaro& window, bool* succeeded, int timeoutMs = 60000)
{
    QSignalSpy ended(window.publishFlow(), &PublishFlow::publishEnded);
    window.findChild<QToolButton*>("publishBtn")->click();
    if (ended.isEmpty() && !ended.wait(timeoutMs))
        return false;
    *succeeded = ended.first().first().toBool();
    return true;
}

} // namespace PublishTestEnv
