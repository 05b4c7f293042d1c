#include "flashkit/core/offlinepage.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray movieToken = QByteArrayLiteral("{{MOVIE}}");
// Base64 turns every 3 bytes into 4 characters: pieces of a multiple of 3 bytes concatenate to
// the encoding of the whole.
constexpr qint64 pieceBytes = 3 * 256 * 1024;

bool writeAll(QSaveFile& out, const QByteArray& data)
{
    return out.write(data) == data.size();
}

} // namespace

QString OfflinePage::skeletonPath(const QString& templateFolder)
{
    return QDir::cleanPath(templateFolder + QStringLiteral("/../offline.html"));
}

bool OfflinePage::write(const QString& skeleton, const QString& moviePath, const QString& pagePath,
                        const QString& title, bool withMusic, const std::atomic<bool>* stop,
                        QString* error)
{
    auto failed = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    auto stopped = [stop] { return stop && stop->load(); };
    if (error)
        error->clear();

    QFile source(skeleton);
    if (!source.open(QIODevice::ReadOnly))
        return failed(tr("Cannot read %1").arg(skeleton));
    QByteArray page = source.readAll();
    source.close();
    // A skeleton without its player or its movie slot would give a page that silently shows
    // nothing.
    if (page.count(movieToken) != 1 || !page.contains("id=\"lumaro-wasm\""))
        return failed(tr("%1 is not an offline page skeleton").arg(skeleton));

    const QString note =
        withMusic ? QStringLiteral("<div id=\"note\"><span>%1</span></div>")
                        .arg(tr("Click or press a key to start the music.").toHtmlEscaped())
                  : QString();
    page.replace("{{TITLE}}", title.toHtmlEscaped().toUtf8());
    page.replace("{{NOTE}}", note.toUtf8());
    page.replace("{{PROBLEM}}",
                 tr("This slideshow needs a current web browser with JavaScript turned on.")
                     .toHtmlEscaped()
                     .toUtf8());
    const qsizetype at = page.indexOf(movieToken);

    QFile movie(moviePath);
    if (!movie.open(QIODevice::ReadOnly))
        return failed(tr("Cannot read %1").arg(moviePath));
    QSaveFile out(pagePath);
    if (!out.open(QIODevice::WriteOnly))
        return failed(tr("Cannot write %1").arg(pagePath));
    bool ok = writeAll(out, page.left(at));
    QByteArray carry;
    while (ok && !movie.atEnd()) {
        if (stopped()) {
            out.cancelWriting();
            return false;
        }
        QByteArray piece = carry + movie.read(pieceBytes);
        if (movie.error() != QFileDevice::NoError) {
            out.cancelWriting();
            return failed(tr("Cannot read %1").arg(moviePath));
        }
        const qsizetype whole = movie.atEnd() ? piece.size() : piece.size() / 3 * 3;
        carry = piece.mid(whole);
        piece.truncate(whole);
        ok = writeAll(out, piece.toBase64());
    }
    ok = ok && writeAll(out, page.mid(at + movieToken.size()));
    if (!ok) {
        out.cancelWriting();
        return failed(tr("Cannot write %1").arg(pagePath));
    }
    if (stopped()) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return failed(tr("Cannot write %1").arg(pagePath));
    return true;
}
