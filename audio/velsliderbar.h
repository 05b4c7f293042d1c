#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// A skinnable horizontal slider showing a playing position (the thumb) and a clip range (a start
// tag and an end tag with a highlighted region between them) over a track image. Its whole look
// comes from images and offsets set through properties, normally by the skin's style sheet.
//
// Type bits choose the parts shown: 1 thumb, 2 clip region, 4 tags.
class VelSliderBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int horiMargin READ horiMargin WRITE setHoriMargin)
    Q_PROPERTY(int foreTop READ foreTop WRITE setForeTop)
    Q_PROPERTY(QString fore READ fore WRITE setFore)
    Q_PROPERTY(int clipForeTop READ clipForeTop WRITE setClipForeTop)
    Q_PROPERTY(QString clipFore READ clipFore WRITE setClipFore)
    Q_PROPERTY(QString clipForeSelected READ clipForeSelected WRITE setClipForeSelected)
    Q_PROPERTY(QString diableclipFore READ disableClipFore WRITE setDisableClipFore)
    Q_PROPERTY(int goneTop READ goneTop WRITE setGoneTop)
    Q_PROPERTY(QString gone READ gone WRITE setGone)
    Q_PROPERTY(int clipTagTop READ clipTagTop WRITE setClipTagTop)
    Q_PROPERTY(QString clipStart READ clipStart WRITE setClipStart)
    Q_PROPERTY(QString clipEnd READ clipEnd WRITE setClipEnd)
    Q_PROPERTY(int thumbTop READ thumbTop WRITE setThumbTop)
    Q_PROPERTY(QString thumb READ thumb WRITE setThumb)
    Q_PROPERTY(QString disableThumb READ disableThumb WRITE setDisabaleThumb)
    Q_PROPERTY(bool isThumbCenter READ isThumbCenter WRITE setIsThumbCenter)

public:
    enum Part
    {
        NoPart = 0,
        ThumbPart = 1,
        StartTagPart = 2,
        EndTagPart = 3
    };
    enum TypeBit
    {
        ShowThumb = 1,
        ShowClipRegion = 2,
        ShowTags = 4
    };

    explicit VelSliderBar(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(200, 30); }
    QSize minimumSizeHint() const override { return QSize(200, 20); }

    // Ignored when minimum < 0 or minimum >= maximum. Tags outside the new range (or unset) move
    // to its ends; the thumb stays.
    void setRange(int minimum, int maximum);
    // Ignored while the user drags the thumb, so a running player cannot pull it away.
    void setValue(int value);
    void setClipStartValue(int value);
    void setClipEndValue(int value);
    // The least distance kept between the tags while dragging them.
    void setMinimumClipGap(int gap) { clipGap = gap; }

    int value() const { return currentValue; }
    int minimum() const { return minValue; }
    int maximum() const { return maxValue; }
    int clipStartValue() const { return startValue; }
    int clipEndValue() const { return endValue; }
    int minimumClipGap() const { return clipGap; }
    int type() const { return partTypes; }
    int hitPart() const { return grabbed; }
    bool isDraggingThumb() const { return draggingThumb; }

    // Where position `p` is drawn, and the position under column `x`.
    int xOfValue(int p) const;
    int valueAtX(int x) const;

    int horiMargin() const { return margin; }
    int foreTop() const { return foreTopValue; }
    QString fore() const { return foreImage.path; }
    int clipForeTop() const { return clipForeTopValue; }
    QString clipFore() const { return clipForeImage.path; }
    QString clipForeSelected() const { return clipForeSelectedImage.path; }
    QString disableClipFore() const { return disabledClipForeImage.path; }
    int goneTop() const { return goneTopValue; }
    QString gone() const { return goneImage.path; }
    int clipTagTop() const { return clipTagTopValue; }
    QString clipStart() const { return startTagImage.path; }
    QString clipEnd() const { return endTagImage.path; }
    int thumbTop() const { return thumbTopValue; }
    QString thumb() const { return thumbImage.path; }
    QString disableThumb() const { return disabledThumbImage.path; }
    bool isThumbCenter() const { return thumbCentred; }

public slots:
    void setHoriMargin(int value) { margin = value; }
    void setForeTop(int value) { foreTopValue = value; }
    void setFore(const QString& path) { foreImage.load(path); }
    void setClipForeTop(int value) { clipForeTopValue = value; }
    void setClipFore(const QString& path) { clipForeImage.load(path); }
    void setClipForeSelected(const QString& path) { clipForeSelectedImage.load(path); }
    void setDisableClipFore(const QString& path) { disabledClipForeImage.load(path); }
    void setGoneTop(int value) { goneTopValue = value; }
    void setGone(const QString& path) { goneImage.load(path); }
    void setClipTagTop(int value) { clipTagTopValue = value; }
    void setClipStart(const QString& path) { startTagImage.load(path); }
    void setClipEnd(const QString& path) { endTagImage.load(path); }
    void setThumbTop(int value) { thumbTopValue = value; }
    void setThumb(const QString& path) { thumbImage.load(path); }
    void setDisabaleThumb(const QString& path) { disabledThumbImage.load(path); }
    void setType(int bits);
    void setIsThumbCenter(bool centred) { thumbCentred = centred; }

signals:
    void valueChanged(int value);
    void clipStartChanged(int value);
    void clipEndChanged(int value);
    void thumbMouseRelease(int value);
    void startTagMouseRelease(int value);
    void endTagMouseRelease(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A picture named by the style sheet: the path as given and what was loaded from it. A path
    // that cannot be loaded keeps the picture before it.
    struct SkinImage
    {
        QString path;
        QPixmap pixmap;
        void load(const QString& file);
    };

    int innerLeft() const { return margin; }
    int innerRight() const { return width() - 1 - margin; }
    int innerWidth() const { return innerRight() - innerLeft() + 1; }
    QRect thumbRect() const;
    QRect startTagRect() const;
    QRect endTagRect() const;
    // `part`: one bit per picture, so each is logged once.
    void logMissingPicture(int part, const SkinImage& picture);
    void drawBand(QPainter& painter, const QPixmap& pixmap, int x, int y, int w) const;

    int currentValue = 0;
    int minValue = 0;
    int maxValue = 1000;
    int startValue = -1;
    int endValue = -1;
    int margin = 0;
    int foreTopValue = -1;
    int clipForeTopValue = -1;
    int goneTopValue = -1;
    int clipTagTopValue = -1;
    int thumbTopValue = -1;
    bool thumbCentred = false;
    int partTypes = ShowThumb | ShowClipRegion;
    int grabbed = NoPart;
    bool draggingThumb = false;
    int clipGap = 0;
    int loggedMissing = 0;

    SkinImage foreImage;
    SkinImage clipForeImage;
    SkinImage clipForeSelectedImage;
    SkinImage disabledClipForeImage;
    SkinImage goneImage;
    SkinImage startTagImage;
    SkinImage endTagImage;
    SkinImage thumbImage;
    SkinImage disabledThumbImage;
};
