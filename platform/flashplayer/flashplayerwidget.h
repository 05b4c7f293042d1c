#pragma once

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTimer;
class QWebEngineView;
class StillPicture;

// Stands in for the ActiveX container hosting the Shockwave Flash control: the same calls, played
// by Ruffle inside QtWebEngine.
//
// While its window is blocked by a dialog (an import's progress, Edit Audio, a question) or the
// widget is disabled (the window publishing), the movie holds still: its last picture stays in
// place and the page is hidden, which stops Ruffle and its sound until the widget is free again.
// Behind a dialog the movie can be neither watched nor heard properly, and without a GPU every
// frame it plays is a repaint of the whole window that the work in progress waits for.
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
    bool isHeld() const { return holding; }

signals:
    void movieLoaded(const QString& path);
    void movieFailed(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holdWanted() const;
    void updateHold();
    void dropStill();
    void ensureView();
    void loadMovie(const QString& path);
    void unloadMovie();
    void failMovie(QString path, const QString& reason); // path by value: unloading clears movie
    void onTitleChanged(const QString& title);

    QWebEngineView* view = nullptr; // one view for the widget's whole life
    StillPicture* still = nullptr;  // the last picture, while the movie holds still
    QPointer<QWidget> watchedWindow;
    bool blocked = false; // the window is blocked by a modal dialog
    bool holding = false; // the view is hidden for a hold and comes back after it
    QTimer* watchdog = nullptr;
    bool controlActive = false;
    QString movie;          // requested or playing; empty when nothing is loaded
    quint64 generation = 0; // tells answers of an earlier page from the current one
    bool answered = true;
};
