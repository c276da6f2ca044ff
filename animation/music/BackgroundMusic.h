#pragma once

#include <QString>

class QWidget;

namespace vx7::platform {
class SoundPlayer;
}

namespace vx7::animation {

class FileChooser;

// The camera station's background music: the music path of this run and the choice of
// a new file, which is played once from the start at once, without blocking. Several
// choices may play at the same time. Nothing here ever reports an error: a file the
// machine cannot play, or a machine without an audio device, simply stays silent.
class BackgroundMusic {
  public:
    // The music path starts as "<installation folder>/ephoto_syspic/loop11.WAV".
    BackgroundMusic(const QString& installFolder, platform::SoundPlayer& player, FileChooser& files);

    static QString Filter() {
        return QStringLiteral("图形文件(*.wav,*.mid,*.mp3,*.wma)|*.wav;*.mid;*.mp3;*.wma");
    }
    static QString InitialName() { return QStringLiteral("*.wav;*.mid;*.mp3;*.wma"); }

    // Opens the file dialog; on OK returns to the installation folder, stores the path
    // and plays it. Returns true when a file was chosen.
    bool ChooseMusic(QWidget* parent = nullptr);

    QString MusicPath() const { return musicPath_; }

  private:
    QString installFolder_;
    platform::SoundPlayer& player_;
    FileChooser& files_;
    QString musicPath_;
};

} // namespace vx7::animation
