// lumaro-publish: publishes photos and music as a slideshow from the command line, with the
// same core classes as the window and no window at all.
#include "cli/core/batchpublisher.h"
#include "cli/core/progressreport.h"
#include "cli/core/publishoptions.h"
#include "document/projectfile.h"
#include "flashkit/core/installedtemplates.h"
#include "platform/velfc/core/interruptwatch.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/vellangitemmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {
// The kit's diagnostics (paths it appends, the reasons it also reports to us) are for the
// desktop program's debug channel; here they would only repeat what the run reports itself.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lumaro-publish: %s\n", text.toLocal8Bit().constData());
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    QCoreApplication app(argc, argv);
    // The desktop program's name: the language chosen there is read from its settings.
    QCoreApplication::setApplicationName(QStringLiteral("Lumaro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMARO_VERSION));
    VelLangItemModel::installTranslators();

    const QStringList templates = InstalledTemplates::names();
    PublishOptions options = PublishCommandLine::parse(QCoreApplication::arguments(), templates,
                                                       Vel::outputPath(), QDir::currentPath());
    if (options.action == PublishOptions::Action::Publish && !options.project.isEmpty()) {
        // A project that cannot be read is an input that cannot be read, not a usage error.
        QString reason;
        QStringList leftOut;
        const std::optional<Project> project =
            ProjectFile::read(options.project, &reason, &leftOut);
        if (!project) {
            print(stderr, QStringLiteral("lumaro-publish: ") + reason + QLatin1Char('\n'));
            return BatchPublisher::InputsUnreadable;
        }
        options = PublishCommandLine::withProject(options, *project, leftOut, templates);
    }
    switch (options.action) {
    case PublishOptions::Action::Help:
        print(stdout, PublishCommandLine::helpText());
        return BatchPublisher::Published;
    case PublishOptions::Action::Version:
        print(stdout, PublishCommandLine::versionText() + QLatin1Char('\n'));
        return BatchPublisher::Published;
    case PublishOptions::Action::ListTemplates:
        for (const QString& name : templates)
            print(stdout, name + QLatin1Char('\n'));
        return BatchPublisher::Published;
    case PublishOptions::Action::UsageError:
        print(stderr, QStringLiteral("lumaro-publish: ") + options.error + QLatin1Char('\n') +
                          QCoreApplication::translate("PublishCommandLine",
                                                      "Try \"lumaro-publish --help\".") +
                          QLatin1Char('\n'));
        return BatchPublisher::UsageError;
    case PublishOptions::Action::Publish:
        break;
    }

    // Our own velminfo and kvt are found before anything of the same name on the system.
    Vel::prependApplicationFolderToPath();
    InterruptWatch watch;
    ProgressReport report(stderr, ProgressReport::isTerminal(stderr));
    if (!watch.isActive())
        report.message(QCoreApplication::translate(
            "PublishCommandLine", "Interrupts cannot be watched: Ctrl-C may leave files behind."));
    BatchPublisher publisher(options, report, stdout);
    QObject::connect(&watch, &InterruptWatch::interrupted, &publisher, &BatchPublisher::interrupt);
    QObject::connect(&publisher, &BatchPublisher::finished, &app,
                     [](int code) { QCoreApplication::exit(code); });
    QTimer::singleShot(0, &publisher, &BatchPublisher::start);
    return app.exec();
}
