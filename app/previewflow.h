#pragma once

#include <QList>
#include <QObject>

#include <memory>

struct AudioInfo;
struct StripCopies;
class FlashPlayerWidget;
class IFlashKitInterface;
class QAbstractButton;
class QWidget;
class SoundPlayer;

// The preview area: the selected template's own movie, the slideshow preview built through the
// kit, and the music that goes with it.
class PreviewFlow : public QObject
{
    Q_OBJECT
public:
    PreviewFlow(QWidget* window, FlashPlayerWidget* flash, QAbstractButton* previewButton,
                IFlashKitInterface* kit, StripCopies* show);
    ~PreviewFlow() override;

    // Picks the initial template's picture from the panel's first entry.
    void setTemplateFromPicture(const QString& picturePath);
    void loadTemplateMovie();
    void selectTemplate(const QString& picturePath);
    // Builds the preview folder through the kit, shows its movie and plays the music with the
    // stored fade and loop settings. A failed build leaves the area empty and is logged; the
    // music plays all the same.
    void preview();
    // Runs the audio edit dialog on the current clips with the movie let go meanwhile; true and
    // the edited clips in `edited` when the user accepted.
    bool editMusic(QList<AudioInfo>* edited);
    void stopMusic();
    bool isMusicPlaying() const;
    SoundPlayer* musicPlayer() const { return audioPreview.get(); }

private:
    QWidget* window;
    FlashPlayerWidget* flash;
    QAbstractButton* previewButton;
    IFlashKitInterface* kit;
    StripCopies* show;
    std::unique_ptr<SoundPlayer> audioPreview;
};
