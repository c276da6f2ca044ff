#pragma once

#include "install/model/DriveTable.h"
#include "install/model/InstallModel.h"
#include "platform/Clock.h"
#include "platform/DesktopFolders.h"
#include "support/ScriptedPrompt.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <memory>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vx7::test {

// A whole machine in a temporary folder: a home folder as drive C:, a further drive D:,
// a system directory, a desktop and an applications folder, and a start folder that
// holds an install medium. While it lives, HOME, XDG_DATA_HOME, XDG_CONFIG_HOME,
// VX7_SYSTEM_DIR and VX7_DRIVES point into it, so nothing reaches the real home.
class InstallSandbox {
  public:
    InstallSandbox();
    ~InstallSandbox();

    QString Root() const { return dir_.path(); }
    QString Home() const { return Root() + "/home"; }
    QString DriveD() const { return Root() + "/drive-d"; }
    QString SystemDir() const { return Root() + "/system"; }
    QString Desktop() const { return Home() + "/Desktop"; }
    QString Applications() const { return Root() + "/data/applications"; }
    QString StartFolder() const { return Root() + "/start"; }
    QString MediumFolder() const { return StartFolder() + "/摄像头拍照(动画)Snapo2011"; }
    QString InfoFolder() const { return SystemDir() + "/vx7ECamera_Info"; }

    // Lays out a medium below folder: every data folder with `perFolder` files, the
    // program files, the uninstaller and the converter library.
    static void MakeMedium(const QString& programFolder, int perFolder = 2);

    // Writes a file (creating folders); returns its path.
    static QString Write(const QString& path, const QByteArray& bytes);
    static QByteArray Read(const QString& path);

    const install::DriveTable& Drives() const { return drives_; }
    platform::DesktopFolders Folders() const;
    install::InstallEnvironment Environment(const QString& startFolder = QString());
    std::unique_ptr<install::InstallModel> MakeModel(const QString& startFolder = QString());

    // Runs a whole installation with the model's form as set; returns false when it did
    // not start or did not finish in time.
    static bool RunToEnd(install::InstallModel& model);

    // Every path below folder (links not followed) with its size, for before/after checks.
    static std::map<QString, qint64> Snapshot(const QString& folder);

    ScriptedPrompt prompt;
    platform::ManualClock clock{QDateTime(QDate(2026, 1, 5), QTime(9, 30, 0))};

  private:
    QTemporaryDir dir_;
    install::DriveTable drives_;
    std::map<QByteArray, std::optional<QByteArray>> savedEnv_;
};

} // namespace vx7::test
