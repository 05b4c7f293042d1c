#include "cli/core/publishoptions.h"

#include "flashkit/core/publishtarget.h"
#include "platform/velfc/core/vel.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QStringList ProfileWords = {QStringLiteral("xml"), QStringLiteral("swf"),
                                  QStringLiteral("swf+html"), QStringLiteral("html"),
                                  QStringLiteral("video")};

PublishOptions usageError(const QString& text)
{
    PublishOptions options;
    options.action = PublishOptions::Action::UsageError;
    options.error = text;
    return options;
}

// A template named on the command line: exactly, or ignoring case when that leaves only one.
QString findTemplate(const QString& wanted, const QStringList& templates)
{
    if (templates.contains(wanted))
        return wanted;
    QStringList matches;
    for (const QString& name : templates) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            matches << name;
    }
    return matches.size() == 1 ? matches.first() : QString();
}

QString unknownTemplate(const QString& wanted, const QStringList& templates)
{
    return PublishCommandLine::tr("There is no template \"%1\". Installed templates: %2.")
        .arg(wanted, templates.join(QStringLiteral(", ")));
}

// Why `name` cannot name the slideshow, or empty.
QString nameError(const QString& name)
{
    if (name.trimmed().isEmpty())
        return PublishCommandLine::tr("The name cannot be left blank.");
    if (PublishTarget::hasForbiddenCharacter(name))
        return PublishCommandLine::tr("The name cannot contain one of these characters:%1")
            .arg(PublishTarget::forbiddenCharacters());
    // "." or ".." would publish into the output folder itself or its parent.
    return PublishTarget::nameProblem(name);
}

// Why the absolute, clean `output` cannot take the slideshow, or empty.
QString outputError(const QString& output)
{
    if (!Vel::isFolderNameValid(output, true))
        return PublishCommandLine::tr("The output folder \"%1\" is not a usable path.").arg(output);
    if (QFileInfo::exists(output) && !QFileInfo(output).isDir())
        return PublishCommandLine::tr("The output \"%1\" is a file, not a folder.").arg(output);
    return {};
}
} // namespace

int PublishCommandLine::profileValue(const QString& word)
{
    return static_cast<int>(ProfileWords.indexOf(word));
}

bool PublishCommandLine::parseMusic(const QString& text, MusicOption& music, QString& error)
{
    music = MusicOption{text, -1, -1};
    const qsizetype at = text.lastIndexOf(QLatin1Char('@'));
    // A file whose own name holds an "@" is taken as it is.
    if (at < 0 || QFileInfo(text).isFile())
        return true;
    const QString suffix = text.mid(at + 1);
    static const QRegularExpression rangeLike(QStringLiteral("^[0-9.\\s-]+$"));
    if (!rangeLike.match(suffix).hasMatch())
        return true;
    static const QRegularExpression range(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)?\\s*-\\s*(\\d+(?:\\.\\d+)?)?\\s*$"));
    const QRegularExpressionMatch match = range.match(suffix);
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(2).isEmpty())) {
        error = tr("\"%1\" is no clip range: write FILE@START-END in seconds, for example "
                   "song.mp3@10-70.")
                    .arg(text);
        return false;
    }
    music.path = text.left(at);
    if (!match.captured(1).isEmpty())
        music.start = match.captured(1).toDouble();
    if (!match.captured(2).isEmpty())
        music.end = match.captured(2).toDouble();
    if (music.path.isEmpty() || (music.end >= 0 && music.end <= qMax(0.0, music.start))) {
        error = tr("\"%1\" is no clip range: the end must come after the start.").arg(text);
        return false;
    }
    return true;
}

PublishOptions PublishCommandLine::parse(const QStringList& arguments, const QStringList& templates,
                                         const QString& defaultOutput, const QString& workingFolder)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(),
                                            QStringLiteral("name"));
    const QCommandLineOption profileOption(QStringLiteral("profile"), QString(),
                                           QStringLiteral("profile"));
    const QCommandLineOption qualityOption(QStringLiteral("quality"), QString(),
                                           QStringLiteral("quality"));
    const QCommandLineOption photoSizeOption(QStringLiteral("photo-size"), QString(),
                                             QStringLiteral("size"));
    const QCommandLineOption musicOption(QStringLiteral("music"), QString(),
                                         QStringLiteral("file"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QString(), QStringLiteral("name"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(),
                                          QStringLiteral("folder"));
    const QCommandLineOption fadeInOption(QStringLiteral("fade-in"));
    const QCommandLineOption fadeOutOption(QStringLiteral("fade-out"));
    const QCommandLineOption loopOption(QStringLiteral("loop"));
    const QCommandLineOption noLoopOption(QStringLiteral("no-loop"));
    const QCommandLineOption strictOption(QStringLiteral("strict"));
    const QCommandLineOption videoSizeOption(QStringLiteral("video-size"), QString(),
                                             QStringLiteral("height"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds-per-photo"), QString(),
                                           QStringLiteral("seconds"));
    const QCommandLineOption projectOption(QStringLiteral("project"), QString(),
                                           QStringLiteral("file"));
    const QCommandLineOption listOption(QStringLiteral("list-templates"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({templateOption, profileOption, qualityOption, musicOption, nameOption,
                       outputOption, fadeInOption, fadeOutOption, loopOption, noLoopOption,
                       strictOption, projectOption, listOption, helpOption, versionOption,
                       photoSizeOption, videoSizeOption, secondsOption});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    PublishOptions options;
    if (parser.isSet(helpOption)) {
        options.action = PublishOptions::Action::Help;
        return options;
    }
    if (parser.isSet(versionOption)) {
        options.action = PublishOptions::Action::Version;
        return options;
    }
    if (parser.isSet(listOption)) {
        options.action = PublishOptions::Action::ListTemplates;
        return options;
    }

    // Options that take one value must not be given twice: which one counts would be a guess.
    for (const QCommandLineOption& single :
         {templateOption, profileOption, qualityOption, nameOption, outputOption, projectOption,
          photoSizeOption, videoSizeOption, secondsOption}) {
        if (parser.values(single).size() > 1)
            return usageError(tr("--%1 may be given only once.").arg(single.names().first()));
    }

    if (templates.isEmpty())
        return usageError(tr("No gallery templates are installed."));
    options.templateName = templates.first();
    if (parser.isSet(templateOption)) {
        options.templateName = findTemplate(parser.value(templateOption), templates);
        if (options.templateName.isEmpty())
            return usageError(unknownTemplate(parser.value(templateOption), templates));
    }

    if (parser.isSet(profileOption)) {
        options.profile = profileValue(parser.value(profileOption));
        if (options.profile < 0)
            return usageError(tr("Unknown profile \"%1\": use xml, swf, swf+html, html or video.")
                                  .arg(parser.value(profileOption)));
    }

    if (parser.isSet(qualityOption)) {
        bool ok = false;
        options.quality = parser.value(qualityOption).trimmed().toInt(&ok);
        if (!ok || options.quality < 1 || options.quality > 100)
            return usageError(tr("The quality must be a whole number from 1 to 100, not \"%1\".")
                                  .arg(parser.value(qualityOption)));
    }

    if (parser.isSet(photoSizeOption)) {
        const QStringList sizes = {QStringLiteral("standard"), QStringLiteral("hd"),
                                   QStringLiteral("fullhd")};
        options.photoSize = sizes.indexOf(parser.value(photoSizeOption).trimmed().toLower());
        if (options.photoSize < 0)
            return usageError(tr("Unknown photo size \"%1\": use standard, hd or fullhd.")
                                  .arg(parser.value(photoSizeOption)));
    }
    if (parser.isSet(videoSizeOption)) {
        const QString height = parser.value(videoSizeOption).trimmed();
        options.videoHeight = height == QLatin1String("720") ? 720 : 1080;
        if (height != QLatin1String("720") && height != QLatin1String("1080"))
            return usageError(tr("The video size must be 1080 or 720, not \"%1\".").arg(height));
    }
    if (parser.isSet(secondsOption)) {
        const QString seconds = parser.value(secondsOption).trimmed();
        const bool fit = seconds == QLatin1String("fit");
        bool ok = fit;
        options.secondsPerPhoto = fit ? 0 : seconds.toInt(&ok);
        if (!ok || (!fit && (options.secondsPerPhoto < 2 || options.secondsPerPhoto > 10)))
            return usageError(
                tr("The seconds per photo must be a whole number from 2 to 10 or \"fit\", not "
                   "\"%1\".")
                    .arg(seconds));
    }

    if (parser.isSet(nameOption))
        options.name = parser.value(nameOption);
    if (const QString problem = nameError(options.name); !problem.isEmpty())
        return usageError(problem);

    QString output = parser.isSet(outputOption) ? parser.value(outputOption) : defaultOutput;
    if (output.isEmpty())
        return usageError(tr("The output folder cannot be left blank."));
    output = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(output));
    if (const QString problem = outputError(output); !problem.isEmpty())
        return usageError(problem);
    options.output = output;

    for (const QString& text : parser.values(musicOption)) {
        MusicOption music;
        QString error;
        if (!parseMusic(text, music, error))
            return usageError(error);
        options.music << music;
    }

    if (parser.isSet(loopOption) && parser.isSet(noLoopOption))
        return usageError(tr("--loop and --no-loop cannot be used together."));
    options.fadeIn = parser.isSet(fadeInOption);
    options.fadeOut = parser.isSet(fadeOutOption);
    options.loop = !parser.isSet(noLoopOption);
    options.strict = parser.isSet(strictOption);

    options.given = {parser.isSet(templateOption),
                     parser.isSet(profileOption),
                     parser.isSet(qualityOption),
                     parser.isSet(nameOption),
                     parser.isSet(outputOption),
                     parser.isSet(musicOption),
                     parser.isSet(fadeInOption),
                     parser.isSet(fadeOutOption),
                     parser.isSet(loopOption) || parser.isSet(noLoopOption),
                     parser.isSet(photoSizeOption),
                     parser.isSet(videoSizeOption),
                     parser.isSet(secondsOption)};

    options.photos = parser.positionalArguments();
    if (parser.isSet(projectOption)) {
        if (parser.value(projectOption).isEmpty())
            return usageError(tr("The project file cannot be left blank."));
        // Whether they would join the project's photos or replace them would be a guess.
        if (!options.photos.isEmpty())
            return usageError(tr("--project publishes the project's photos: name no photos "
                                 "after the options."));
        options.project =
            QDir::cleanPath(QDir(workingFolder).absoluteFilePath(parser.value(projectOption)));
        return options;
    }
    if (options.photos.isEmpty())
        return usageError(tr("No photos given: name photo files or folders after the options."));
    return options;
}

PublishOptions PublishCommandLine::withProject(PublishOptions options, const Project& project,
                                               const QStringList& leftOut,
                                               const QStringList& templates)
{
    const PublishOptions::Given& given = options.given;
    if (!given.templateName) {
        options.templateName = findTemplate(project.templateName, templates);
        if (options.templateName.isEmpty())
            return usageError(
                tr("The project's template \"%1\" is not installed; choose one with --template.")
                    .arg(project.templateName) +
                QLatin1Char(' ') + unknownTemplate(project.templateName, templates));
    }
    if (!given.profile)
        options.profile = project.publishing.profile;
    if (!given.quality)
        options.quality = project.publishing.quality;
    if (!given.photoSize)
        options.photoSize = project.publishing.photoSize;
    if (!given.videoHeight)
        options.videoHeight = project.publishing.videoHeight;
    if (!given.secondsPerPhoto)
        options.secondsPerPhoto = project.publishing.secondsPerPhoto;
    // An empty name or folder is what the publish settings dialog fills in itself: the
    // defaults here.
    if (!given.name && !project.publishing.name.isEmpty()) {
        if (const QString problem = nameError(project.publishing.name); !problem.isEmpty())
            return usageError(problem);
        options.name = project.publishing.name;
    }
    if (!given.output && !project.publishing.folder.isEmpty()) {
        const QString output = QDir::cleanPath(project.publishing.folder);
        if (const QString problem = outputError(output); !problem.isEmpty())
            return usageError(problem);
        options.output = output;
    }
    if (!given.fadeIn)
        options.fadeIn = project.music.fadeIn;
    if (!given.fadeOut)
        options.fadeOut = project.music.fadeOut;
    if (!given.loop)
        options.loop = project.music.loop;
    if (!given.music) {
        options.music.clear();
        for (const ProjectClip& clip : project.clips) {
            // No end (a length nobody could tell when it was saved): to the end of the file.
            options.music << MusicOption{clip.path, clip.start, clip.end > 0 ? clip.end : -1};
        }
    }
    options.projectPhotos = project.photos;
    options.leftOut = leftOut;
    return options;
}

QString PublishCommandLine::versionText()
{
    return QStringLiteral("lumaro-publish ") + QStringLiteral(LUMARO_VERSION);
}

QString PublishCommandLine::helpText()
{
    return tr("Usage: lumaro-publish [options] PHOTO|FOLDER...\n"
              "       lumaro-publish --project FILE.lumaro [options]\n"
              "Publishes photos and music as a Flash gallery slideshow, without a window.\n"
              "Folders are searched with their sub-folders. A project saved in the window is\n"
              "published as the window would; options given as well override its settings,\n"
              "--music its music.\n"
              "\n"
              "Options:\n"
              "  --template NAME         gallery template (see --list-templates)\n"
              "  --profile PROFILE       xml, swf, swf+html, html or video (MP4; the template\n"
              "                          does not apply) (default: swf)\n"
              "  --video-size HEIGHT     the video's frame: 1080 or 720 (default: 1080)\n"
              "  --seconds-per-photo N   the video's time per photo, 2-10, or \"fit\" to share\n"
              "                          the music's length (default: 4)\n"
              "  --quality N             JPEG quality of the photos, 1-100 (default: 85)\n"
              "  --photo-size SIZE       standard (720x540, the default), hd (1440x1080) or\n"
              "                          fullhd (1920x1440, for large screens)\n"
              "  --music FILE[@START-END]\n"
              "                          background music, repeatable; START and END in seconds\n"
              "  --fade-in, --fade-out   fade every clip in or out\n"
              "  --loop, --no-loop       play the music again when it ends (default: loop)\n"
              "  --name NAME             name of the slideshow (default: My Flash)\n"
              "  --output FOLDER         where the slideshow goes (default: your documents)\n"
              "  --strict                publish nothing when any input cannot be read\n"
              "  --project FILE          publish a project saved in the window (.lumaro)\n"
              "  --list-templates        list the installed templates and exit\n"
              "  -h, --help              show this help and exit\n"
              "  -v, --version           show the version and exit\n"
              "\n"
              "The published path is written to standard output, progress to standard error.\n"
              "Exit status: 0 published; 1 some inputs could not be read (they are listed);\n"
              "2 usage error; 3 publishing failed; 130/143 interrupted.\n");
}
