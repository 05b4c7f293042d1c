#pragma once

#include <QString>
#include <QToolButton>

// A tool button drawn entirely from skin images, one per state and language (the caption is in
// the picture): "background-image:url(<base>_<language>.png)". A base name relative to the skin
// folder is anchored in the current skin folder; a language without a picture falls back to "en".
class PublishButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QString borderImage READ getBorderImage WRITE setBorderImage)
    Q_PROPERTY(QString disabledBorderImage READ getDisabledBorderImage WRITE setDisabledBorderImage)
    Q_PROPERTY(QString pressedBorderImage READ getPressedBorderImage WRITE setPressedBorderImage)

public:
    explicit PublishButton(QWidget* parent = nullptr);

    QString getBorderImage() const { return borderImage; }
    QString getDisabledBorderImage() const { return disabledBorderImage; }
    QString getPressedBorderImage() const { return pressedBorderImage; }
    int currentState() const { return state; }
    void setLanguage(const QString& name);

signals:
    void stateChanged();

public slots:
    void setBorderImage(const QString& name);
    void setDisabledBorderImage(const QString& name);
    void setPressedBorderImage(const QString& name);
    void setDisabled(bool disabled);
    void setEnabled(bool enabled);
    void slotPressed();
    void slotReleased();
    void setImage();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString borderImage;
    QString disabledBorderImage;
    QString pressedBorderImage;
    QString language;
    int state = 1;              // 0 normal, 1 disabled, 2 pressed
    bool applyingImage = false; // setting our own style sheet re-polishes us
};
