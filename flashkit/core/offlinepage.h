#pragma once

#include <QCoreApplication>
#include <QString>

#include <atomic>

// The "html (offline)" output: one HTML file that holds the player and the self-contained movie
// and plays when opened straight from disk, without a web server or a network. The build packs
// the player into a skeleton page (template/offline.html); this fills in the title, the notes
// and the movie as base64 text, streaming so that only pieces of the movie are held in memory.
class OfflinePage
{
    Q_DECLARE_TR_FUNCTIONS(OfflinePage)

public:
    // The skeleton beside the template folders: `templateFolder` is ".../template/version1/".
    static QString skeletonPath(const QString& templateFolder);

    // Writes `pagePath` from `skeleton` and the movie at `moviePath`. The page appears only
    // once it is complete; a stop request or a failure leaves nothing behind. `withMusic` adds
    // the note that the music starts after a click or a key. On failure `error` says why; a
    // stopped run returns false with `error` empty.
    static bool write(const QString& skeleton, const QString& moviePath, const QString& pagePath,
                      const QString& title, bool withMusic, const std::atomic<bool>* stop,
                      QString* error);
};
