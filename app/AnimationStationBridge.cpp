#include "AnimationStationBridge.h"

#include "animation/gif/GifAnimationBuilder.h"
#include "animation/gif/GifImageEncoder.h"
#include "animation/making/GifMakingSettings.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "animation/window/AnimationWindow.h"
#include "animation/window/GstVideoPlayer.h"
#include "camera/folders/FolderChooserDialog.h"
#include "camera/station/StationHooks.h"
#include "core/ImageFiles.h"
#include "core/PathParts.h"
#include "core/SysInfo.h"

#include <QDir>
#include <QPointer>

namespace vx7::app {

using namespace vx7::animation;

AnimationStationBridge::AnimationStationBridge(core::SysInfo& sys, platform::Prompt& prompt,
                                               core::EncoderRegistry& encoders, platform::SoundPlayer& sound,
                                               FileChooser* files, VideoPlayerFactory players)
    : sys_(sys), prompt_(prompt), encoders_(encoders), builder_(std::make_unique<GifAnimationBuilder>()),
      converter_(std::make_unique<ImageConverterLibrary>()),
      // The installation folder is the current directory when the program starts.
      engine_(QDir::currentPath(), encoders, *builder_, *converter_),
      files_([this](QWidget* parent) -> std::optional<QString> {
          camera::FolderChooserDialog dialog(
              QDir::homePath(), core::JoinPath(sys_.InstallFolder(), core::SysInfo::DefaultPhotoFolderName()),
              prompt_, parent);
          if (dialog.exec() != QDialog::Accepted)
              return std::nullopt;
          return dialog.SelectedFolder();
      }),
      chooser_(files ? files : &files_),
      players_(players ? std::move(players) : VideoPlayerFactory(&MakeGstVideoPlayer)),
      music_(QDir::currentPath(), sound, *chooser_), burst_(engine_, encoders, prompt) {
    // The colour mode "普通高反差" re-encodes pictures with the GIF encoder.
    if (encoders_.FindEncoder(QStringLiteral("image/gif")) < 0)
        RegisterGifEncoder(encoders_);
}

AnimationStationBridge::~AnimationStationBridge() {
    burst_.CancelAndWait();
}

void AnimationStationBridge::Install(camera::StationHooks& hooks) {
    hooks.openAnimationWindow = [this](QWidget* parent, const QString& name, int kind, bool autoOpen) {
        AnimationWindow window({sys_, prompt_, encoders_, engine_, *chooser_, players_},
                               LastMadeFile{name, kind}, autoOpen, parent);
        window.exec();
    };
    hooks.chooseBackgroundMusic = [this](QWidget* parent) { music_.ChooseMusic(parent); };
    hooks.makeBurstGif = [this](camera::BurstGifStation& station) {
        GifMakingSettings settings(GifMakingSettings::Place::Station);
        settings.SelectIntervalOrMode(station.IntervalText());
        settings.SelectIntervalOrMode(GifMakingSettings::ModeText(station.ColourMode()));
        // The build ends after this call returns; the station may be gone by then.
        QPointer<QObject> alive(station.LifetimeObject());
        camera::BurstGifStation* target = &station;
        const auto guard = [alive, target]() -> camera::BurstGifStation* { return alive ? target : nullptr; };
        BurstGifMaker::Hooks h;
        h.setControlsEnabled = [guard](bool on) {
            if (auto* live = guard())
                live->SetGifControlsEnabled(on);
        };
        h.showStatus = [guard](const QString& text) {
            if (auto* live = guard())
                live->SetStatusText(text);
        };
        h.recordLastMade = [guard](const LastMadeFile& made) {
            if (auto* live = guard())
                live->SetLastMadeFile(made.name, made.kind);
        };
        h.refreshDisplay = [guard] {
            if (auto* live = guard())
                live->RefreshDisplay();
        };
        h.openLastMade = [guard] {
            if (auto* live = guard())
                live->OpenLastMade();
        };
        burst_.MakeBurstGif(station.BurstPhotos(), station.PhotoFolder(), station.PhotoName(), settings,
                            std::move(h));
    };
}

} // namespace vx7::app
