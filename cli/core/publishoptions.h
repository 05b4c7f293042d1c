#pragma once

#include "document/projectfile.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// One --music argument: the file and, when given as FILE@START-END, the part of it to play.
struct MusicOption
{
    QString path;
    double start = -1; // seconds; negative: from the beginning
    double end = -1;   // seconds; negative: to the end
};

// What lumaro-publish was asked to do, checked as far as it can be without reading any file.
struct PublishOptions
{
    enum class Action
    {
        Publish,
        Help,
        Version,
        ListTemplates,
        UsageError
    };

    Action action = Action::Publish;
    QString error; // the usage error, with Action::UsageError

    QString templateName;
    int profile = 1;
    int quality = 85;
    int photoSize = 0; // a PhotoSize::Choice: standard, hd, fullhd
    QString name = QStringLiteral("My Flash");
    QString output; // absolute, clean
    QList<MusicOption> music;
    bool fadeIn = false;
    bool fadeOut = false;
    bool loop = true;
    bool strict = false;
    int videoHeight = 1080;  // the video profile's frame height: 1080 or 720
    int secondsPerPhoto = 4; // the video profile's: 2..10, 0 = fit to the music
    QStringList photos;      // files and folders, as given

    // --project: the saved slideshow to publish (absolute, clean). Its photos with their turns
    // come in place of `photos`; what the project could not use is in `leftOut` ("file (reason)").
    QString project;
    QList<ProjectPhoto> projectPhotos;
    QStringList leftOut;

    // What the command line set itself; the project fills in the rest.
    struct Given
    {
        bool templateName = false;
        bool profile = false;
        bool quality = false;
        bool name = false;
        bool output = false;
        bool music = false;
        bool fadeIn = false;
        bool fadeOut = false;
        bool loop = false;
        bool photoSize = false;
        bool videoHeight = false;
        bool secondsPerPhoto = false;
    } given;
};

class PublishCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(PublishCommandLine)
public:
    // `arguments` includes the program name first. `templates` are the installed template names;
    // the first is the default. `defaultOutput` is used without --output; relative paths are
    // taken from `workingFolder`.
    static PublishOptions parse(const QStringList& arguments, const QStringList& templates,
                                const QString& defaultOutput, const QString& workingFolder);
    // `options` (parsed with --project) completed from the project read from it: every setting
    // the command line left out is the project's, as the window would publish it; --music
    // replaces its clips. A usage error when a setting the project holds cannot be used here
    // (a template that is not installed, an output folder that is a file).
    static PublishOptions withProject(PublishOptions options, const Project& project,
                                      const QStringList& leftOut, const QStringList& templates);

    // "xml" 0, "swf" 1, "swf+html" 2, "html" 3, "video" 4; -1 for anything else.
    static int profileValue(const QString& word);
    // FILE or FILE@START-END (either number may be left out). False with `error` set when the
    // range is given but is no range.
    static bool parseMusic(const QString& text, MusicOption& music, QString& error);

    static QString helpText();
    static QString versionText();
};
