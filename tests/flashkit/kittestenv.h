#pragma once

#include "flashkit/core/flashkitrecords.h"
#include "support/testfiles.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private world for kit tests: a settings file whose workspace lies in a temporary folder, an
// application folder with a hand-made template (plain movie, self-contained movie, page) and
// three sample pictures, and helpers that put photos and music into the workspace the way the
// import does.
class KitTestEnv
{
public:
    KitTestEnv();

    bool isValid() const { return ok; }
    QString root() const { return dir.path(); }
    QString workspace() const { return dir.path() + QString("/ws"); }
    QString photos() const { return workspace() + QString("/photos/"); }
    QString music() const { return workspace() + QString("/background music/"); }
    QString appFolder() const { return dir.path() + QString("/app"); }
    QString templateFolder() const { return appFolder() + QString("/template/version1/"); }
    QString swfFolder() const { return templateFolder() + QString("SWF/"); }

    // Writes a template called `base`: a small plain movie, a self-contained variant of
    // `swfSize` bytes and a page naming the movie; returns base + ".swf".
    QString makeTemplate(const QString& base, int swfSize = 50000,
                         const QByteArray& page = QByteArray());

    // A 720 x 540 working copy `name` and its 80 x 60 thumbnail "s_" + name; returns the record.
    FlashKitPhoto makePhoto(const QString& name, int seed = 1);
    // An MP3-named file of `bytes` bytes of noise in the workspace music folder.
    FlashKitAudio makeMusic(const QString& name, int bytes);

    static QImage testPicture(int width, int height, int seed);
    static QByteArray noise(int bytes, int seed);

private:
    QTemporaryDir dir;
    bool ok = false;
};
