#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace vx7::camera {

class CaptureDevice;

// What the GIF button's maker needs of the station: the burst to turn into a GIF with
// its name, folder, interval and colour mode, and the calls that report the made file
// back. The station implements it; the maker never sees the station's window.
class BurstGifStation {
  public:
    virtual ~BurstGifStation() = default;

    virtual QStringList BurstPhotos() const = 0;
    virtual QString PhotoName() const = 0;
    virtual QString PhotoFolder() const = 0;
    virtual QString IntervalText() const = 0;
    virtual int ColourMode() const = 0;

    virtual void SetGifControlsEnabled(bool on) = 0;
    virtual void SetLastMadeFile(const QString& name, int kind) = 0;
    virtual void OpenLastMade() = 0;
    virtual void SetStatusText(const QString& text) = 0;
    virtual void RefreshDisplay() = 0;
    // The object whose end is the station's end: a build that finishes later reports
    // nothing once it is gone.
    virtual QObject* LifetimeObject() = 0;
};

// Which photo the image editor is opened on; the numbers are those the editor's
// window protocol knows.
enum class EditorKind : int {
    NewestPhoto = 100,    // the photo just taken
    LastPhotoThumb = 101, // the last photo's thumbnail
    BurstShot = 102,      // one shot of the burst strip
};
// The editor's new-photo flag: NewPhoto for the photo just taken (the editor's photo
// menu then offers more entries), Plain otherwise.
enum class EditorMode : int {
    Plain = 0,
    NewPhoto = 9,
};

// The doors from the camera station to the other windows. Each is optional: without
// one, the station's command still suspends and resumes the camera (where it does so)
// and shows nothing else. The program's wiring (app/) fills them in main().
struct StationHooks {
    // The animation window (modal): the last made file and its kind, and whether the
    // file is to be opened and played at once.
    std::function<void(QWidget* parent, const QString& lastMadeName, int lastMadeKind, bool autoOpen)>
        openAnimationWindow;
    // The image editor (modal) on a photo, with the kind and the new-photo flag.
    std::function<void(QWidget* parent, const QString& photoPath, EditorKind kind, EditorMode mode)>
        openEditor;
    // The background-music chooser.
    std::function<void(QWidget* parent)> chooseBackgroundMusic;
    // The GIF button: make a GIF from the last burst (the station offers the burst
    // photos, name, folder, interval and mode, and the calls to record the made file,
    // enable its controls and open it).
    std::function<void(BurstGifStation& station)> makeBurstGif;
    // Opening a web address (the maker's page, the manual); the hyperlink control's
    // opener unless replaced.
    std::function<void(const QString& url)> openWebPage;

    // The station's own dialogs, replaceable so tests can answer them.
    std::function<int(QWidget* parent)> runHelpWindow;
    std::function<std::optional<QString>(QWidget* parent)> runFolderChooser;
    std::function<int(QWidget* parent, CaptureDevice& device)> runFormatDialog;
    std::function<int(QWidget* parent, CaptureDevice& device)> runSourceDialog;
    std::function<int(QWidget* parent, CaptureDevice& device)> runCompressionDialog;
};

} // namespace vx7::camera
