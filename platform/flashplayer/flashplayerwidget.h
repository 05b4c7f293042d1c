#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

class QTimer;
class QWebEngineView;

// Stands in for the ActiveX container hosting the Shockwave Flash control: the same calls, played
// by Ruffle inside QtWebEngine.
class FlashPlayerWidget : public QWidget
{
    Q_OBJECT
public:
    // The control id that selects the Flash player.
    static constexpr const char* FlashControlId = "{d27cdb6e-ae6d-11cf-96b8-444553540000}";

    explicit FlashPlayerWidget(QWidget* parent = nullptr);
    ~FlashPlayerWidget() override;

    void clear();
    bool setControl(const QString& id);
    // "LoadMovie(long,string)" with (layer, path) and "SetMovie(const QString&)" with (path or
    // "0").
    QVariant dynamicCall(const char* function, const QVariant& var1 = QVariant(),
                         const QVariant& var2 = QVariant());

    QString currentMovie() const; // empty when nothing is loaded

signals:
    void movieLoaded(const QString& path);
    void movieFailed(const QString& path);

private:
    void ensureView();
    void loadMovie(const QString& path);
    void unloadMovie();
    void failMovie(QString path, const QString& reason); // path by value: unloading clears movie
    void onTitleChanged(const QString& title);

    QWebEngineView* view = nullptr; // one view for the widget's whole life
    QTimer* watchdog = nullptr;
    bool controlActive = false;
    QString movie;          // requested or playing; empty when nothing is loaded
    quint64 generation = 0; // tells answers of an earlier page from the current one
    bool answered = true;
};
