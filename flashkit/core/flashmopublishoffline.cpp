// The "html (offline)" profile: the self-contained movie is built in the workspace as for "swf",
// then packed into the single page in the output folder and removed again.
#include "flashkit/core/flashmopublish.h"
#include "flashkit/core/flashmores.h"
#include "flashkit/core/offlinepage.h"

#include <QFile>
#include <QFileInfo>

QString FlashmoPublish::selfContainedPath() const
{
    // Not named after the publish name: that may be the name of the preview's movie copy.
    return profile == 3 ? workFolder + QStringLiteral("offline-page-movie.swf")
                        : outputFolder + outputSwf;
}

bool FlashmoPublish::publishOfflinePage()
{
    const QString movie = selfContainedPath();
    QFile::remove(movie);
    bool ok = publishSelfContained() && !cancelled();
    if (ok) {
        QString page = outputSwf;
        page.replace(QStringLiteral(".swf"), QStringLiteral(".html"), Qt::CaseSensitive);
        QString title = page;
        title.chop(5);
        QString error;
        ok = OfflinePage::write(
            OfflinePage::skeletonPath(QFileInfo(res->templateSourcePath()).path()), movie,
            outputFolder + page, title, !res->musicList().isEmpty(), &cancel, &error);
        if (!ok && !error.isEmpty())
            fail(error);
    }
    QFile::remove(movie);
    return ok;
}
