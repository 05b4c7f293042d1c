#pragma once

#include <QColor>
#include <QString>
#include <QUrl>

// The page that hosts one movie in Ruffle. It is generated in memory (the application folder may
// be read-only) and reports back through document.title: reportPrefix + "loaded" once the movie's
// header has been read, reportPrefix + "failed:" + reason when Ruffle or the movie fails.
struct FlashHostPage
{
    QUrl ruffleScript; // ruffle.js
    QUrl movie;        // the SWF
    QUrl base;         // folder the movie's relative URLs resolve against (trailing slash)
    QColor background;
    QString reportPrefix;

    QString html() const;
};
