#pragma once

#include <QObject>

#include <memory>

class FlashPlayerWidget;
class IFlashKitInterface;
class QAbstractButton;
class QWidget;
class Slideshow;
class SoundPlayer;

// The preview area: the slideshow's template's own movie, the slideshow preview built through
// the kit, and the music that goes with it. The template chosen in the panel goes into the
// slideshow; a template the slideshow gets otherwise (an undone step, an opened project) is
// shown too.
class PreviewFlow : public QObject
{
    Q_OBJECT
public:
    PreviewFlow(QWidget* window, FlashPlayerWidget* flash, QAbstractButton* previewButton,
                IFlashKitInterface* kit, Slideshow* show);
    ~PreviewFlow() override;

    // Makes the template whose picture this is the slideshow's (its movie lies beside it).
    void setTemplateFromPicture(const QString& picturePath);
    void loadTemplateMovie();
    void selectTemplate(const QString& picturePath);
    // Builds the preview folder through the kit, shows its movie and plays the music with the
    // slideshow's fade and loop options. A failed build leaves the area empty and is logged; the
    // music plays all the same.
    void preview();
    // Runs the audio edit dialog on the slideshow's clips and music options with the movie let
    // go meanwhile; its OK puts the edited clips and options into the slideshow in one step.
    // True when the user accepted.
    bool editMusic();
    void stopMusic();
    bool isMusicPlaying() const;
    SoundPlayer* musicPlayer() const { return audioPreview.get(); }

private:
    QWidget* window;
    FlashPlayerWidget* flash;
    QAbstractButton* previewButton;
    IFlashKitInterface* kit;
    Slideshow* show;
    std::unique_ptr<SoundPlayer> audioPreview;
    // Set while this flow changes the template itself, which loads the movie on its own terms.
    bool choosingTemplate = false;
};
