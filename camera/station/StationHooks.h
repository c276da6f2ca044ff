#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vx7::camera {

class CameraStationWindow;
class CaptureDevice;

// The doors from the camera station to the other windows. Each is optional: without
// one, the station's command still suspends and resumes the camera (where it does so)
// and shows nothing else. The later windows fill them in main().
struct StationHooks {
    // The animation window (modal): the last made file and its kind, and whether the
    // file is to be opened and played at once.
    std::function<void(QWidget* parent, const QString& lastMadeName, int lastMadeKind, bool autoOpen)>
        openAnimationWindow;
    // The image editor (modal) on a photo, with the kind (100 newest photo, 101 last
    // photo thumbnail, 102 burst shot) and the mode value.
    std::function<void(QWidget* parent, const QString& photoPath, int kind, int mode)> openEditor;
    // The background-music chooser.
    std::function<void(QWidget* parent)> chooseBackgroundMusic;
    // The GIF button: make a GIF from the last burst (the station offers the burst
    // photos, name, folder, interval and mode, and the calls to record the made file,
    // enable its controls and open it).
    std::function<void(CameraStationWindow& station)> makeBurstGif;
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
