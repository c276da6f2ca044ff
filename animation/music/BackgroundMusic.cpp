#include "BackgroundMusic.h"
#include "core/InstallLayout.h"

#include "animation/making/FileChooser.h"
#include "core/PathParts.h"
#include "platform/SoundPlayer.h"

#include <QDir>

namespace vx7::animation {

BackgroundMusic::BackgroundMusic(const QString& installFolder, platform::SoundPlayer& player,
                                 FileChooser& files)
    : installFolder_(installFolder), player_(player), files_(files),
      musicPath_(core::JoinPath(core::JoinPath(installFolder, core::layout::SystemPictureFolder()),
                                QStringLiteral("loop11.WAV"))) {}

bool BackgroundMusic::ChooseMusic(QWidget* parent) {
    const QString chosen = files_.OpenFile(parent, Filter(), InitialName());
    if (chosen.isEmpty())
        return false;
    // The dialog may have moved the current directory; every folder hangs off it.
    QDir::setCurrent(installFolder_);
    musicPath_ = chosen;
    player_.Play(musicPath_);
    return true;
}

} // namespace vx7::animation
