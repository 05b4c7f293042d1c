#include "platform/flashplayer/flashplayerwidget.h"

#include "platform/flashplayer/flashhostpage.h"
#include "platform/flashplayer/flashprofile.h"
#include "platform/velfc/core/vel.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
const QLatin1String ReportTag("lumaro-flash:");
// Ruffle compiles about 13 MB of wasm before the first movie; software rendering on a busy
// machine can take a while, so only a movie that never answers counts as failed.
const int AnswerTimeoutMs = 60000;

bool isFlashControl(const QString& id)
{
    QString clsid = id.trimmed();
    if (clsid.startsWith(QLatin1Char('{')) && clsid.endsWith(QLatin1Char('}')))
        clsid = clsid.mid(1, clsid.size() - 2);
    return clsid.compare(QLatin1String("d27cdb6e-ae6d-11cf-96b8-444553540000"),
                         Qt::CaseInsensitive) == 0 ||
           clsid.compare(QLatin1String("ShockwaveFlash.ShockwaveFlash"), Qt::CaseInsensitive) == 0;
}

QByteArray functionName(const char* function)
{
    const QByteArray signature = QByteArray(function ? function : "").trimmed();
    const int paren = signature.indexOf('(');
    return paren < 0 ? signature : signature.left(paren).trimmed();
}

// A look at the file before Ruffle gets it, so that an obviously wrong or cut-off file fails at
// once: Ruffle plays a truncated movie as far as it goes and reports garbage only in its log.
// Header: "FWS" (plain), "CWS" (zlib) or "ZWS" (LZMA), version byte, then the uncompressed
// length, little-endian, header included. Bytes after the movie (as self-contained movies carry)
// are fine; fewer bytes than the movie needs are not.
QString swfProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the file: ") + file.errorString();
    const QByteArray header = file.read(8);
    const char kind = header.size() == 8 ? header.at(0) : '\0';
    if (header.size() < 8 || header.mid(1, 2) != "WS" ||
        (kind != 'F' && kind != 'C' && kind != 'Z'))
        return QStringLiteral("not a Flash movie");
    const quint32 length = quint8(header[4]) | quint8(header[5]) << 8 | quint8(header[6]) << 16 |
                           quint32(quint8(header[7])) << 24;
    const qint64 maxLength = 512 * 1024 * 1024;
    if (length < 8 || length > maxLength)
        return QStringLiteral("not a Flash movie");
    if (kind == 'F' && file.size() < length)
        return QStringLiteral("the movie is cut off");
    if (kind == 'C') {
        // qUncompress wants the expected size in front of the zlib stream. zlib never grows data
        // by more than a few bytes per kilobyte, so the stream fits in what is read here, and
        // the data a self-contained movie carries behind it is left unread.
        const quint32 body = length - 8;
        QByteArray packed;
        packed.append(char(body >> 24)).append(char(body >> 16)).append(char(body >> 8));
        packed.append(char(body)).append(file.read(qint64(body) + body / 1000 + 64));
        if (qUncompress(packed).size() < qsizetype(body))
            return QStringLiteral("the movie is cut off or damaged");
    }
    return QString();
}

QString moviePath(const QVariant& argument)
{
    const QString text = argument.toString().trimmed();
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(text).toLocalFile();
    return text;
}
} // namespace

// The movie's last picture, drawn as it was also when the widget is disabled (a label would grey
// it out).
class StillPicture : public QWidget
{
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap& shown)
    {
        picture = shown;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.drawPixmap(0, 0, picture);
    }

private:
    QPixmap picture;
};

FlashPlayerWidget::FlashPlayerWidget(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    still = new StillPicture(this);
    still->setObjectName(QStringLiteral("stillPicture"));
    still->hide(); // over the page, not in the layout: in place at once
    watchdog = new QTimer(this);
    watchdog->setSingleShot(true);
    watchdog->setInterval(AnswerTimeoutMs);
    connect(watchdog, &QTimer::timeout, this,
            [this] { failMovie(movie, QStringLiteral("no answer from the player")); });
}

FlashPlayerWidget::~FlashPlayerWidget()
{
    if (watchedWindow)
        watchedWindow->removeEventFilter(this);
}

void FlashPlayerWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateHold();
}

void FlashPlayerWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    still->setGeometry(rect());
}

void FlashPlayerWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Only the top-level window hears that a dialog blocks it.
    if (window() != watchedWindow && window() != this) {
        if (watchedWindow)
            watchedWindow->removeEventFilter(this);
        watchedWindow = window();
        watchedWindow->installEventFilter(this);
    }
}

bool FlashPlayerWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow &&
        (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)) {
        blocked = event->type() == QEvent::WindowBlocked;
        updateHold();
    }
    return QWidget::eventFilter(watched, event);
}

bool FlashPlayerWidget::holdWanted() const
{
    return blocked || !isEnabled();
}

void FlashPlayerWidget::updateHold()
{
    if (holdWanted() && !holding && view && view->isVisible()) {
        still->setPicture(view->grab());
        still->setGeometry(rect());
        still->raise();
        still->show();
        view->hide();
        holding = true;
    } else if (!holdWanted() && holding) {
        holding = false;
        if (!movie.isEmpty())
            view->show();
        dropStill();
    }
}

void FlashPlayerWidget::dropStill()
{
    still->hide();
    still->setPicture(QPixmap());
}

void FlashPlayerWidget::clear()
{
    unloadMovie();
    controlActive = false;
}

bool FlashPlayerWidget::setControl(const QString& id)
{
    if (isFlashControl(id)) {
        controlActive = true;
        return true;
    }
    clear();
    qWarning() << "FlashPlayerWidget: cannot create control" << id
               << "- only the Shockwave Flash control is available";
    return false;
}

QVariant FlashPlayerWidget::dynamicCall(const char* function, const QVariant& var1,
                                        const QVariant& var2)
{
    const QByteArray name = functionName(function);
    if (!controlActive) {
        qWarning() << "FlashPlayerWidget: no control for" << function;
        return QVariant();
    }
    if (name == "LoadMovie") {
        if (var1.toInt() != 0)
            qDebug() << "FlashPlayerWidget: only layer 0 exists; loading layer" << var1.toInt()
                     << "as the main movie";
        loadMovie(moviePath(var2));
    } else if (name == "SetMovie") {
        const QString path = moviePath(var1);
        // "0" is how the program asks the control to drop its movie.
        if (path.isEmpty() || path == QLatin1String("0"))
            unloadMovie();
        else
            loadMovie(path);
    } else {
        qWarning() << "FlashPlayerWidget: unknown call" << function;
    }
    return QVariant();
}

QString FlashPlayerWidget::currentMovie() const
{
    return movie;
}

void FlashPlayerWidget::ensureView()
{
    if (view)
        return;
    view = new QWebEngineView(this);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    auto* page = new QWebEnginePage(FlashProfile::shared(), view);
    page->setBackgroundColor(palette().color(QPalette::Window));
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    // Ruffle fetches its wasm and the movie's files through file:// URLs.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view->setPage(page);
    connect(page, &QWebEnginePage::titleChanged, this, &FlashPlayerWidget::onTitleChanged);
    layout()->addWidget(view);
    view->hide();
}

void FlashPlayerWidget::loadMovie(const QString& path)
{
    unloadMovie();
    const QFileInfo info(path);
    movie = info.absoluteFilePath();
    answered = false;
    const quint64 ticket = ++generation;
    QString problem;
    if (path.isEmpty() || !info.isFile())
        problem = QStringLiteral("no such file");
    else
        problem = swfProblem(path);
    if (!problem.isEmpty()) {
        // Answer later, as a real load would, so callers see one order of events.
        const QString failed = movie.isEmpty() ? path : movie;
        QTimer::singleShot(0, this, [this, ticket, failed, problem] {
            if (ticket == generation)
                failMovie(failed, problem);
        });
        return;
    }
    const QString ruffle = Vel::applicationFolder() + QStringLiteral("/ruffle/ruffle.js");

    // The page is made in memory, never written beside the movie or into the (possibly
    // read-only) application folder; its base URL makes the movie's relative URLs resolve
    // against the movie's own folder, as they did in the plug-in.
    FlashHostPage host;
    host.ruffleScript = QUrl::fromLocalFile(QFileInfo(ruffle).absoluteFilePath());
    host.movie = QUrl::fromLocalFile(movie);
    host.base = QUrl::fromLocalFile(info.absolutePath() + QLatin1Char('/'));
    host.background = palette().color(QPalette::Window);
    host.reportPrefix = ReportTag + QString::number(ticket) + QLatin1Char(':');

    ensureView();
    view->page()->setHtml(host.html(), host.base);
    if (holdWanted()) {
        holding = true; // shown once the hold ends; the last picture was another movie's
        dropStill();
    } else {
        view->show();
    }
    watchdog->start();
}

void FlashPlayerWidget::unloadMovie()
{
    ++generation;
    watchdog->stop();
    movie.clear();
    answered = true;
    holding = false;
    dropStill();
    if (view) {
        view->hide();
        view->page()->setUrl(QUrl(QStringLiteral("about:blank"))); // stops Ruffle and its sound
    }
}

void FlashPlayerWidget::failMovie(QString path, const QString& reason)
{
    if (answered)
        return;
    qWarning().noquote() << "FlashPlayerWidget: cannot play" << path << "-" << reason;
    unloadMovie(); // no panic screen: the area stays empty
    emit movieFailed(path);
}

void FlashPlayerWidget::onTitleChanged(const QString& title)
{
    if (answered || !title.startsWith(ReportTag))
        return;
    const QString rest = title.mid(ReportTag.size());
    const int colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0 || rest.left(colon).toULongLong() != generation)
        return;
    const QString outcome = rest.mid(colon + 1);
    if (outcome == QLatin1String("loaded")) {
        answered = true;
        watchdog->stop();
        emit movieLoaded(movie);
    } else if (outcome.startsWith(QLatin1String("failed:"))) {
        failMovie(movie, outcome.mid(7));
    }
}
