// Prepares the page of the "html (offline)" output: the page skeleton with the player packed
// into it. The player's code and its WebAssembly module are stored compressed (zlib, unpacked in
// the page with DecompressionStream) as base64 text; the publish worker later fills in the
// title, the notes and the movie.
//
//   offlinepack <ruffle folder> <page skeleton> <output>
//
// Which of Ruffle's files the page needs depends on the Ruffle build: the entry script, the code
// chunk that goes with the WebAssembly module built with the extensions every current browser
// has, and that module. They are named below for the build the page was tried with; the page
// records both that version and the one found, and a test compares them.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

const char* const madeFor = "0.2.0-nightly.2025.11.22";
const char* const entryScript = "ruffle.js";
const char* const chunkScript = "core.ruffle.a6ebd1473eddbb93e1e7.js";
const char* const wasmModule = "23f45c973dcbba4b204a.wasm";

bool readAll(const QString& path, QByteArray& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "offlinepack: cannot read %s\n", qPrintable(path));
        return false;
    }
    out = file.readAll();
    return true;
}

// qCompress puts Qt's own 4-byte length before the zlib stream; the browser wants the stream.
QByteArray packed(const QByteArray& data)
{
    return qCompress(data, 9).mid(4).toBase64();
}

QByteArray element(const char* id, const QByteArray& base64)
{
    return QByteArrayLiteral("<script type=\"text/plain\" id=\"") + id + "\">" + base64 +
           QByteArrayLiteral("</script>\n");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: offlinepack <ruffle folder> <page skeleton> <output>\n");
        return 2;
    }
    const QString ruffle = args.at(1) + QLatin1Char('/');
    QByteArray version, entry, chunk, wasm, page;
    if (!readAll(ruffle + QStringLiteral(".version"), version) ||
        !readAll(ruffle + QLatin1String(entryScript), entry) ||
        !readAll(ruffle + QLatin1String(chunkScript), chunk) ||
        !readAll(ruffle + QLatin1String(wasmModule), wasm) || !readAll(args.at(2), page)) {
        std::fprintf(stderr,
                     "offlinepack: the Ruffle build in %s is not the one the offline "
                     "page was made for (%s)\n",
                     qPrintable(args.at(1)), madeFor);
        return 1;
    }
    version = version.trimmed();
    if (version != madeFor)
        std::fprintf(stderr,
                     "offlinepack: warning: Ruffle %s found, the offline page was made for %s\n",
                     version.constData(), madeFor);

    const QByteArray player =
        QByteArrayLiteral("<script type=\"text/plain\" id=\"lumaro-player\" data-version=\"") +
        version + "\" data-made-for=\"" + madeFor + "\" data-wasm=\"" + wasmModule +
        "\"></script>\n" + element("lumaro-chunk", packed(chunk)) +
        element("lumaro-main", packed(entry)) + element("lumaro-wasm", packed(wasm));
    const QByteArray token = QByteArrayLiteral("{{PLAYER}}");
    if (page.count(token) != 1) {
        std::fprintf(stderr, "offlinepack: %s must name {{PLAYER}} once\n", qPrintable(args.at(2)));
        return 1;
    }
    page.replace(token, player);

    QSaveFile out(args.at(3));
    if (!out.open(QIODevice::WriteOnly) || out.write(page) != page.size() || !out.commit()) {
        std::fprintf(stderr, "offlinepack: cannot write %s\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
