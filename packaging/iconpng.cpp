// Renders the application icon's SVG into the PNG sizes of the icon theme, through Qt's SVG
// image plugin, so the pictures always match the drawing.
//
//   iconpng <icon.svg> <icons folder> <name> <size>...
// writes <icons folder>/<size>x<size>/apps/<name>.png for every size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: iconpng <icon.svg> <icons folder> <name> <size>...\n");
        return 2;
    }
    for (const QString& word : args.mid(4)) {
        const int size = word.toInt();
        QImageReader reader(args.at(1), "svg");
        reader.setScaledSize(QSize(size, size));
        QImage image = reader.read();
        if (size <= 0 || image.isNull()) {
            std::fprintf(stderr, "iconpng: cannot render %s at %s: %s\n", qPrintable(args.at(1)),
                         qPrintable(word), qPrintable(reader.errorString()));
            return 1;
        }
        const QString folder = args.at(2) + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(folder) ||
            !image.convertToFormat(QImage::Format_ARGB32)
                 .save(folder + QLatin1Char('/') + args.at(3) + QStringLiteral(".png"))) {
            std::fprintf(stderr, "iconpng: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
