// Draws every picture of the shipped skins into their folders:
//   lumaro_skingen <skins folder>
// The pictures are committed; run this after changing a drawing and commit the result.
#include "pieces.h"
#include "skinpalette.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts only, no screen needed
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lumaro_skingen <skins folder>\n");
        return 2;
    }
    const QString skins = QDir(args.at(1)).absolutePath();
    bool ok = true;
    for (const SkinPalette& palette : skinPalettes()) {
        const QString root = skins + QLatin1Char('/') + palette.name;
        ok &= writeToolIcons(root, palette);
        ok &= writeCaptionButtons(root, palette);
        ok &= writeSliderParts(root, palette);
        ok &= writeAudioStrip(root, palette);
    }
    // The music strip may also look for its pictures directly under the skins folder; that copy
    // is neutral, since the strip shows them in grey anyway.
    ok &= writeAudioStrip(skins, skinPalettes().constFirst());
    return ok ? 0 : 1;
}
